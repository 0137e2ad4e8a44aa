// Pass (e) of the simplifier, and the rounding functions that are evaluated as
// soon as their argument is a number.

#include <cmath>
#include <optional>

#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

bool IsRoundingId(int f) {
  return f == id::kCeiling || f == id::kFloor || f == id::kSign || f == id::kFPart ||
         f == id::kIPart || f == id::kAbs || f == id::kRe || f == id::kIm;
}

// The rounding functions of an exact real value, kept exact.
std::optional<Number> ExactRounding(int f, const Number& x) {
  if (!x.IsReal() || x.IsDecimal()) return std::nullopt;
  const double v = x.RealValue();
  switch (f) {
    case id::kCeiling: return Number(std::ceil(v));
    case id::kFloor: return Number(std::floor(v));
    case id::kSign: return Number(v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0));
    case id::kIPart: return Number(std::trunc(v));
    case id::kFPart: return Subtract(x, Number(std::trunc(v)));
    case id::kAbs: return x.LessThan(0) ? Negate(x) : x;
    case id::kRe: return x;
    case id::kIm: return Number(0.0);
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<Number> EvaluateRoundingFunction(const ExprNode& node) {
  if (!node.IsUnaryFunction() || !IsRoundingId(node.FunctionId())) return std::nullopt;
  const ExprNode& u = node.Operand(0);
  if (!u.IsNumber()) return std::nullopt;
  const int f = node.FunctionId();
  if (std::optional<Number> exact = ExactRounding(f, u.coefficient())) return exact;
  if (f == id::kRe) return u.coefficient().RealPart();
  if (f == id::kIm) return u.coefficient().ImagPart();
  return EvaluateFunctionNumerically(f, u.coefficient());
}

bool ApplySpecialValues(ExprNode& node) {
  if (!node.IsUnaryFunction() || !node.Operand(0).IsNumber()) return false;
  const int f = node.FunctionId();
  const Number x = node.Operand(0).coefficient();
  if (x.IsDecimal()) {
    if (std::optional<Number> value = EvaluateFunctionNumerically(f, x)) {
      node = ExprNode::MakeNumber(*value);
      return true;
    }
    return false;
  }
  if (f == id::kExp) {
    if (x.IsZero()) {
      node = ExprNode::MakeNumber(Number(1.0));
      return true;
    }
    if (x.IsOne()) {
      node = ExprNode::MakeSymbol(std::u16string(1, chars::kEulerE));
      return true;
    }
  }
  if (f == id::kLn) {
    if (x.IsZero()) {
      node = ExprNode::MakeNumber(Number::MinusInfinity());
      return true;
    }
    if (x.IsOne()) {
      node = ExprNode::Zero();
      return true;
    }
    if (x.IsReal() && x.LessThan(0)) {
      // ln(n) = ln(-n) + iπ for a negative n.
      ExprNode i_pi =
          MakeTermNode(std::u16string(1, chars::kPi), Number::Complex(0.0, 1.0), Number(1.0));
      node = AddTrees(ApplyFunction(id::kLn, ExprNode::MakeNumber(Negate(x))), std::move(i_pi));
      return true;
    }
  }
  return false;
}

}  // namespace zentrix::engine
