// The order and form of a list of roots, and the numeric check of a root
// against the equation it came from.

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine::solve {
namespace {

struct Value {
  double re;
  double im;
};

std::optional<Value> NumericValue(const ExprNode& tree) {
  const ExprNode value = Approximate(tree);
  if (!value.IsNumber() || !value.coefficient().IsFinite()) return std::nullopt;
  const Number& n = value.coefficient();
  if (n.HasNonFiniteField()) return std::nullopt;
  return Value{n.RealValue(), n.ImagValue()};
}

// Real values before complex ones; then by real part, then imaginary part.
bool NumericallyBefore(const Value& a, const Value& b) {
  const bool a_real = a.im == 0.0;
  const bool b_real = b.im == 0.0;
  if (a_real != b_real) return a_real;
  if (a.re != b.re) return a.re < b.re;
  return a.im < b.im;
}

}  // namespace

std::vector<ExprNode> RootsOf(ExprNode answer) {
  std::vector<ExprNode> roots;
  if (answer.IsList()) {
    for (ExprNode& r : answer.mutable_operands()) roots.push_back(std::move(r));
  } else {
    roots.push_back(std::move(answer));
  }
  return roots;
}

ExprNode RootList(std::vector<ExprNode> roots) {
  std::vector<ExprNode> distinct;
  for (ExprNode& r : roots) {
    const bool seen = std::any_of(distinct.begin(), distinct.end(), [&](const ExprNode& d) {
      return d == r ||
             (d.IsNumber() && r.IsNumber() && d.coefficient().EqualsValue(r.coefficient()));
    });
    if (!seen) distinct.push_back(std::move(r));
  }
  // Only a list whose every root has a numeric value is reordered.
  std::vector<std::pair<Value, ExprNode>> keyed;
  bool numeric = true;
  for (ExprNode& r : distinct) {
    std::optional<Value> v = NumericValue(r);
    if (!v) {
      numeric = false;
      break;
    }
    keyed.emplace_back(*v, r);
  }
  if (numeric) {
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
      return NumericallyBefore(a.first, b.first);
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) distinct[i] = std::move(keyed[i].second);
  }
  if (distinct.size() == 1) return std::move(distinct[0]);
  ExprNode list = ExprNode::MakeList();
  for (ExprNode& r : distinct) list.AddOperand(std::move(r));
  return list;
}

RootCheck CheckRoot(const ExprNode& lhs, const ExprNode& rhs, std::u16string_view x,
                    const ExprNode& root) {
  const std::vector<Binding> at{{std::u16string(x), root}};
  const ExprNode left = Approximate(Substitute(lhs, at));
  const ExprNode right = Approximate(Substitute(rhs, at));
  if (!left.IsNumber() || !right.IsNumber()) {
    // A side that became infinite or undefined at the root: no root.
    if (left.IsEmpty() || right.IsEmpty()) return RootCheck::kFails;
    return RootCheck::kUnknown;
  }
  const Number& l = left.coefficient();
  const Number& r = right.coefficient();
  if (l.HasNonFiniteField() || r.HasNonFiniteField()) return RootCheck::kFails;
  const double dre = l.RealValue() - r.RealValue();
  const double dim = l.ImagValue() - r.ImagValue();
  const double scale =
      1.0 + std::hypot(l.RealValue(), l.ImagValue()) + std::hypot(r.RealValue(), r.ImagValue());
  return std::hypot(dre, dim) <= 1e-9 * scale ? RootCheck::kHolds : RootCheck::kFails;
}

}  // namespace zentrix::engine::solve
