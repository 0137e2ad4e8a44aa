#include <algorithm>
#include <cmath>

#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace poly {

std::vector<std::u16string> JointVariables(const ExprNode& a, const ExprNode& b) {
  std::vector<std::u16string> names = Variables(a);
  for (auto& name : Variables(b)) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

ExprNode ExpandTree(const ExprNode& f) {
  RaiseRewriteFlag();
  if (f.IsList()) {
    ExprNode out(f.kind(), f.coefficient());
    for (const ExprNode& e : f.operands()) out.AddOperand(ExpandTree(e));
    return out;
  }
  if (f.IsEmpty() || f.IsSingleTerm()) return f;
  AtomTable atoms;
  auto p = ToPoly(f, atoms);
  if (!p) return f;
  return FromPoly(*p, atoms);
}

}  // namespace poly

ExprNode Expand(const ExprNode& f) {
  return poly::GuardedOr(f, [&] { return poly::ExpandTree(f); });
}

PolyCommandResult ExpandCommand(const ExprNode& f) {
  return poly::Guarded([&] { return PolyCommandResult::Value(poly::ExpandTree(f)); });
}

std::optional<ExprNode> PolynomialDerivative(const ExprNode& f, std::u16string_view variable) {
  poly::ScopedWorkAllowance allowance;
  try {
    poly::AtomTable atoms(std::vector<std::u16string>{std::u16string(variable)});
    auto p = poly::ToPolynomial(f, atoms);
    if (!p) return std::nullopt;
    return poly::FromPoly(p->Derivative(0), atoms);
  } catch (const poly::PolyTooLarge&) {
    return std::nullopt;
  }
}

std::optional<Number> Factorial(const Number& x) {
  constexpr double kSqrtPi = 1.772453850905516;
  if (!x.IsReal()) return std::nullopt;
  const double v = x.RealValue();
  if (v == 0.0) return Number(1.0);
  if (v == -0.5) return Number(kSqrtPi);
  if (v < 0) return std::nullopt;
  if (x.IsInteger()) {
    // Beyond 170! the product leaves the binary64 range anyway.
    if (v > 170) return Number::PlusInfinity();
    double product = 1.0;
    for (double k = 2; k <= v; ++k) product *= k;
    return Number(product);
  }
  const double twice = 2 * v;
  if (twice != std::trunc(twice)) return std::nullopt;
  if (v > 171) return Number::PlusInfinity();
  double product = kSqrtPi;
  for (double k = 0.5; k <= v; ++k) product *= k;
  return Number(product);
}

}  // namespace zentrix::engine
