#include "engine/commands/polynomial/exact_expansion.h"

#include <algorithm>

namespace zentrix::engine::poly {
namespace {

std::optional<ExactPoly> Leaf(const ExprNode& node, AtomTable& atoms) {
  std::optional<Poly> p = ToPoly(node, atoms);
  if (!p) return std::nullopt;
  return ToExact(*p);
}

std::optional<ExactPoly> Constant(const Number& c, AtomTable& atoms) {
  std::optional<Rational> q = ToRational(c);
  if (!q) return std::nullopt;
  return ExactPoly::Constant(atoms.size(), *q);
}

std::optional<ExactPoly> Expand(const ExprNode& node, AtomTable& atoms, int depth);

std::optional<ExactPoly> ExpandSum(const ExprNode& node, AtomTable& atoms, int depth) {
  std::optional<ExactPoly> sum = Constant(node.coefficient(), atoms);
  if (!sum) return std::nullopt;
  auto add = [&](std::optional<ExactPoly> part) {
    if (!part) return false;
    MatchVariables(*sum, *part);
    *sum = *sum + *part;
    return true;
  };
  for (const SymbolTerm& t : node.terms()) {
    if (!add(Leaf(ExprNode::MakeTerm(t), atoms))) return std::nullopt;
  }
  for (const ExprNode& op : node.operands()) {
    if (!add(Expand(op, atoms, depth + 1))) return std::nullopt;
  }
  return sum;
}

std::optional<ExactPoly> ExpandProduct(const ExprNode& node, AtomTable& atoms, int depth) {
  std::optional<ExactPoly> product = Constant(node.coefficient(), atoms);
  if (!product) return std::nullopt;
  auto times = [&](std::optional<ExactPoly> factor) {
    if (!factor) return false;
    MatchVariables(*product, *factor);
    *product = *product * *factor;
    return true;
  };
  for (const SymbolTerm& t : node.terms()) {
    if (!times(Leaf(ExprNode::MakeTerm(t), atoms))) return std::nullopt;
  }
  for (const ExprNode& op : node.operands()) {
    if (!times(Expand(op, atoms, depth + 1))) return std::nullopt;
  }
  return product;
}

std::optional<ExactPoly> Expand(const ExprNode& node, AtomTable& atoms, int depth) {
  if (depth > kMaxTreeDepth || node.IsList()) return std::nullopt;
  if (node.IsEmpty()) return Constant(node.coefficient(), atoms);
  if (node.IsProduct()) return ExpandProduct(node, atoms, depth);
  if (node.IsSum() && !node.IsSingleTerm()) return ExpandSum(node, atoms, depth);
  const Number& e = node.coefficient();
  if (node.IsOperandPower() && e.IsInteger() && e.GreaterThan(0) && e.RealValue() <= 1e4) {
    std::optional<ExactPoly> base = Expand(node.Operand(0), atoms, depth + 1);
    if (!base) return std::nullopt;
    return base->Power(static_cast<int>(e.RealValue()));
  }
  return Leaf(node, atoms);
}

}  // namespace

std::optional<ExactPoly> ExactExpansion(const ExprNode& node, AtomTable& atoms) {
  std::optional<ExactPoly> p = Expand(node, atoms, 0);
  if (p) p->Widen(atoms.size());
  return p;
}

void MatchVariables(ExactPoly& a, ExactPoly& b) {
  const int n = std::max(a.nvars(), b.nvars());
  a.Widen(n);
  b.Widen(n);
}

}  // namespace zentrix::engine::poly
