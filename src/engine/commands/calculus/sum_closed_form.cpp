// Sum in closed form: the whole summand is tried as a polynomial, a
// telescoping rational function and a geometric term; otherwise its expanded
// parts are summed one by one (polynomial parts together, p-series, geometric
// and telescoping parts each alone), and the sum fails when one part has no
// closed form or two parts diverge.

#include "engine/commands/calculus/sum_closed_form.h"

#include <utility>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/sum_closed_form_parts.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::calculus {
namespace {

using sums::Range;

std::optional<ExprNode> ConstantSum(const ExprNode& f, const Range& r) {
  if (!r.infinite) {
    return MultiplyTrees(f, AddNumber(SubtractTrees(r.high, r.low), Number(1.0)));
  }
  if (f.IsNumber() && f.coefficient().IsZero()) return Num(0.0);
  if (!f.IsRealNumber()) return std::nullopt;
  return Num(f.coefficient().RealValue() > 0 ? Number::PlusInfinity() : Number::MinusInfinity());
}

// c·(k + m)^(−p) (or c·k^(−p)) with c free of k and an integer shift m.
std::optional<ExprNode> PSeriesPart(const ExprNode& part, std::u16string_view k, const Range& r) {
  Number c(1.0);
  const ExprNode* power = &part;
  if (part.IsProduct() && part.OperandCount() == 1 && part.TermCount() == 0) {
    c = part.coefficient();
    power = &part.Operand(0);
  }
  if (part.OperandCount() == 0 && part.TermCount() == 1 && part.Term(0).name == k) {
    const Number coefficient = part.IsProduct() ? part.coefficient() : part.Term(0).coefficient;
    std::optional<ExprNode> s = sums::PSeriesSum(Negate(part.Term(0).exponent), Num(0.0), r);
    if (!s) return std::nullopt;
    return Expand(MultiplyNumber(std::move(*s), coefficient));
  }
  if (!power->IsOperandPower()) return std::nullopt;
  std::optional<LinearParts> base = AsLinear(power->Operand(0), k);
  if (!base || !base->a.IsNumber() || !base->a.coefficient().IsOne()) return std::nullopt;
  std::optional<ExprNode> s = sums::PSeriesSum(Negate(power->coefficient()), base->b, r);
  if (!s) return std::nullopt;
  return Expand(MultiplyNumber(std::move(*s), c));
}

std::optional<ExprNode> WholeSum(const ExprNode& f, std::u16string_view k, const Range& r) {
  if (FreeOf(f, k)) return ConstantSum(f, r);
  if (auto c = sums::PolynomialCoefficients(Expand(f), k)) return sums::PolynomialSum(*c, r);
  if (auto s = sums::TelescopingSum(f, k, r)) return s;
  return sums::GeometricSum(f, k, r);
}

std::optional<ExprNode> PartSum(const ExprNode& part, std::u16string_view k, const Range& r) {
  if (auto s = PSeriesPart(part, k, r)) return s;
  if (auto s = sums::TelescopingSum(part, k, r)) return s;
  return sums::GeometricSum(part, k, r);
}

std::optional<ExprNode> SumOfParts(const ExprNode& f, std::u16string_view k, const Range& r) {
  const ExprNode expanded = Expand(f);
  if (!expanded.IsSum() || expanded.OperandCount() + expanded.TermCount() < 2) {
    return PartSum(expanded, k, r);
  }
  // The polynomial parts (and the constant) are summed together.
  ExprNode polynomial = Num(expanded.coefficient());
  std::vector<ExprNode> others;
  auto sort = [&](ExprNode part) {
    if (sums::PolynomialCoefficients(part, k)) {
      polynomial = AddTrees(std::move(polynomial), std::move(part));
    } else {
      others.push_back(std::move(part));
    }
  };
  for (const SymbolTerm& t : expanded.terms()) sort(ExprNode::MakeTerm(t));
  for (const ExprNode& op : expanded.operands()) sort(op);
  std::vector<ExprNode> sums;
  if (!(polynomial.IsNumber() && polynomial.coefficient().IsZero())) {
    std::optional<ExprNode> s = WholeSum(polynomial, k, r);
    if (!s) return std::nullopt;
    sums.push_back(std::move(*s));
  }
  for (const ExprNode& part : others) {
    std::optional<ExprNode> s = PartSum(part, k, r);
    if (!s) return std::nullopt;
    sums.push_back(std::move(*s));
  }
  int divergent = 0;
  for (const ExprNode& s : sums) divergent += IsInfiniteValue(s) ? 1 : 0;
  // Two divergent parts may cancel in ways the parts do not show.
  if (divergent > 1) return std::nullopt;
  return SumOfTrees(std::move(sums));
}

}  // namespace

std::optional<ExprNode> ClosedFormSum(const ExprNode& f, std::u16string_view k, const ExprNode& low,
                                      const ExprNode& high) {
  const Range r{low, high, high.IsPlusInfinity()};
  std::optional<ExprNode> s = WholeSum(f, k, r);
  if (!s) s = PSeriesPart(f, k, r);
  if (!s) s = SumOfParts(f, k, r);
  if (!s || HasUndefinedPart(*s)) return std::nullopt;
  return s;
}

}  // namespace zentrix::engine::calculus
