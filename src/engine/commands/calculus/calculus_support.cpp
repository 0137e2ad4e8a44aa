#include "engine/commands/calculus/calculus_support.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/calculus/derivative.h"
#include "engine/commands/numeric/adaptive_quadrature.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::calculus {

bool FreeOf(const ExprNode& f, std::u16string_view x) {
  std::vector<const ExprNode*> pending{&f};
  while (!pending.empty()) {
    const ExprNode* n = pending.back();
    pending.pop_back();
    for (const SymbolTerm& t : n->terms()) {
      if (t.name == x) return false;
    }
    for (const ExprNode& op : n->operands()) pending.push_back(&op);
  }
  return true;
}

ExprNode Num(const Number& n) { return ExprNode::MakeNumber(n); }

ExprNode Var(std::u16string_view x) { return ExprNode::MakeSymbol(x); }

ExprNode VarPower(std::u16string_view x, const Number& e) {
  return MakeTermNode(std::u16string(x), Number(1.0), e);
}

ExprNode Ln(ExprNode u) {
  if (u.IsVariableNamed(std::u16string(1, chars::kEulerE))) return Num(1.0);
  return ApplyFunction(command_id::kLn, std::move(u));
}

ExprNode Apply(int id, ExprNode u) {
  if (id == command_id::kSqrt) return SquareRootTree(std::move(u));
  if (id == command_id::kLn) return Ln(std::move(u));
  return ApplyFunction(id, std::move(u));
}

std::size_t TreeSize(const ExprNode& f, std::size_t limit) {
  std::size_t size = 0;
  std::vector<const ExprNode*> pending{&f};
  while (!pending.empty() && size <= limit) {
    const ExprNode* n = pending.back();
    pending.pop_back();
    size += 1 + n->TermCount();
    for (const ExprNode& op : n->operands()) pending.push_back(&op);
  }
  // Callers measure growing results once per step: the budget must see it.
  CountWork(size);
  return size;
}

namespace {

// A numeric factor that scales with the whole expression: the coefficient of a
// product, of the first term or operand of a sum, or the number itself.
Number LeadingFactor(const ExprNode& e) {
  if (e.IsEmpty()) return e.coefficient();
  if (e.IsProduct()) return e.coefficient();
  if (e.IsSum()) {
    if (e.TermCount() > 0) return e.Term(0).coefficient;
    if (e.OperandCount() > 0) return LeadingFactor(e.Operand(0));
    return e.coefficient();
  }
  if (e.IsAnyFunction()) return e.coefficient();
  return Number(1.0);
}

}  // namespace

std::optional<Number> NumericRatio(const ExprNode& a, const ExprNode& b) {
  if (a == b) return Number(1.0);
  ExprNode ea = Expand(a);
  ExprNode eb = Expand(b);
  if (ea == eb) return Number(1.0);
  const Number fa = LeadingFactor(ea);
  const Number fb = LeadingFactor(eb);
  if (!fa.IsFinite() || !fb.IsFinite() || fa.IsZero() || fb.IsZero()) return std::nullopt;
  const Number k = Divide(fa, fb);
  if (!k.IsFinite() || k.IsZero()) return std::nullopt;
  if (Expand(MultiplyNumber(eb, k)) == ea) return k;
  return std::nullopt;
}

std::optional<LinearParts> AsLinear(const ExprNode& u, std::u16string_view x) {
  std::optional<ExprNode> a = Differentiate(u, x);
  if (!a || !FreeOf(*a, x) || (a->IsNumber() && a->coefficient().IsZero())) return std::nullopt;
  if (HasUndefinedPart(*a)) return std::nullopt;
  ExprNode b = Expand(SubtractTrees(u, MultiplyTrees(*a, Var(x))));
  if (!FreeOf(b, x)) return std::nullopt;
  return LinearParts{std::move(*a), std::move(b)};
}

ExprNode AtPoint(const ExprNode& f, std::u16string_view x, const ExprNode& value) {
  return Substitute(f, {Binding{std::u16string(x), value}});
}

std::optional<Number> NumericValueAt(const ExprNode& f, std::u16string_view x, double t) {
  ExprNode v = Approximate(AtPoint(f, x, Num(t)));
  if (!v.IsNumber()) return std::nullopt;
  const Number& n = v.coefficient();
  if (n.HasNonFiniteField()) return std::nullopt;
  return n;
}

std::optional<double> RealApproximation(const ExprNode& v) {
  ExprNode a = Approximate(v);
  if (!a.IsNumber() || !a.coefficient().IsReal()) return std::nullopt;
  const double d = a.coefficient().RealValue();
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

std::optional<double> BoundValue(const ExprNode& bound) {
  if (bound.IsPlusInfinity()) return std::numeric_limits<double>::infinity();
  if (bound.IsMinusInfinity()) return -std::numeric_limits<double>::infinity();
  if (bound.IsList() || !Variables(bound).empty()) return std::nullopt;
  return RealApproximation(bound);
}

std::optional<double> NumericIntegral(const ExprNode& f, std::u16string_view x, const ExprNode& a,
                                      const ExprNode& b, double relative) {
  std::optional<double> lo = BoundValue(a);
  std::optional<double> hi = BoundValue(b);
  if (!lo || !hi) return std::nullopt;
  std::optional<QuadratureResult> r = AdaptiveIntegrate(
      *lo, *hi,
      [&](double t) -> std::optional<double> {
        if (HasCommandFault()) return std::nullopt;
        std::optional<Number> v = NumericValueAt(f, x, t);
        if (!v || !v->IsReal()) return std::nullopt;
        return v->RealValue();
      },
      QuadratureGoal{relative, relative * 1e-3});
  if (!r || HasCommandFault()) return std::nullopt;
  return r->value;
}

bool IsInfiniteValue(const ExprNode& v) { return v.IsPlain() && v.coefficient().IsInfinity(); }

bool HasUndefinedPart(const ExprNode& v) {
  if (v.IsList()) {
    for (const ExprNode& element : v.operands()) {
      if (HasUndefinedPart(element)) return true;
    }
    return false;
  }
  if (v.IsPlain()) {
    const Number& c = v.coefficient();
    return c.IsIndeterminate() || c.IsComplexInfinity() || c.HasNonFiniteField();
  }
  std::vector<const ExprNode*> pending{&v};
  while (!pending.empty()) {
    const ExprNode* n = pending.back();
    pending.pop_back();
    if (!n->IsList() && !n->coefficient().IsFinite()) return true;
    for (const SymbolTerm& t : n->terms()) {
      if (!t.coefficient.IsFinite() || !t.exponent.IsFinite()) return true;
    }
    for (const ExprNode& op : n->operands()) pending.push_back(&op);
  }
  return false;
}

}  // namespace zentrix::engine::calculus
