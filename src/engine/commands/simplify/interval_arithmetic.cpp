#include "engine/commands/simplify/interval_arithmetic.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine {
namespace {

// A bound: its tree and its real value.
struct Bound {
  ExprNode tree;
  double value = 0.0;
};

std::optional<double> RealValueOf(const ExprNode& tree) {
  const ExprNode number = tree.IsEmpty() ? tree : Approximate(tree);
  if (!number.IsEmpty()) return std::nullopt;
  const Number& n = number.coefficient();
  if (n.IsInfinity()) {
    return n.RealNumerator() > 0 ? std::numeric_limits<double>::infinity()
                                 : -std::numeric_limits<double>::infinity();
  }
  if (!n.IsFinite() || !n.IsReal()) return std::nullopt;
  return n.RealValue();
}

// The two bounds of an interval, or a real constant as both bounds.
std::optional<std::array<Bound, 2>> BoundsOf(const ExprNode& tree) {
  if (tree.IsList() && !tree.IsInterval()) return std::nullopt;
  if (!tree.IsInterval()) {
    std::optional<double> v = RealValueOf(tree);
    if (!v) return std::nullopt;
    return std::array<Bound, 2>{Bound{tree, *v}, Bound{tree, *v}};
  }
  std::optional<double> low = RealValueOf(tree.Operand(0));
  std::optional<double> high = RealValueOf(tree.Operand(1));
  if (!low || !high) return std::nullopt;
  return std::array<Bound, 2>{Bound{tree.Operand(0), *low}, Bound{tree.Operand(1), *high}};
}

ExprNode MakeIntervalOf(ExprNode low, ExprNode high) {
  ExprNode interval(NodeKind::kInterval, Number());
  interval.AddOperand(std::move(low));
  interval.AddOperand(std::move(high));
  return interval;
}

// A product of two bounds; a zero bound times an infinite one is zero.
Bound Times(const Bound& a, const Bound& b) {
  if (a.value == 0.0 || b.value == 0.0) return Bound{ExprNode::Zero(), 0.0};
  return Bound{MultiplyTrees(a.tree, b.tree), a.value * b.value};
}

}  // namespace

std::optional<ExprNode> IntervalProduct(const ExprNode& a, const ExprNode& b) {
  if (!a.IsInterval() && !b.IsInterval()) return std::nullopt;
  auto x = BoundsOf(a);
  auto y = BoundsOf(b);
  if (!x || !y) return std::nullopt;
  std::array<Bound, 4> candidates{Times((*x)[0], (*y)[0]), Times((*x)[0], (*y)[1]),
                                  Times((*x)[1], (*y)[0]), Times((*x)[1], (*y)[1])};
  std::size_t low = 0, high = 0;
  for (std::size_t i = 1; i < candidates.size(); ++i) {
    if (candidates[i].value < candidates[low].value) low = i;
    if (candidates[i].value > candidates[high].value) high = i;
  }
  return MakeIntervalOf(std::move(candidates[low].tree), std::move(candidates[high].tree));
}

std::optional<ExprNode> IntervalPower(const ExprNode& base, const Number& n) {
  if (!base.IsInterval() || !n.IsInteger() || n.IsZero()) return std::nullopt;
  auto bounds = BoundsOf(base);
  if (!bounds) return std::nullopt;
  const Bound& low = (*bounds)[0];
  const Bound& high = (*bounds)[1];
  const double e = n.RealValue();
  const bool zero_inside = low.value <= 0 && high.value >= 0;
  if (zero_inside && e < 0) {
    // A reciprocal power near zero is unbounded on both sides.
    return MakeIntervalOf(ExprNode::MakeNumber(Number::MinusInfinity()),
                          ExprNode::MakeNumber(Number::PlusInfinity()));
  }
  if (zero_inside && std::fmod(e, 2.0) == 0.0) {
    const Bound& far = std::fabs(low.value) > std::fabs(high.value) ? low : high;
    return MakeIntervalOf(ExprNode::Zero(), PowerNumber(far.tree, n));
  }
  // Elsewhere the power is monotonic: its bounds are the powers of the bounds.
  Bound a{PowerNumber(low.tree, n), std::pow(low.value, e)};
  Bound b{PowerNumber(high.tree, n), std::pow(high.value, e)};
  if (a.value > b.value) std::swap(a, b);
  return MakeIntervalOf(std::move(a.tree), std::move(b.tree));
}

}  // namespace zentrix::engine
