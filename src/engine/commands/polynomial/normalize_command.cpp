// Normalize on trees: the polynomial divided by its leading coefficient.

#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace poly {
namespace {

// The polynomial with the expression's variables first, in its own order.
ExprNode NormalizeList(const ExprNode& f) {
  ExprNode out(f.kind(), f.coefficient());
  for (const ExprNode& e : f.operands()) out.AddOperand(NormalizeTree(e));
  return out;
}

}  // namespace

ExprNode NormalizeTree(const ExprNode& f) {
  RaiseRewriteFlag();
  if (f.IsList()) return NormalizeList(f);
  const auto names = Variables(f);
  if (names.empty()) return f;
  AtomTable atoms(names);
  auto p = ToPoly(f, atoms);
  if (!p || p->IsZero()) return f;
  // The leading coefficient in the first variable, then in the next, ...
  Poly lead = *p;
  for (std::size_t v = 0; v < names.size(); ++v) {
    lead = lead.LeadingCoefficient(static_cast<int>(v));
  }
  if (lead.size() == 1) {
    std::vector<Exponent> e(lead.Exps(0), lead.Exps(0) + lead.nvars());
    for (Exponent& k : e) k = -k;
    Poly inverse(lead.nvars());
    const std::optional<ExactPoly> exact = ToExact(*p);
    if (exact) {
      // Exact coefficients are divided exactly (the leading one is among
      // them); the monomial only shifts the exponents.
      inverse.Append(e.data(), Number(1.0));
      const Rational scale = 1 / *ToRational(lead.Coeff(0));
      return FromPoly(FromExact(exact->Scaled(scale)) * inverse, atoms);
    }
    inverse.Append(e.data(), Divide(Number(1.0), lead.Coeff(0)));
    return FromPoly(*p * inverse, atoms);
  }
  // A leading coefficient of several terms (in π, e or functions).
  return ExpandTree(TreeMultiply(f, TreePower(FromPoly(lead, atoms), Number(-1.0))));
}

}  // namespace poly

ExprNode Normalize(const ExprNode& f) {
  return poly::GuardedOr(f, [&] { return poly::NormalizeTree(f); });
}

PolyCommandResult NormalizeCommand(const ExprNode& f) {
  return poly::Guarded([&] { return PolyCommandResult::Value(poly::NormalizeTree(f)); });
}

}  // namespace zentrix::engine
