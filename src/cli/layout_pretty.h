#pragma once
// An answer layout drawn in two dimensions with characters: fractions stacked
// over a bar, roots under a radical, raised exponents, matrices as grids in
// tall brackets.

#include <string>

#include "engine/core/answer_layout.h"

namespace zentrix::cli {

// UTF-8 lines joined by line feeds, without trailing spaces and without a
// final line feed. A drawing too large to be of use (fractions nested
// hundreds deep) is written on one line as RenderText writes it.
std::string RenderPretty(const engine::AnswerLayout& box);

}  // namespace zentrix::cli
