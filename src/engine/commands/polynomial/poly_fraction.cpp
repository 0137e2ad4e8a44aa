// The numerator/denominator split of a tree, and Together.

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/polynomial/exact_expansion.h"
#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using poly::AtomTable;
using poly::ExactExpansion;
using poly::ExactPoly;
using poly::Rational;

ExprNode One() { return ExprNode::MakeNumber(Number(1.0)); }
bool IsOne(const ExprNode& f) { return f.IsNumber() && f.coefficient().IsOne(); }

Fraction SplitNumber(const Number& c) {
  if (c.IsFraction()) {
    return {ExprNode::MakeNumber(Number(c.RealNumerator())),
            ExprNode::MakeNumber(Number(c.RealDenominator()))};
  }
  return {ExprNode::MakeNumber(c), One()};
}

ExprNode Apply(int function, const ExprNode& argument) {
  return ExprNode::MakeFunction(function, argument);
}

// tan, cot and the reciprocal functions as quotients of sin, cos, sinh, cosh, tanh.
std::optional<Fraction> SplitFunction(const ExprNode& f) {
  if (!f.IsUnaryFunction()) return std::nullopt;
  const ExprNode& u = f.Operand(0);
  const ElementaryFacts* facts = FindElementaryFacts(f.FunctionId());
  if (facts == nullptr || facts->quotient_denominator == kNoFunction) return std::nullopt;
  Fraction out;
  out.numerator =
      facts->quotient_numerator == kNoFunction ? One() : Apply(facts->quotient_numerator, u);
  out.denominator = Apply(facts->quotient_denominator, u);
  if (!f.coefficient().IsOne()) {
    Fraction c = SplitNumber(f.coefficient());
    out.numerator = poly::TreeMultiply(c.numerator, out.numerator);
    out.denominator = poly::TreeMultiply(c.denominator, out.denominator);
  }
  return out;
}

Fraction Split(const ExprNode& f, int depth);

Fraction SplitProduct(const ExprNode& f, int depth) {
  Fraction number = SplitNumber(f.coefficient());
  std::vector<ExprNode> numerator{std::move(number.numerator)};
  std::vector<ExprNode> denominator{std::move(number.denominator)};
  for (const SymbolTerm& t : f.terms()) {
    if (t.exponent.LessThan(0)) {
      denominator.push_back(
          ExprNode::MakeTerm(SymbolTerm{t.name, Number(1.0), Negate(t.exponent)}));
    } else {
      numerator.push_back(ExprNode::MakeTerm(t));
    }
  }
  for (const ExprNode& op : f.operands()) {
    Fraction part = Split(op, depth + 1);
    numerator.push_back(std::move(part.numerator));
    denominator.push_back(std::move(part.denominator));
  }
  return {ProductOfTrees(std::move(numerator)), ProductOfTrees(std::move(denominator))};
}

Fraction Split(const ExprNode& f, int depth) {
  if (depth > limits::kTreeDepth) return {f, One()};
  if (f.IsNumber()) return SplitNumber(f.coefficient());
  if (f.IsProduct()) return SplitProduct(f, depth);
  if (f.IsOperandPower()) {
    const Number& e = f.coefficient();
    if (e.LessThan(0)) return {One(), poly::TreePower(f.Operand(0), Negate(e))};
    if (e.GreaterThan(0)) {
      if (auto part = SplitFunction(f.Operand(0))) {
        return {poly::TreePower(part->numerator, e), poly::TreePower(part->denominator, e)};
      }
    }
    return {f, One()};
  }
  if (auto part = SplitFunction(f)) return *part;
  if (f.IsSum() && f.IsSingleTerm() && f.Term(0).exponent.LessThan(0)) {
    const SymbolTerm& t = f.Term(0);
    Fraction c = SplitNumber(t.coefficient);
    return {c.numerator,
            poly::TreeMultiply(c.denominator, ExprNode::MakeTerm(SymbolTerm{t.name, Number(1.0),
                                                                            Negate(t.exponent)}))};
  }
  return {f, One()};
}

// Factors a tree in its variable when it has exactly one.
ExprNode FactorIfSingleVariable(const ExprNode& f) {
  return Variables(f).size() == 1 ? poly::FactorTree(f) : f;
}

