#pragma once
// What the character renderers of answer layouts share: the first and last
// glyph of a box, how a '*' between two boxes is written, and which rows are
// lists.

#include <string>
#include <string_view>

#include "engine/core/answer_layout.h"

namespace zentrix::engine {

// The first and last character a box shows when written on one line; 0 when
// it shows none (an empty text), a bracket for bracketed boxes.
char16_t FirstGlyph(const engine::AnswerLayout& box);
char16_t LastGlyph(const engine::AnswerLayout& box);

// A bracketed row of list elements (its operators are ',', or it is empty).
bool IsList(const engine::AnswerLayout& box);

// A text that reads as one unit next to an operator: a plain unsigned number
// or a name, possibly with the squared mark.
bool IsAtomicText(const engine::AnswerLayout& box);

// The UTF-8 written for a '*' between two boxes: nothing after a digit before
// a non-digit (2x, 2√3), a space inside a mixed number (1 1/4), else "·".
std::string_view MultiplySeparator(const engine::AnswerLayout& before,
                                   const engine::AnswerLayout& after);

// A '+' before a row whose first operator is '-' shows as that minus.
bool StartsWithMinus(const engine::AnswerLayout& box);

}  // namespace zentrix::engine
