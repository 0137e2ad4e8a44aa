// GCD, LCM and Normalize on trees.

#include <cmath>

#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_gcd.h"
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

ExprNode GcdOfTwo(const ExprNode& a, const ExprNode& b) {
  if (a.IsNumber() && a.coefficient().IsZero()) return NormalizeTree(b);
  if (b.IsNumber() && b.coefficient().IsZero()) return NormalizeTree(a);
  if (a.IsNumber() && b.IsNumber()) {
    return ExprNode::MakeNumber(NumericGcd(a.coefficient(), b.coefficient()));
  }
  AtomTable atoms(JointVariables(a, b));
  auto pa = ToPolynomial(a, atoms);
  auto pb = ToPolynomial(b, atoms);
  if (!pa || !pb) return ExprNode::MakeNumber(Number(1.0));
  pa->Widen(atoms.size());
  pb->Widen(atoms.size());
  const Poly g = PolyGcd(*pa, *pb, 0);
  ExprNode tree = FromPoly(g, atoms);
  if (Variables(tree).empty()) {
    // A gcd free of variables is a number (or a polynomial in π and e).
    if (tree.IsNumber()) {
      return ExprNode::MakeNumber(Number(std::fabs(tree.coefficient().RealValue())));
    }
    return tree;
  }
  return NormalizeTree(tree);
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

ExprNode PolyGcd(const ExprNode& a, const ExprNode& b) {
  return poly::GuardedOr(ExprNode::MakeNumber(Number(1.0)), [&] {
    RaiseRewriteFlag();
    return poly::GcdOfTwo(a, b);
  });
}

PolyCommandResult GcdCommand(const std::vector<ExprNode>& arguments) {
  return poly::Guarded([&]() -> PolyCommandResult {
    if (arguments.size() < 2) return PolyCommandResult::Fail(EngineError::kBadSyntax);
    RaiseRewriteFlag();
    ExprNode g = arguments[0];
    for (std::size_t i = 1; i < arguments.size(); ++i) g = poly::GcdOfTwo(g, arguments[i]);
    return PolyCommandResult::Value(std::move(g));
  });
}

PolyCommandResult LcmCommand(const ExprNode& a, const ExprNode& b) {
  if (!a.IsNumber() || !b.IsNumber()) return PolyCommandResult::Fail(EngineError::kBadSyntax);
  const double x = a.coefficient().RealValue();
  const double y = b.coefficient().RealValue();
  const double g = NumberGcd(x, y);
  if (g == 0.0) return PolyCommandResult::Value(ExprNode::MakeNumber(Number(0.0)));
  return PolyCommandResult::Value(ExprNode::MakeNumber(Number(std::fabs(x * y) / g)));
}

}  // namespace zentrix::engine
