#pragma once
// An answer layout as one line of Unicode text, as a person reads it:
// x² + 3x + 1, 2√3, 3/2, (x + 1)/(2x), {-2, 2}.

#include <string>

#include "engine/core/answer_layout.h"

namespace zentrix::engine {

// UTF-8. A message answer (one text box) is written as it stands, line feeds
// included.
std::string RenderText(const engine::AnswerLayout& box);

}  // namespace zentrix::engine
