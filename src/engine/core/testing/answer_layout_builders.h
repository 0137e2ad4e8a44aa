#pragma once
// Test support: short builders of answer layouts, for the tests of the
// layout's renderers.

#include <initializer_list>
#include <utility>

#include "engine/core/answer_layout.h"
#include "engine/core/charset.h"

namespace zentrix::engine::testkit {

inline AnswerLayout T(const char* utf8) { return AnswerLayout::Text(chars::U16(utf8)); }

inline AnswerLayout Frac(AnswerLayout a, AnswerLayout b) {
  return AnswerLayout::Fraction(std::move(a), std::move(b));
}

// A row of (operator, child) pairs; operator 0 joins without one.
inline AnswerLayout Row(std::initializer_list<std::pair<char16_t, AnswerLayout>> items,
                        bool bracketed = false) {
  AnswerLayout row = AnswerLayout::Row();
  for (const auto& [op, child] : items) row.Append(op, child);
  row.bracketed = bracketed;
  return row;
}

}  // namespace zentrix::engine::testkit
