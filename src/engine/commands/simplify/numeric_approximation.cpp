#include "engine/commands/simplify/numeric_approximation.h"

#include "engine/commands/base/commands_state.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

constexpr double kPiValue = 3.141592653589793;
constexpr double kEValue = 2.718281828459045;

// The value of π or e, or nothing for any other name.
std::optional<double> ConstantValue(const std::u16string& name) {
  if (name.size() != 1) return std::nullopt;
  if (name[0] == chars::kPi) return kPiValue;
  if (name[0] == chars::kEulerE) return kEValue;
  return std::nullopt;
}

void ApproximateTerms(ExprNode& node) {
  node.set_coefficient(ToDecimal(node.coefficient()));
  std::vector<SymbolTerm> kept;
  for (SymbolTerm& t : node.mutable_terms()) {
    t.coefficient = ToDecimal(t.coefficient);
    t.exponent = ToDecimal(t.exponent);
    if (std::optional<double> value = ConstantValue(t.name)) {
      Number v = Multiply(Power(Number(*value), t.exponent), t.coefficient);
      node.set_coefficient(node.IsSum() ? Add(node.coefficient(), v)
                                        : Multiply(node.coefficient(), v));
    } else {
      kept.push_back(std::move(t));
    }
  }
  node.mutable_terms() = std::move(kept);
  CanonicalizeBuilt(node);
}

void ApproximateInPlace(ExprNode& node) {
  DepthGuard guard;
  if (!guard.ok()) return;
  for (ExprNode& op : node.mutable_operands()) ApproximateInPlace(op);
  if (node.TermCount() > 0 && (node.IsSum() || node.IsProduct())) {
    ApproximateTerms(node);
    return;
  }
  if (node.IsOperandPower() && node.Operand(0).IsNumber()) {
    // Decimal form even where the power is exact ((-5)^-3 is -1/125).
    node = ExprNode::MakeNumber(
        ToDecimal(Power(node.Operand(0).coefficient(), ToDecimal(node.coefficient()))));
    return;
  }
  if (node.IsPower() && node.OperandCount() == 2 && node.Operand(0).IsNumber() &&
      node.Operand(1).IsNumber()) {
    Number e = Power(node.Operand(1).coefficient(), node.coefficient());
    node = ExprNode::MakeNumber(ToDecimal(Power(node.Operand(0).coefficient(), e)));
    return;
  }
  if (node.IsUnaryFunction() && node.Operand(0).IsNumber()) {
    if (std::optional<Number> value =
            EvaluateFunctionNumerically(node.FunctionId(), node.Operand(0).coefficient())) {
      node = ExprNode::MakeNumber(*value);
      return;
    }
  }
  CanonicalizeBuilt(node);
  // Simplifying can turn the node into one with symbol terms of its own, such
  // as (5.2·x)^(1/2) into 2.28·x^(1/2); those get their decimal form too, as
  // they would have had the node been built that way.
  if (node.TermCount() > 0 && (node.IsSum() || node.IsProduct())) {
    ApproximateTerms(node);
    return;
  }
  node.set_coefficient(ToDecimal(node.coefficient()));
}

}  // namespace

ExprNode Approximate(const ExprNode& tree) {
  const bool flag = RewriteFlag();
  ExprNode result = tree;
  ApproximateInPlace(result);
  Engine().rewrite_flag = flag;
  return result;
}

}  // namespace zentrix::engine
