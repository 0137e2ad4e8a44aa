#pragma once
// Test helpers for the polynomial commands: building canonical polynomial
// trees, numeric evaluation of trees and random integer polynomials.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>

#include "engine/commands/polynomial/poly.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::poly::testkit {

// Polynomials over the variables x, y, z (indices 0, 1, 2).
inline AtomTable Xyz() { return AtomTable({u"x", u"y", u"z"}); }

inline Poly Var(int v, int e = 1, double c = 1.0) { return Poly::Monomial(3, Number(c), v, e); }
inline Poly Const(double c) { return Poly::Constant(3, Number(c)); }

inline ExprNode Tree(const Poly& p) { return FromPoly(p, Xyz()); }

// The polynomial over x, y, z of a tree that must convert (a failure when it
// does not, and zero then).
inline Poly AsPoly(const ExprNode& tree) {
  AtomTable atoms = Xyz();
  auto p = ToPolynomial(tree, atoms);
  EXPECT_TRUE(p.has_value());
  if (p) p->Widen(3);
  return p.value_or(Poly(3));
}

// base^n as an operand power node.
inline ExprNode PowerNode(const ExprNode& base, double n) {
  ExprNode p = ExprNode::MakePower(Number(n));
  p.AddOperand(base);
  return p;
}

// A product node of the given operands.
inline ExprNode ProductNode(std::initializer_list<ExprNode> factors) {
  ExprNode p = ExprNode::MakeProduct(Number(1.0));
  for (const ExprNode& f : factors) p.AddOperand(f);
  return p;
}

// The value of a tree of sums, products, powers and symbol terms.
inline double Evaluate(const ExprNode& n, const std::map<std::u16string, double>& at) {
  auto term = [&](const SymbolTerm& t) {
    return t.coefficient.RealValue() * std::pow(at.at(t.name), t.exponent.RealValue());
  };
  switch (n.kind()) {
    case NodeKind::kSum: {
      double v = n.coefficient().RealValue();
      for (const auto& t : n.terms()) v += term(t);
      for (const auto& op : n.operands()) v += Evaluate(op, at);
      return v;
    }
    case NodeKind::kProduct: {
      double v = n.coefficient().RealValue();
      for (const auto& t : n.terms()) v *= term(t);
      for (const auto& op : n.operands()) v *= Evaluate(op, at);
      return v;
    }
    case NodeKind::kPower: return std::pow(Evaluate(n.Operand(0), at), n.coefficient().RealValue());
    default: return NAN;
  }
}

// A random polynomial in the first `nvars` variables with small integer
// coefficients.
inline Poly RandomPoly(std::mt19937& rng, int nvars, int max_degree, int max_terms) {
  std::uniform_int_distribution<int> coeff(-5, 5), degree(0, max_degree), count(1, max_terms);
  Poly p(3);
  const int terms = count(rng);
  for (int i = 0; i < terms; ++i) {
    Exponent e[3] = {0, 0, 0};
    for (int v = 0; v < nvars; ++v) e[v] = degree(rng);
    p.Append(e, Number(static_cast<double>(coeff(rng))));
  }
  p.Normalize();
  return p;
}

inline bool Near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

}  // namespace zentrix::engine::poly::testkit
