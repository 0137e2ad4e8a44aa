#include "engine/commands/polynomial/exact_expansion.h"

#include <algorithm>
#include <vector>

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

// The parts of a sum are gathered and merged once, as ToPoly does, so that a
// long sum costs O(n log n) rather than one merge per part.
std::optional<ExactPoly> ExpandSum(const ExprNode& node, AtomTable& atoms, int depth) {
  std::vector<ExactPoly> parts;
  std::optional<ExactPoly> constant = Constant(node.coefficient(), atoms);
  if (!constant) return std::nullopt;
  parts.push_back(std::move(*constant));
  for (const SymbolTerm& t : node.terms()) {
    std::optional<ExactPoly> part = Leaf(ExprNode::MakeTerm(t), atoms);
    if (!part) return std::nullopt;
    parts.push_back(std::move(*part));
  }
  for (const ExprNode& op : node.operands()) {
    std::optional<ExactPoly> part = Expand(op, atoms, depth + 1);
    if (!part) return std::nullopt;
    parts.push_back(std::move(*part));
  }
  ExactPoly sum(atoms.size());
  for (ExactPoly& p : parts) {
    p.Widen(atoms.size());
    for (std::size_t i = 0; i < p.size(); ++i) sum.Append(p.Exps(i), p.Coeff(i));
  }
  sum.Normalize();
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
