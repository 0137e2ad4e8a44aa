// Telescoping sums of rational functions: N(k)/D(k) with deg N < deg D and D
// a product of distinct linear factors k + s_i whose shifts differ by
// integers is Σ A_i/(k + s_i) with A_i = N(−s_i)/D'(−s_i). When Σ A_i = 0
// each 1/(k + s_i) cancels against 1/(k + s_min) but for finitely many terms:
//   Σ_{k=a}^{n} [1/(k + s + d) − 1/(k + s)] = Σ_{j=1}^{d} 1/(n + s + j) − Σ_{j=0}^{d−1} 1/(a + s +
//   j),
// and the first sum vanishes as n goes to infinity.

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/sum_closed_form_parts.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::calculus::sums {
namespace {

// The largest distance between two shifts.
constexpr double kMaxDistance = limits::kSumTelescopingDistance;

struct Fraction {
  Number weight;  // A_i
  Number shift;   // s_i
};

bool IsExactRational(const ExprNode& t) { return t.IsRealNumber() && !t.coefficient().IsDecimal(); }

// The shifts s_i of D = c·Π (k + s_i), from its factorisation; nothing when a
// factor is not linear or is repeated.
std::optional<std::vector<Number>> Shifts(const std::vector<ExprNode>& coefficients,
                                          std::u16string_view k) {
  const std::size_t degree = coefficients.size() - 1;
  // The factor k itself (shift 0) is taken out first.
  std::vector<Number> shifts;
  std::size_t zeros = 0;
  while (zeros < degree && coefficients[zeros].IsNumber() &&
         coefficients[zeros].coefficient().IsZero()) {
    ++zeros;
  }
  if (zeros > 1) return std::nullopt;
  if (zeros == 1) shifts.push_back(Number(0.0));
  ExprNode rest = ExprNode::Zero();
  for (std::size_t j = zeros; j <= degree; ++j) {
    rest = AddTrees(
        std::move(rest),
        MultiplyTrees(coefficients[j], VarPower(k, Number(static_cast<double>(j - zeros)))));
  }
  if (degree == zeros) return shifts;
  const ExprNode factored = Factor(rest);
  std::vector<ExprNode> parts;
  if (factored.IsProduct()) {
    for (const SymbolTerm& t : factored.terms()) {
      if (t.name != k || !t.exponent.IsOne()) return std::nullopt;
      parts.push_back(Var(k));
    }
    for (const ExprNode& op : factored.operands()) parts.push_back(op);
  } else {
    parts.push_back(factored);
  }
  for (const ExprNode& part : parts) {
    std::optional<std::vector<ExprNode>> c = PolynomialCoefficients(part, k);
    if (!c || c->size() != 2 || !IsExactRational((*c)[0]) || !IsExactRational((*c)[1])) {
      return std::nullopt;
    }
    shifts.push_back(Divide((*c)[0].coefficient(), (*c)[1].coefficient()));
  }
  if (shifts.size() != degree) return std::nullopt;
  return shifts;
}

ExprNode ReciprocalSum(const ExprNode& base, int from, int to) {
  ExprNode sum = ExprNode::Zero();
  for (int j = from; j <= to; ++j) {
    sum = AddTrees(std::move(sum), ReciprocalTree(AddNumber(base, Number(static_cast<double>(j)))));
  }
  return sum;
}

}  // namespace

std::optional<ExprNode> TelescopingSum(const ExprNode& f, std::u16string_view k, const Range& r) {
  engine::Fraction split = SplitFraction(Together(f));
  split.numerator = Expand(split.numerator);
  split.denominator = Expand(split.denominator);
  std::optional<std::vector<ExprNode>> n = PolynomialCoefficients(split.numerator, k);
  std::optional<std::vector<ExprNode>> d = PolynomialCoefficients(split.denominator, k);
  if (!n || !d || d->size() < 2 || n->size() >= d->size()) return std::nullopt;
  for (const std::vector<ExprNode>* c : {&*n, &*d}) {
    if (!std::all_of(c->begin(), c->end(), IsExactRational)) return std::nullopt;
  }
  std::optional<std::vector<Number>> shifts = Shifts(*d, k);
  if (!shifts) return std::nullopt;
  std::optional<ExprNode> slope = PolynomialDerivative(split.denominator, k);
  if (!slope) return std::nullopt;
  std::vector<Fraction> fractions;
  Number total;
  Number lowest = (*shifts)[0];
  for (const Number& s : *shifts) {
    const ExprNode at = Num(Negate(s));
    const ExprNode weight = DivideTrees(AtPoint(split.numerator, k, at), AtPoint(*slope, k, at));
    if (!IsExactRational(weight)) return std::nullopt;
    fractions.push_back(Fraction{weight.coefficient(), s});
    total = Add(total, weight.coefficient());
    if (s.LessThan(lowest)) lowest = s;
  }
  // A term undefined inside the range: k = −s_i at or above the lower bound.
  if (r.low.IsInteger()) {
    for (const Fraction& q : fractions) {
      const Number pole = Negate(q.shift);
      if (pole.IsInteger() && !pole.LessThan(r.low.coefficient())) return std::nullopt;
    }
  }
  if (!total.IsZero()) {
    // Σ A_i/(k + s_i) behaves as (Σ A_i)/k: harmonic, divergent.
    if (!r.infinite) return std::nullopt;
    return Num(total.RealValue() > 0 ? Number::PlusInfinity() : Number::MinusInfinity());
  }
  const ExprNode low_base = AddNumber(r.low, lowest);
  ExprNode sum = ExprNode::Zero();
  for (const Fraction& q : fractions) {
    const double distance = Subtract(q.shift, lowest).RealValue();
    if (!Subtract(q.shift, lowest).IsInteger() || distance > kMaxDistance) return std::nullopt;
    const int dist = static_cast<int>(distance);
    if (dist == 0) continue;
    ExprNode part = NegateTree(ReciprocalSum(low_base, 0, dist - 1));
    if (!r.infinite)
      part = AddTrees(ReciprocalSum(AddNumber(r.high, lowest), 1, dist), std::move(part));
    sum = AddTrees(std::move(sum), MultiplyNumber(std::move(part), q.weight));
  }
  return Expand(sum);
}

}  // namespace zentrix::engine::calculus::sums
