// Degree, Coefficient, Operand and Lagrange: reading parts of trees and the
// interpolating polynomial.

#include <algorithm>

#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

void MaxDegree(const ExprNode& f, std::u16string_view x, bool* found, Number* best, int depth) {
  if (f.IsAnyFunction() || depth > limits::kTreeDepth) return;
  for (const SymbolTerm& t : f.terms()) {
    if (t.name != x) continue;
    if (!*found || t.exponent.GreaterThan(*best)) *best = t.exponent;
    *found = true;
  }
  for (const ExprNode& op : f.operands()) MaxDegree(op, x, found, best, depth + 1);
}

bool ContainsSymbol(const ExprNode& f, std::u16string_view x) {
  const auto names = Variables(f);
  return std::find(names.begin(), names.end(), x) != names.end();
}

// The x^n factor of a product, or -1.
int FindPower(const ExprNode& product, std::u16string_view x, const Number& n) {
  for (std::size_t i = 0; i < product.TermCount(); ++i) {
    const SymbolTerm& t = product.Term(i);
    if (t.name == x && t.exponent.EqualsValue(n)) return static_cast<int>(i);
  }
  return -1;
}

// The coefficient contributed by one product (an operand of a sum, or the
// whole expression).
std::optional<ExprNode> ProductCoefficient(const ExprNode& product, std::u16string_view x,
                                           const Number& n) {
  if (n.IsZero()) {
    if (ContainsSymbol(product, x)) return std::nullopt;
    return product;
  }
  const int at = FindPower(product, x, n);
  if (at < 0) return std::nullopt;
  ExprNode rest = product;
  rest.mutable_terms().erase(rest.mutable_terms().begin() + at);
  CanonicalizeNode(rest);
  if (rest.IsPlain()) return ExprNode::MakeNumber(rest.coefficient());
  return rest;
}

ExprNode TermNode(const SymbolTerm& t) { return ExprNode::MakeTerm(t); }

PolyCommandResult OutOfRange() {
  return PolyCommandResult::Fail(EngineError::kBadSyntax, u"Parameter 2 is out of range");
}

}  // namespace

Number Degree(const ExprNode& f, std::u16string_view variable) {
  bool found = false;
  Number best;
  MaxDegree(f, variable, &found, &best, 0);
  return found ? best : Number();
}

ExprNode Coefficient(const ExprNode& f, std::u16string_view x, const Number& n) {
  if (f.IsProduct()) return ProductCoefficient(f, x, n).value_or(ExprNode::Zero());
  if (!f.IsSum()) {
    return n.IsZero() && !ContainsSymbol(f, x) ? f : ExprNode::Zero();
  }
  ExprNode sum = ExprNode::MakeNumber(n.IsZero() ? f.coefficient() : Number());
  for (const SymbolTerm& t : f.terms()) {
    if (n.IsZero()) {
      if (t.name != x) sum = poly::TreeAdd(sum, TermNode(t));
    } else if (t.name == x && t.exponent.EqualsValue(n)) {
      sum = poly::TreeAdd(sum, ExprNode::MakeNumber(t.coefficient));
    }
  }
  for (const ExprNode& op : f.operands()) {
    std::optional<ExprNode> part;
    if (op.IsProduct()) {
      part = ProductCoefficient(op, x, n);
    } else if (n.IsZero() && !ContainsSymbol(op, x)) {
      part = op;
    }
    if (part) sum = poly::TreeAdd(sum, *part);
  }
  return sum;
}

PolyCommandResult DegreeCommand(const ExprNode& f, std::u16string_view variable) {
  RaiseRewriteFlag();
  return PolyCommandResult::Value(ExprNode::MakeNumber(Degree(f, variable)));
}

PolyCommandResult CoefficientCommand(const ExprNode& f, std::u16string_view variable,
                                     const Number& n) {
  RaiseRewriteFlag();
  return PolyCommandResult::Value(Coefficient(f, variable, n));
}

PolyCommandResult OperandCommand(const ExprNode& f, const Number& k) {
  if (!k.IsInteger() || k.LessThan(1)) return OutOfRange();
  std::size_t index = static_cast<std::size_t>(k.RealValue()) - 1;
  if (f.IsList()) {
    if (index >= f.OperandCount()) return OutOfRange();
    return PolyCommandResult::Value(f.Operand(index));
  }
  // Parts in the order they are written: a sum's terms, its constant, its
  // other operands; a product's coefficient, its factors, its operands.
  std::vector<ExprNode> parts;
  if (f.IsSum() && !f.IsPlain()) {
    for (const SymbolTerm& t : f.terms()) parts.push_back(TermNode(t));
    if (!f.coefficient().IsZero()) parts.push_back(ExprNode::MakeNumber(f.coefficient()));
    for (const ExprNode& op : f.operands()) parts.push_back(op);
  } else if (f.IsProduct()) {
    if (!f.coefficient().IsOne()) parts.push_back(ExprNode::MakeNumber(f.coefficient()));
    for (const SymbolTerm& t : f.terms()) {
      parts.push_back(TermNode(SymbolTerm{t.name, Number(1.0), t.exponent}));
    }
    for (const ExprNode& op : f.operands()) parts.push_back(op);
  } else {
    parts.push_back(f);
  }
  if (index >= parts.size()) return OutOfRange();
  return PolyCommandResult::Value(std::move(parts[index]));
}

PolyCommandResult LagrangeCommand(const ExprNode& points, const ExprNode& variable) {
  if (!points.IsList() || !variable.IsVariable()) {
    return PolyCommandResult::Fail(EngineError::kBadSyntax);
  }
  for (const ExprNode& y : points.operands()) {
    if (!y.IsNumber()) return PolyCommandResult::Fail(EngineError::kBadSyntax);
  }
  return poly::Guarded([&]() -> PolyCommandResult {
    RaiseRewriteFlag();
    const int n = static_cast<int>(points.OperandCount());
    poly::ChargeWork(static_cast<std::int64_t>(n) * n);
    // Newton's divided differences on the nodes 0..n-1: the same polynomial
    // as the Lagrange sum, in O(n^2).
    std::vector<Number> dd;
    for (const ExprNode& y : points.operands()) dd.push_back(y.coefficient());
    for (int j = 1; j < n; ++j) {
      for (int i = n - 1; i >= j; --i) {
        dd[i] = Divide(Subtract(dd[i], dd[i - 1]), Number(static_cast<double>(j)));
      }
    }
    poly::AtomTable atoms(std::vector<std::u16string>{std::u16string(variable.VariableName())});
    poly::Poly p(1);
    const poly::Poly x = poly::Poly::Monomial(1, Number(1.0), 0, 1);
    for (int k = n - 1; k >= 0; --k) {
      p = p * (x - poly::Poly::Constant(1, Number(static_cast<double>(k)))) +
          poly::Poly::Constant(1, dd[k]);
    }
    return PolyCommandResult::Value(poly::FromPoly(p, atoms));
  });
}

}  // namespace zentrix::engine
