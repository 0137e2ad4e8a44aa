// GCD and LCM on trees.

#include <cmath>

#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace poly {
namespace {

ExprNode GcdOfTwo(const ExprNode& a, const ExprNode& b) {
  if (a.IsNumber() && a.coefficient().IsZero()) return NormalizeTree(b);
  if (b.IsNumber() && b.coefficient().IsZero()) return NormalizeTree(a);
  if (a.IsNumber() && b.IsNumber()) {
    // The divisors of an integer beyond the exact range are unknown: it may
    // be a rounded value.
    for (const Number& n : {a.coefficient(), b.coefficient()}) {
      if (n.IsInteger() && !IsWithinExactRange(n)) throw ExactRangeExceeded();
    }
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

}  // namespace poly

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
