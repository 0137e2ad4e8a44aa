#pragma once
// Helpers of the calculus tests: entries evaluated to trees, and trees
// evaluated at real points.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/evaluator.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/charset.h"

namespace zentrix::engine::calculus_testing {

// The result tree of an entry; a failed entry fails the test.
inline ExprNode Tree(std::string_view utf8) {
  Evaluator evaluator;
  EvaluationResult r = evaluator.Evaluate(chars::U16(utf8));
  EXPECT_TRUE(r.ok) << utf8 << ": " << chars::ToUtf8(r.DisplayText());
  return r.value;
}

// The real value of f at x = t, or nothing when it is not a finite real number.
inline std::optional<double> RealAt(const ExprNode& f, double t, std::u16string_view x = u"x") {
  std::optional<Number> v = calculus::NumericValueAt(f, x, t);
  if (!v || !v->IsReal()) return std::nullopt;
  return v->RealValue();
}

// |a - b| within a relative (or, near 0, absolute) tolerance.
inline bool Close(double a, double b, double tolerance) {
  return std::fabs(a - b) <= tolerance * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

inline bool IsCall(const ExprNode& n, int id) { return n.IsFunction(id); }

}  // namespace zentrix::engine::calculus_testing
