// Sums of powers of the index: Faulhaber's formulas for polynomials, and the
// p-series Σ 1/k^p, whose value at an even p is a rational multiple of π^p
// given by the Bernoulli numbers.

#include <cmath>
#include <utility>

#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/sum_closed_form_parts.h"
#include "engine/commands/polynomial/poly.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"

namespace zentrix::engine::calculus::sums {
namespace {

// Terms added one by one to a p-series' known value.
constexpr double kMaxLeadingTerms = limits::kSumLeadingTerms;

Number Binomial(int n, int j) { return Number(poly::Binomial(n, j)); }

// Σ_{i=1}^{t} i^j = (1/(j+1))·Σ_{i=0}^{j} C(j+1, i)·B_i·t^(j+1−i), with B_1 = +1/2.
ExprNode PowerSum(int j, const ExprNode& t) {
  ExprNode sum = ExprNode::Zero();
  const Number scale = Divide(Number(1.0), Number(static_cast<double>(j + 1)));
  for (int i = 0; i <= j; ++i) {
    const Number c = Multiply(Multiply(Binomial(j + 1, i), Bernoulli(i)), scale);
    if (c.IsZero()) continue;
    sum = AddTrees(std::move(sum),
                   MultiplyNumber(PowerNumber(t, Number(static_cast<double>(j + 1 - i))), c));
  }
  return sum;
}

std::optional<int> SmallInteger(const ExprNode& t) {
  if (!t.IsInteger()) return std::nullopt;
  const double v = t.coefficient().RealValue();
  if (std::fabs(v) > 1e6) return std::nullopt;
  return static_cast<int>(v);
}

}  // namespace

Number Bernoulli(int n) {
  static const std::vector<Number> table = [] {
    std::vector<Number> b{Number(1.0)};
    for (int m = 1; m <= kMaxPower; ++m) {
      Number sum;
      for (int j = 0; j < m; ++j) sum = Add(sum, Multiply(Binomial(m + 1, j), b[j]));
      b.push_back(Negate(Divide(sum, Number(static_cast<double>(m + 1)))));
    }
    b[1] = Negate(b[1]);  // the convention B_1 = +1/2 of Faulhaber's formula
    return b;
  }();
  return table.at(static_cast<std::size_t>(n));
}

std::optional<std::vector<ExprNode>> PolynomialCoefficients(const ExprNode& f,
                                                            std::u16string_view k) {
  const Number degree = Degree(f, k);
  if (!degree.IsInteger() || degree.RealValue() < 0 || degree.RealValue() > kMaxPower) {
    return std::nullopt;
  }
  std::vector<ExprNode> coefficients;
  ExprNode rebuilt = ExprNode::Zero();
  for (int j = 0; j <= static_cast<int>(degree.RealValue()); ++j) {
    ExprNode c = Coefficient(f, k, Number(static_cast<double>(j)));
    if (!FreeOf(c, k)) return std::nullopt;
    rebuilt =
        AddTrees(std::move(rebuilt), MultiplyTrees(c, VarPower(k, Number(static_cast<double>(j)))));
    coefficients.push_back(std::move(c));
  }
  const ExprNode rest = Expand(SubtractTrees(f, std::move(rebuilt)));
  if (!rest.IsNumber() || !rest.coefficient().IsZero()) return std::nullopt;
  return coefficients;
}

std::optional<ExprNode> PolynomialSum(const std::vector<ExprNode>& c, const Range& r) {
  if (r.infinite) {
    // Σ p(k) to ∞ diverges unless p = 0, with the sign of the leading coefficient.
    for (std::size_t j = c.size(); j-- > 0;) {
      if (c[j].IsNumber() && c[j].coefficient().IsZero()) continue;
      if (!c[j].IsRealNumber()) return std::nullopt;
      return Num(c[j].coefficient().RealValue() > 0 ? Number::PlusInfinity()
                                                    : Number::MinusInfinity());
    }
    return Num(0.0);
  }
  const ExprNode before = AddNumber(r.low, Number(-1.0));
  ExprNode sum = ExprNode::Zero();
  for (std::size_t j = 0; j < c.size(); ++j) {
    if (c[j].IsNumber() && c[j].coefficient().IsZero()) continue;
    const int power = static_cast<int>(j);
    ExprNode part = SubtractTrees(PowerSum(power, r.high), PowerSum(power, before));
    sum = AddTrees(std::move(sum), MultiplyTrees(c[j], std::move(part)));
  }
  ExprNode expanded = Expand(sum);
  if (Variables(expanded).empty()) return expanded;
  return Factor(expanded);
}

std::optional<ExprNode> PSeriesSum(const Number& p, const ExprNode& shift, const Range& r) {
  if (!r.infinite || !p.IsReal() || p.IsDecimal()) return std::nullopt;
  std::optional<int> low = SmallInteger(r.low);
  std::optional<int> m = SmallInteger(shift);
  if (!low || !m) return std::nullopt;
  // The first value of k + m; at or below 0 a term is undefined or the
  // series is no p-series.
  const int start = *low + *m;
  if (start < 1) return std::nullopt;
  if (p.RealValue() <= 1.0) return Num(Number::PlusInfinity());
  const double pv = p.RealValue();
  if (!p.IsInteger() || std::fmod(pv, 2.0) != 0.0 || pv > kMaxPower) return std::nullopt;
  if (start - 1 > kMaxLeadingTerms) return std::nullopt;
  // ζ(p) = |B_p|·2^(p−1)·π^p / p!
  const int n = static_cast<int>(pv);
  Number factor = Bernoulli(n);
  if (factor.LessThan(0)) factor = Negate(factor);
  factor = Multiply(factor, Number(std::ldexp(1.0, n - 1)));
  for (int i = 2; i <= n; ++i) factor = Divide(factor, Number(static_cast<double>(i)));
  ExprNode zeta = MultiplyNumber(VarPower(std::u16string(1, chars::kPi), p), factor);
  for (int i = 1; i < start; ++i) {
    zeta = AddNumber(std::move(zeta), Negate(Power(Number(static_cast<double>(i)), Negate(p))));
  }
  return zeta;
}

}  // namespace zentrix::engine::calculus::sums