// The common denominator taken in exact arithmetic, the same steps as the tree
// form below: each fraction added as (N·V + U·D)/(D·V), cancelled by the gcd
// when there is one variable. nullopt when a part has a decimal or complex
// coefficient; a coefficient beyond the Number's exact range throws
// ExactRangeExceeded.
std::optional<ExprNode> ExactTogether(const ExprNode& whole, const std::vector<Fraction>& fractions,
                                      bool one_variable) {
  AtomTable atoms;
  std::optional<ExactPoly> n = ExactExpansion(whole, atoms);
  if (!n) return std::nullopt;
  ExactPoly d = ExactPoly::Constant(atoms.size(), Rational(1));
  for (const Fraction& next : fractions) {
    if (!CountWork(static_cast<std::int64_t>(n->size() + d.size()))) break;
    std::optional<ExactPoly> u = ExactExpansion(next.numerator, atoms);
    std::optional<ExactPoly> v = ExactExpansion(next.denominator, atoms);
    if (!u || !v) return std::nullopt;
    for (ExactPoly* p : {&*n, &d, &*u}) p->Widen(atoms.size());
    v->Widen(atoms.size());
    *n = *n * *v + *u * d;
    d = d * *v;
    if (one_variable && !n->IsZero()) {
      const ExactPoly g = PolyGcd(*n, d);
      ExactPoly reduced_n, reduced_d;
      if (!g.IsConstant() && DivideExactly(*n, g, &reduced_n) && DivideExactly(d, g, &reduced_d)) {
        *n = std::move(reduced_n);
        d = std::move(reduced_d);
      }
    }
  }
  ExprNode numerator = FactorIfSingleVariable(FromPoly(FromExact(*n), atoms));
  ExprNode denominator = FactorIfSingleVariable(FromPoly(FromExact(d), atoms));
  return poly::TreeDivide(numerator, denominator);
}

ExprNode TogetherTree(const ExprNode& f) {
  RaiseRewriteFlag();
  if (f.IsProduct()) return FactorIfSingleVariable(f);
  if (!f.IsSum() || f.IsPlain()) return f;
  std::vector<ExprNode> parts;
  for (const SymbolTerm& t : f.terms()) parts.push_back(ExprNode::MakeTerm(t));
  for (const ExprNode& op : f.operands()) parts.push_back(op);
  if (!f.coefficient().IsZero()) parts.push_back(ExprNode::MakeNumber(f.coefficient()));
  if (parts.size() < 2) return f;
  // The parts without a denominator are added once; only the fractions take
  // the common denominator one at a time.
  std::vector<ExprNode> whole;
  std::vector<Fraction> fractions;
  for (ExprNode& part : parts) {
    Fraction split = SplitFraction(part);
    if (IsOne(split.denominator)) {
      whole.push_back(std::move(part));
    } else {
      fractions.push_back(std::move(split));
    }
  }
  ExprNode whole_sum = SumOfTrees(std::move(whole));
  if (std::optional<ExprNode> exact =
          fractions.empty() ? std::nullopt
                            : ExactTogether(whole_sum, fractions, Variables(f).size() == 1)) {
    return std::move(*exact);
  }
  Fraction acc{std::move(whole_sum), One()};
  for (const Fraction& next : fractions) {
    if (!CountWork(acc.numerator.TermCount() + acc.numerator.OperandCount() + 1)) break;
    ExprNode numerator = poly::TreeAdd(poly::TreeMultiply(acc.numerator, next.denominator),
                                       poly::TreeMultiply(next.numerator, acc.denominator));
    ExprNode denominator = poly::TreeMultiply(acc.denominator, next.denominator);
    acc = SplitFraction(FactorIfSingleVariable(poly::TreeDivide(numerator, denominator)));
  }
  ExprNode numerator = FactorIfSingleVariable(poly::ExpandTree(acc.numerator));
  ExprNode denominator = FactorIfSingleVariable(poly::ExpandTree(acc.denominator));
  return poly::TreeDivide(numerator, denominator);
}

}  // namespace

Fraction SplitFraction(const ExprNode& f) { return Split(f, 0); }

ExprNode Together(const ExprNode& f) {
  return poly::GuardedOr(f, [&] { return TogetherTree(f); });
}

PolyCommandResult NumeratorCommand(const ExprNode& f) {
  RaiseRewriteFlag();
  return PolyCommandResult::Value(SplitFraction(f).numerator);
}

PolyCommandResult DenominatorCommand(const ExprNode& f) {
  RaiseRewriteFlag();
  return PolyCommandResult::Value(SplitFraction(f).denominator);
}

PolyCommandResult TogetherCommand(const ExprNode& f) {
  return poly::Guarded([&] { return PolyCommandResult::Value(TogetherTree(f)); });
}

}  // namespace zentrix::engine
