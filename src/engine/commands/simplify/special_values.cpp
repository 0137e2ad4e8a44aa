// Pass (e) of the simplifier, and the rounding functions that are evaluated as
// soon as their argument is a number.

#include <array>
#include <cmath>
#include <optional>

#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// The functions evaluated as soon as their argument is a number.
bool IsRoundingId(int f) {
  const ElementaryFacts* facts = FindElementaryFacts(f);
  if (facts == nullptr) return false;
  return facts->family == FunctionFamily::kStep || facts->family == FunctionFamily::kModulus ||
         facts->family == FunctionFamily::kPart;
}

using ExactEvaluation = std::optional<Number> (*)(const Number& x, double v);

// The exact column of the elementary functions, by id.
constexpr std::array<ExactEvaluation, kCommandIdLimit> ExactEvaluationsById() {
  std::array<ExactEvaluation, kCommandIdLimit> by_id{};
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator,   \
                           undo_by, pole, value, plus, minus, numeric, exact, ...)            \
  by_id[command_id::k##identifier] = [](const Number& x, double v) -> std::optional<Number> { \
    static_cast<void>(x);                                                                     \
    static_cast<void>(v);                                                                     \
    return exact;                                                                             \
  };
#include "engine/commands/base/elementary_functions.inc"
  return by_id;
}
constexpr auto kExactEvaluationsById = ExactEvaluationsById();

// The rounding functions of an exact real value, kept exact.
std::optional<Number> ExactRounding(int f, const Number& x) {
  if (!x.IsReal() || x.IsDecimal()) return std::nullopt;
  if (f < 0 || f >= kCommandIdLimit || kExactEvaluationsById[f] == nullptr) return std::nullopt;
  return kExactEvaluationsById[f](x, x.RealValue());
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
