// Pass (b) of the simplifier: the normalising rules, and the settling of a sum or
// product after a change.

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine {
namespace {

SymbolTerm TermWithCoefficient(const ExprNode& single_term) {
  SymbolTerm t = single_term.Term(0);
  if (!single_term.IsSum()) t.coefficient = Multiply(t.coefficient, single_term.coefficient());
  return t;
}

// A product with one term and nothing else: the monomial c·x^e.
bool IsMonomialProduct(const ExprNode& n) {
  return n.IsProduct() && n.OperandCount() == 0 && n.TermCount() == 1 &&
         n.coefficient().IsFinite() && !n.coefficient().IsZero();
}

// Operands of a sum that belong elsewhere: nested sums (numbers and single terms
// among them) merge into the node, monomial products become terms.
void FlattenSumOperands(ExprNode& node) {
  bool needed = false;
  for (const ExprNode& op : node.operands()) {
    if (op.IsSum() || op.IsSingleTerm() || IsMonomialProduct(op) ||
        (op.IsProduct() && op.IsPlain())) {
      needed = true;
      break;
    }
  }
  if (!needed) return;
  std::vector<ExprNode> operands = std::move(node.mutable_operands());
  node.mutable_operands().clear();
  for (ExprNode& op : operands) {
    if (op.IsSum()) {
      node.set_coefficient(Add(node.coefficient(), op.coefficient()));
      for (SymbolTerm& t : op.mutable_terms()) node.AddTerm(std::move(t));
      for (ExprNode& inner : op.mutable_operands()) node.AddOperand(std::move(inner));
    } else if (op.IsSingleTerm() || IsMonomialProduct(op)) {
      SymbolTerm t = op.Term(0);
      t.coefficient = Multiply(t.coefficient, op.coefficient());
      node.AddTerm(std::move(t));
    } else if (op.IsProduct() && op.IsPlain()) {
      node.set_coefficient(Add(node.coefficient(), op.coefficient()));
    } else {
      node.AddOperand(std::move(op));
    }
  }
}

// Nested products merge, numbers fold into the coefficient, single terms join
// the terms.
void FlattenProductOperands(ExprNode& node) {
  bool needed = false;
  for (const ExprNode& op : node.operands()) {
    if (op.IsProduct() || op.IsEmpty() || op.IsSingleTerm()) {
      needed = true;
      break;
    }
  }
  if (!needed) return;
  std::vector<ExprNode> operands = std::move(node.mutable_operands());
  node.mutable_operands().clear();
  for (ExprNode& op : operands) {
    if (op.IsProduct()) {
      node.set_coefficient(Multiply(node.coefficient(), op.coefficient()));
      for (SymbolTerm& t : op.mutable_terms()) node.AddTerm(std::move(t));
      for (ExprNode& inner : op.mutable_operands()) node.AddOperand(std::move(inner));
    } else if (op.IsEmpty()) {
      node.set_coefficient(Multiply(node.coefficient(), op.coefficient()));
    } else if (op.IsSingleTerm()) {
      node.AddTerm(TermWithCoefficient(op));
    } else {
      node.AddOperand(std::move(op));
    }
  }
}

bool NormaliseSum(ExprNode& node) {
  bool changed = false;
  FlattenSumOperands(node);
  auto& terms = node.mutable_terms();
  std::vector<SymbolTerm> kept;
  kept.reserve(terms.size());
  for (SymbolTerm& t : terms) {
    if (t.coefficient.IsZero()) {
      changed = true;
    } else if (t.exponent.IsZero()) {
      node.set_coefficient(Add(node.coefficient(), t.coefficient));
      changed = true;
    } else {
      kept.push_back(std::move(t));
    }
  }
  terms = std::move(kept);
  if (!node.coefficient().IsFinite() && node.OperandCount() == 0 && node.TermCount() > 0) {
    terms.clear();
    changed = true;
  }
  SettleSum(node);
  return changed;
}

// -1·(a + b + c) = -a - b - c.
void DistributeNegation(ExprNode& node) {
  ExprNode sum = std::move(node.Operand(0));
  sum.set_coefficient(Negate(sum.coefficient()));
  for (SymbolTerm& t : sum.mutable_terms()) t.coefficient = Negate(t.coefficient);
  for (ExprNode& op : sum.mutable_operands()) op = NegateTree(std::move(op));
  node = std::move(sum);
}

// c·n^e = (c/n)·n^(e+1) for a reciprocal radical n^e (-1 < e < 0) when n
// divides c's numerator: 2/√2 = √2, 6/√3 = 2√3.
bool AbsorbCoefficientIntoRadicals(ExprNode& node) {
  bool changed = false;
  for (ExprNode& op : node.mutable_operands()) {
    const Number& c = node.coefficient();
    if (!c.IsReal() || c.IsDecimal() || !c.IsFinite()) return changed;
    if (!op.IsOperandPower() || !op.Operand(0).IsNumber()) continue;
    const Number& n = op.Operand(0).coefficient();
    const Number& e = op.coefficient();
    if (!n.IsInteger() || !n.GreaterThan(1) || !e.IsFraction() || !e.LessThan(0) ||
        !e.GreaterThan(-1) || std::fmod(c.RealNumerator(), n.RealValue()) != 0.0) {
      continue;
    }
    node.set_coefficient(Divide(c, n));
    op = PowerNumber(op.Operand(0), Add(e, Number(1.0)));
    changed = true;
  }
  return changed;
}

bool NormaliseProduct(ExprNode& node) {
  bool changed = false;
  FlattenProductOperands(node);
  if (AbsorbCoefficientIntoRadicals(node)) changed = true;
  auto& terms = node.mutable_terms();
  std::vector<SymbolTerm> kept;
  kept.reserve(terms.size());
  bool dropped = false;
  for (SymbolTerm& t : terms) {
    if (!t.coefficient.IsOne()) {
      node.set_coefficient(Multiply(node.coefficient(), t.coefficient));
      t.coefficient = Number(1.0);
    }
    if (t.exponent.IsZero()) {
      dropped = true;
    } else {
      kept.push_back(std::move(t));
    }
  }
  terms = std::move(kept);
  if (dropped) changed = true;
  const Number& c = node.coefficient();
  if (c.IsZero()) {
    node = ExprNode::Zero();
    return true;
  }
  if (!c.IsFinite() && node.OperandCount() == 0) {
    node = ExprNode::MakeNumber(c);
    return true;
  }
  if (c == Number(-1.0) && node.TermCount() == 0 && node.OperandCount() == 1 &&
      node.Operand(0).IsSum()) {
    DistributeNegation(node);
    return true;
  }
  SettleProduct(node);
  return changed;
}

// Integer k-th root of a positive integer m, when m is a perfect k-th power.
std::optional<std::int64_t> ExactIntegerRoot(double m, double k) {
  if (!(m >= 1.0) || m > 9007199254740992.0 || k < 1.0 || k > 64.0) return std::nullopt;
  double guess = std::round(std::pow(m, 1.0 / k));
  for (double r : {guess - 1.0, guess, guess + 1.0}) {
    if (r < 1.0) continue;
    double p = 1.0;
    for (int i = 0; i < static_cast<int>(k) && p <= m; ++i) p *= r;
    if (p == m) return static_cast<std::int64_t>(r);
  }
  return std::nullopt;
}

// A radical of an integer n > 1 that is not a perfect power, in the one form
// its equal values share, so that like terms collect: the whole powers go into
// the coefficient (n^(p/q) = n^k·n^(r/q), k = p/q rounded toward zero, while
// n^|k| is exact), and 1/√n takes out its square factors as √n does
// (8^(-1/2) = 1/(2√2)). Nothing when the power stays as it is.
std::optional<ExprNode> IntegerRadical(const Number& n, const Number& e) {
  const double p = e.RealNumerator(), q = e.RealDenominator();
  const double k = std::trunc(p / q);
  if (k != 0.0) {
    const Number whole = Power(n, Number(std::fabs(k)));
    if (!whole.IsInteger() || whole.RealValue() > 9007199254740992.0) return std::nullopt;
    ExprNode rest = PowerNumber(ExprNode::MakeNumber(n), Number::Ratio(p - k * q, q));
    return MultiplyNumber(std::move(rest), k > 0 ? whole : Divide(Number(1.0), whole));
  }
  if (p == -1.0 && q == 2.0) {
    std::optional<ExprNode> root = ExactSquareRoot(n);
    if (root) return PowerNumber(std::move(*root), Number(-1.0));
  }
  return std::nullopt;
}

// A power of a number: answers the replacement, or nothing when the power stays.
std::optional<ExprNode> PowerOfNumber(const Number& base, const Number& e) {
  if (!base.IsFinite() || !e.IsFinite()) return ExprNode::MakeNumber(Power(base, e));
  const bool half_denominator = e.IsFraction() && e.RealDenominator() == 2.0;
  if (base == Number(-1.0) && half_denominator) return ExprNode::MakeNumber(Power(base, e));
  if (base.IsInteger() && e == Number::Ratio(1.0, 2.0)) return ExactSquareRoot(base);
  if (!e.IsFraction()) return ExprNode::MakeNumber(Power(base, e));
  if (base.IsInteger() && base.GreaterThan(0)) {
    std::optional<std::int64_t> root = ExactIntegerRoot(base.RealValue(), e.RealDenominator());
    if (!root) return IntegerRadical(base, e);
    return ExprNode::MakeNumber(
        Power(Number(static_cast<double>(*root)), Number(e.RealNumerator())));
  }
  Number value = Power(base, e);
  if (value.IsInteger()) return ExprNode::MakeNumber(value);
  return std::nullopt;
}

// (c·x^e)^n = c^n·x^(e·n), with c^n kept exact as a power of a number.
ExprNode PowerOfSingleTerm(const ExprNode& single_term, const Number& n) {
  SymbolTerm t = TermWithCoefficient(single_term);
  ExprNode factor = MakeTermNode(t.name, Number(1.0), Multiply(t.exponent, n));
  if (t.coefficient.IsOne()) return factor;
  return MultiplyTrees(PowerNumber(ExprNode::MakeNumber(t.coefficient), n), std::move(factor));
}

// (c·x·y·u)^n = c^n·x^n·y^n·u^n for an integer n.
ExprNode DistributePower(const ExprNode& product, const Number& n) {
  std::vector<ExprNode> factors{ExprNode::MakeNumber(Power(product.coefficient(), n))};
  for (const SymbolTerm& t : product.terms()) {
    factors.push_back(MakeTermNode(t.name, Number(1.0), Multiply(t.exponent, n)));
  }
  for (const ExprNode& op : product.operands()) factors.push_back(PowerNumber(op, n));
  return ProductOfTrees(std::move(factors));
}

// A positive integer times radicals of integers (2√2, 3·5^(1/3)): every factor
// is positive, so a power of it is the product of the factors' powers.
bool IsPositiveRadicalProduct(const ExprNode& n) {
  if (!n.IsProduct() || n.TermCount() != 0 || n.OperandCount() == 0) return false;
  const Number& c = n.coefficient();
  if (!c.IsInteger() || !c.GreaterThan(0)) return false;
  for (const ExprNode& op : n.operands()) {
    if (!op.IsOperandPower() || !op.Operand(0).IsNumber()) return false;
    const Number& b = op.Operand(0).coefficient();
    if (!b.IsInteger() || !b.GreaterThan(0) || !op.coefficient().IsFraction()) return false;
  }
  return true;
}

ExprNode DistributeRadicalPower(const ExprNode& product, const Number& e) {
  std::vector<ExprNode> factors{PowerNumber(ExprNode::MakeNumber(product.coefficient()), e)};
  for (const ExprNode& op : product.operands()) factors.push_back(PowerNumber(op, e));
  return ProductOfTrees(std::move(factors));
}

bool NormalisePower(ExprNode& node) {
  if (node.TermCount() != 0) return false;
  if (node.OperandCount() == 2) {
    if (node.Operand(1).IsEmpty()) {
      node.set_coefficient(Multiply(node.coefficient(), node.Operand(1).coefficient()));
      node.mutable_operands().pop_back();
    } else {
      if (node.Operand(0).IsEmpty() && node.Operand(0).coefficient().IsOne() &&
          node.Operand(1).IsAllNumbers()) {
        node = ExprNode::MakeNumber(Number(1.0));
        return true;
      }
      return false;
    }
  }
  if (node.OperandCount() != 1) return false;
  const Number e = node.coefficient();
  if (e.IsZero()) {
    node = ExprNode::MakeNumber(Number(1.0));
    return true;
  }
  if (e.IsOne()) {
    node = std::move(node.Operand(0));
    return false;
  }
  ExprNode& base = node.Operand(0);
  if (base.IsOperandPower()) {
    node.set_coefficient(Multiply(e, base.coefficient()));
    ExprNode inner = std::move(base.Operand(0));
    node.Operand(0) = std::move(inner);
    return true;
  }
  if (base.IsEmpty()) {
    if (std::optional<ExprNode> value = PowerOfNumber(base.coefficient(), e)) {
      node = std::move(*value);
      return true;
    }
    return false;
  }
  if (base.IsSingleTerm() || IsMonomialProduct(base)) {
    node = PowerOfSingleTerm(base, e);
    return true;
  }
  if (e.IsFraction() && IsPositiveRadicalProduct(base)) {
    node = DistributeRadicalPower(base, e);
    return true;
  }
  if (base.IsProduct() && e.IsInteger()) {
    node = DistributePower(base, e);
    return true;
  }
  return false;
}

}  // namespace

bool ApplyBasicRules(ExprNode& node) {
  if (node.IsSum()) return NormaliseSum(node);
  if (node.IsProduct()) return NormaliseProduct(node);
  if (node.IsPower()) return NormalisePower(node);
  return false;
}

void SettleSum(ExprNode& node) {
  if (!node.IsSum()) return;
  if (!node.coefficient().IsFinite() && node.OperandCount() == 0) {
    node.mutable_terms().clear();
    return;
  }
  if (node.OperandCount() == 1 && node.TermCount() == 0 && node.coefficient().IsZero()) {
    node = std::move(node.Operand(0));
  }
}

void SettleProduct(ExprNode& node) {
  if (!node.IsProduct()) return;
  // A coefficient that reached a reciprocal radical by the tree arithmetic's
  // short paths is absorbed as the passes absorb it (2ℯ·2^(-1/2) = ℯ√2); the
  // passes then restore the order.
  if (node.OperandCount() > 0 && AbsorbCoefficientIntoRadicals(node)) {
    CanonicalizeBuilt(node);
    return;
  }
  const Number& c = node.coefficient();
  if (c.IsZero() || (c == Number(-1.0) && node.TermCount() == 0 && node.OperandCount() == 1 &&
                     node.Operand(0).IsSum())) {
    // The zero and negated-sum rules need the whole pass loop.
    CanonicalizeBuilt(node);
    return;
  }
  if (!c.IsFinite()) {
    if (node.OperandCount() == 0) node = ExprNode::MakeNumber(c);
    return;
  }
  if (node.IsPlain()) {
    node = ExprNode::MakeNumber(c);
  } else if (node.TermCount() == 0 && node.OperandCount() == 1 && c.IsOne()) {
    node = std::move(node.Operand(0));
  } else if (node.OperandCount() == 0 && node.TermCount() == 1) {
    SymbolTerm t = std::move(node.Term(0));
    t.coefficient = Multiply(t.coefficient, c);
    node = ExprNode::MakeTerm(t);
  }
}

std::optional<ExprNode> ExactSquareRoot(const Number& n) {
  if (!n.IsInteger()) return std::nullopt;
  const double value = n.RealValue();
  const double magnitude = std::fabs(value);
  const Number i = Number::Complex(0.0, 1.0);
  if (value == 0.0) return ExprNode::MakeNumber(Number(0.0));
  if (magnitude <= 9007199254740992.0) {
    // The square factors are taken out until none below 100² is left, so
    // that the surd is itself simplified (√(9^12) is 531441, not 81·√(3^16)).
    std::uint64_t rest = static_cast<std::uint64_t>(magnitude);
    std::uint64_t outside = 1;
    for (bool found = true; found;) {
      found = false;
      for (std::uint64_t j = 99; j >= 2; --j) {
        if (rest % (j * j) != 0) continue;
        rest /= j * j;
        outside *= j;
        found = true;
        break;
      }
    }
    if (outside > 1) {
      const double j = static_cast<double>(outside);
      ExprNode root = ExprNode::MakeNumber(Number(j));
      if (rest != 1) {
        ExprNode surd = ExprNode::MakePower(Number::Ratio(1.0, 2.0));
        surd.AddOperand(ExprNode::MakeNumber(Number(static_cast<double>(rest))));
        root = MultiplyNumber(std::move(surd), Number(j));
      }
      return value < 0 ? MultiplyNumber(std::move(root), i) : root;
    }
  }
  if (value == -1.0) return ExprNode::MakeNumber(i);
  if (value == 1.0 || value == 0.0) return ExprNode::MakeNumber(n);
  if (value < 0) {
    ExprNode surd = ExprNode::MakePower(Number::Ratio(1.0, 2.0));
    surd.AddOperand(ExprNode::MakeNumber(Number(magnitude)));
    return MultiplyNumber(std::move(surd), i);
  }
  return std::nullopt;
}

}  // namespace zentrix::engine
