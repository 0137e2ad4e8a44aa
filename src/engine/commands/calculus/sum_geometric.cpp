// Geometric sums: f = C·Π b_i^(α_i·k + β_i)·exp(α·k + β) has the constant
// ratio ρ = f(k + 1)/f(k), read from the shape of f, and sums to
// f(low)·(ρ^(high − low + 1) − 1)/(ρ − 1), or f(low)/(1 − ρ) to infinity
// when |ρ| < 1.

#include <cmath>
#include <utility>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/sum_closed_form_parts.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::calculus::sums {
namespace {

// The ratio contributed by one factor: 1 for a factor free of k, b^α for
// b^(α·k + β), e^α for exp(α·k + β); nothing for any other factor.
std::optional<ExprNode> FactorRatio(const ExprNode& factor, std::u16string_view k) {
  if (FreeOf(factor, k)) return Num(1.0);
  if (factor.IsPower() && factor.OperandCount() == 2 && factor.TermCount() == 0 &&
      factor.coefficient().IsOne() && FreeOf(factor.Operand(0), k)) {
    std::optional<LinearParts> v = AsLinear(factor.Operand(1), k);
    if (!v) return std::nullopt;
    return PowerTrees(factor.Operand(0), std::move(v->a));
  }
  if (factor.IsUnaryFunction() && factor.FunctionId() == command_id::kExp) {
    std::optional<LinearParts> v = AsLinear(factor.Operand(0), k);
    if (!v) return std::nullopt;
    return ApplyFunction(command_id::kExp, std::move(v->a));
  }
  return std::nullopt;
}

std::optional<ExprNode> Ratio(const ExprNode& f, std::u16string_view k) {
  if (!f.IsProduct()) return FactorRatio(f, k);
  for (const SymbolTerm& t : f.terms()) {
    if (t.name == k) return std::nullopt;
  }
  ExprNode ratio = Num(1.0);
  for (const ExprNode& op : f.operands()) {
    std::optional<ExprNode> r = FactorRatio(op, k);
    if (!r) return std::nullopt;
    ratio = MultiplyTrees(std::move(ratio), std::move(*r));
  }
  return ratio;
}

}  // namespace

std::optional<ExprNode> GeometricSum(const ExprNode& f, std::u16string_view k, const Range& r) {
  std::optional<ExprNode> ratio = Ratio(f, k);
  if (!ratio || (ratio->IsNumber() && ratio->coefficient().IsOne())) return std::nullopt;
  const ExprNode first = AtPoint(f, k, r.low);
  if (HasUndefinedPart(first)) return std::nullopt;
  if (!r.infinite) {
    ExprNode count = AddNumber(SubtractTrees(r.high, r.low), Number(1.0));
    ExprNode grown = AddNumber(PowerTrees(*ratio, std::move(count)), Number(-1.0));
    return DivideTrees(MultiplyTrees(first, std::move(grown)), AddNumber(*ratio, Number(-1.0)));
  }
  const ExprNode value = Approximate(*ratio);
  if (!value.IsNumber()) return std::nullopt;
  const Number& rho = value.coefficient();
  if (std::hypot(rho.RealValue(), rho.ImagValue()) < 1.0) {
    return DivideTrees(first, SubtractTrees(Num(1.0), *ratio));
  }
  // |ρ| ≥ 1: a real ratio of at least 1 and a real first term diverge with
  // the sign of the first term; any other ratio oscillates.
  const ExprNode start = Approximate(first);
  if (!rho.IsReal() || rho.RealValue() < 1.0 || !start.IsRealNumber() ||
      start.coefficient().IsZero()) {
    return std::nullopt;
  }
  return Num(start.coefficient().RealValue() > 0 ? Number::PlusInfinity()
                                                 : Number::MinusInfinity());
}

}  // namespace zentrix::engine::calculus::sums
