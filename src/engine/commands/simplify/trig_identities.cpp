// Pass (d) of the simplifier: trigonometric identities and exact values.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/numeric/complex_functions.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/exact_inverse_trig.h"
#include "engine/commands/simplify/exact_trig_values.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// g with f = 1/g among the circular and hyperbolic functions, or kNoFunction.
int ReciprocalOf(int f) {
  const ElementaryFacts* facts = FindElementaryFacts(f);
  return facts == nullptr ? kNoFunction : facts->reciprocal;
}

// f(u)·g(u) = h(u), tried in this order.
struct QuotientIdentity {
  int f, g, h;
};
constexpr QuotientIdentity kQuotientIdentities[] = {
    {id::kSin, id::kSec, id::kTan},    {id::kCos, id::kCsc, id::kCot},
    {id::kTan, id::kCos, id::kSin},    {id::kSinh, id::kSech, id::kTanh},
    {id::kCosh, id::kCsch, id::kCoth}, {id::kTanh, id::kCosh, id::kSinh},
};

// An operand of a product seen as f(u)^e with f one of the twelve functions and
// e a positive real exponent.
struct TrigFactor {
  std::size_t index;
  int function;
  const ExprNode* argument;
  Number exponent;
  std::size_t argument_hash;
};

std::optional<TrigFactor> AsTrigFactor(const ExprNode& op, std::size_t index) {
  const ExprNode& base = ProductBase(op);
  if (!base.IsUnaryFunction() || !IsReciprocalTrigId(base.FunctionId())) return std::nullopt;
  Number e = ProductExponent(op);
  if (!e.IsReal() || !e.GreaterThan(0)) return std::nullopt;
  return TrigFactor{index, base.FunctionId(), &base.Operand(0), e, HashTree(base.Operand(0))};
}

bool SameArgument(const TrigFactor& a, const TrigFactor& b) {
  return a.argument_hash == b.argument_hash && *a.argument == *b.argument;
}

ExprNode TrigPower(int function, const ExprNode& argument, const Number& exponent) {
  if (exponent.IsZero()) return ExprNode::MakeNumber(Number(1.0));
  return PowerNumber(ApplyFunction(function, argument), exponent);
}

Number Smaller(const Number& a, const Number& b) { return a.LessThan(b) ? a : b; }

// Replaces the factors a and b of the product by a^(ea-k) and b^(eb-k) and, when
// `merged` is a function, appends merged(u)^k.
void Combine(ExprNode& node, const TrigFactor& a, const TrigFactor& b, int merged) {
  Number k = Smaller(a.exponent, b.exponent);
  ExprNode argument = *a.argument;
  ExprNode na = TrigPower(a.function, argument, Subtract(a.exponent, k));
  ExprNode nb = TrigPower(b.function, argument, Subtract(b.exponent, k));
  node.Operand(a.index) = std::move(na);
  node.Operand(b.index) = std::move(nb);
  if (merged >= 0) node.AddOperand(TrigPower(merged, argument, k));
}

bool ProductIdentities(ExprNode& node) {
  std::vector<TrigFactor> factors;
  for (std::size_t i = 0; i < node.OperandCount(); ++i) {
    if (auto f = AsTrigFactor(node.Operand(i), i)) factors.push_back(*f);
  }
  if (factors.size() < 2) return false;
  // Only factors of one argument pair up: group them by the argument's hash,
  // so that a product of many factors is scanned in linear time. Each group
  // keeps the factors' order, so the first pair found is the same.
  std::vector<std::pair<std::size_t, std::size_t>> by_hash;  // (argument hash, index)
  by_hash.reserve(factors.size());
  for (std::size_t i = 0; i < factors.size(); ++i)
    by_hash.emplace_back(factors[i].argument_hash, i);
  std::sort(by_hash.begin(), by_hash.end());
  // The factors with the argument hash of factor i, in their order.
  auto partners = [&](std::size_t i) {
    const std::size_t hash = factors[i].argument_hash;
    auto first =
        std::lower_bound(by_hash.begin(), by_hash.end(), std::make_pair(hash, std::size_t{0}));
    auto last = std::upper_bound(first, by_hash.end(), std::make_pair(hash, factors.size()));
    return std::span(first, last);
  };
  // Every disjoint reciprocal pair at once, in order: a product of many such
  // pairs would otherwise take one cycle of the simplifier per pair.
  std::vector<bool> used(factors.size(), false);
  bool paired = false;
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (used[i]) continue;
    for (const auto& [hash, j] : partners(i)) {
      if (j > i && !used[j] && ReciprocalOf(factors[i].function) == factors[j].function &&
          SameArgument(factors[i], factors[j])) {
        Combine(node, factors[i], factors[j], -1);
        used[i] = used[j] = paired = true;
        break;
      }
    }
  }
  if (paired) return true;
  for (const QuotientIdentity& q : kQuotientIdentities) {
    for (std::size_t i = 0; i < factors.size(); ++i) {
      const TrigFactor& a = factors[i];
      if (a.function != q.f) continue;
      for (const auto& [hash, j] : partners(i)) {
        const TrigFactor& b = factors[j];
        if (b.function == q.g && SameArgument(a, b)) {
          Combine(node, a, b, q.h);
          return true;
        }
      }
    }
  }
  return false;
}

// sin(u)^-n = csc(u)^n and the like.
bool NegativePowerIdentity(ExprNode& node) {
  if (!node.IsIntegerPower() || !node.coefficient().LessThan(0)) return false;
  const ExprNode& base = node.Operand(0);
  if (!base.IsUnaryFunction() || !IsReciprocalTrigId(base.FunctionId())) return false;
  node = TrigPower(ReciprocalOf(base.FunctionId()), base.Operand(0), Negate(node.coefficient()));
  return true;
}

bool IsNegative(const Number& n) { return n.IsReal() && n.LessThan(0); }

bool IsNegativeArgument(const ExprNode& u) {
  if (u.IsNumber()) return IsNegative(u.coefficient());
  if (u.IsSum() && u.IsSingleTerm()) return IsNegative(u.Term(0).coefficient);
  if (u.IsProduct()) return IsNegative(u.coefficient());
  return false;
}

ExprNode PiTimes(const Number& c) {
  return MakeTermNode(std::u16string(1, chars::kPi), c, Number(1.0));
}

// f(∞) of an elementary function: a value, a range of values, or undefined.
std::optional<ExprNode> AtPlusInfinity(int f) {
  const ElementaryFacts* facts = FindElementaryFacts(f);
  if (facts == nullptr) return std::nullopt;
  switch (facts->value_at_infinity) {
    case ValueAtInfinity::kUnitInterval: {
      ExprNode interval(NodeKind::kInterval, Number());
      interval.AddOperand(ExprNode::MakeNumber(Number(-1.0)));
      interval.AddOperand(ExprNode::MakeNumber(Number(1.0)));
      return interval;
    }
    case ValueAtInfinity::kRealLine:
      return ExprNode::MakeInterval(Number::MinusInfinity(), Number::PlusInfinity());
    case ValueAtInfinity::kHalfPi: return PiTimes(Number::Ratio(1.0, 2.0));
    case ValueAtInfinity::kPlusInfinity: return ExprNode::MakeNumber(Number::PlusInfinity());
    default: return ExprNode::MakeNumber(Number::Indeterminate());
  }
}

bool IsCircular(int f) { return IsInFamily(f, FunctionFamily::kCircular); }

bool IsExactReal(const Number& n) {
  return n.IsReal() && !n.IsDecimal() && std::fabs(n.RealNumerator()) < 9.0e15 &&
         std::fabs(n.RealDenominator()) < 9.0e15;
}

struct Rational {
  std::int64_t p;
  std::int64_t q;  // > 0
};

std::optional<Rational> AsRational(const Number& n) {
  if (!IsExactReal(n)) return std::nullopt;
  auto p = static_cast<std::int64_t>(n.RealNumerator());
  auto q = static_cast<std::int64_t>(n.RealDenominator());
  if (q == 0) return std::nullopt;
  if (q < 0) p = -p, q = -q;
  return Rational{p, q};
}

// The multiple of π that the argument stands for: the coefficient of a single
// term π in radians, d/180 for a number d in degrees; 0 for the number 0. Worked
// out in integers so that probing leaves the rewrite flag alone.
std::optional<Rational> MultipleOfPi(const ExprNode& u) {
  if (u.IsNumber()) {
    const Number& d = u.coefficient();
    if (d.IsZero()) return Rational{0, 1};
    if (!AngleInDegrees()) return std::nullopt;
    std::optional<Rational> r = AsRational(d);
    if (!r || r->q > (std::int64_t{1} << 40)) return std::nullopt;
    return Rational{r->p, r->q * 180};
  }
  if (AngleInDegrees() || !u.IsSum() || !u.IsSingleTerm()) return std::nullopt;
  const SymbolTerm& t = u.Term(0);
  if (t.name.size() != 1 || t.name[0] != chars::kPi || !t.exponent.IsOne()) return std::nullopt;
  return AsRational(t.coefficient);
}

ExprNode FromExactValue(const ExactTrigValue& v) {
  return ExactTrigValueTree(v.numerator, v.denominator, v.root, v.pole);
}

std::optional<ExprNode> ExactValue(int f, const ExprNode& u) {
  if (!IsCircular(f)) return std::nullopt;
  std::optional<Rational> c = MultipleOfPi(u);
  if (!c) return std::nullopt;
  // k = c mod 2 in [0, 2), as the reduced fraction p/q.
  const std::int64_t p = c->p, q = c->q;
  std::int64_t r = p % (2 * q);
  if (r < 0) r += 2 * q;
  std::int64_t g = std::gcd(r, q);
  if (g == 0) g = 1;
  std::optional<ExactTrigValue> value = ExactTrigAt(f, r / g, q / g);
  if (!value) return std::nullopt;
  return FromExactValue(*value);
}

// The exact value in [0, 2)·π of a circular function at the multiple p/q of π.
std::optional<ExprNode> ExactCircularAt(int f, const Rational& c) {
  std::int64_t r = c.p % (2 * c.q);
  if (r < 0) r += 2 * c.q;
  std::int64_t g = std::gcd(r, c.q);
  if (g == 0) g = 1;
  std::optional<ExactTrigValue> value = ExactTrigAt(f, r / g, c.q / g);
  if (!value || value->pole) return std::nullopt;
  return FromExactValue(*value);
}

// exp(i·r·π) = cos(rπ) + i·sin(rπ) for the multiples r the exact table knows
// (exp(iπ) = −1). The angle unit plays no part: the exponent is in radians.
std::optional<ExprNode> ExpOfImaginaryPi(const ExprNode& u) {
  // c·π as a sum's single term, or as a product's only term (its coefficient
  // then holds the factor).
  if (u.OperandCount() != 0 || u.TermCount() != 1) return std::nullopt;
  if (!(u.IsSum() && u.coefficient().IsZero()) && !u.IsProduct()) return std::nullopt;
  const SymbolTerm& t = u.Term(0);
  if (t.name.size() != 1 || t.name[0] != chars::kPi || !t.exponent.IsOne()) return std::nullopt;
  // A product keeps its terms' coefficients at 1.
  if (u.IsProduct() && !t.coefficient.IsOne()) return std::nullopt;
  const Number& factor = u.IsProduct() ? u.coefficient() : t.coefficient;
  if (!factor.IsComplex() || !factor.RealPart().IsZero()) return std::nullopt;
  std::optional<Rational> c = AsRational(factor.ImagPart());
  // Complex arithmetic may leave a sixth or a quarter as a decimal.
  if (!c && factor.ImagPart().IsDecimal()) {
    const double twelfths = factor.ImagValue() * 12.0;
    if (std::fabs(twelfths) < 1e9 && std::fabs(twelfths - std::round(twelfths)) < 1e-9) {
      c = Rational{static_cast<std::int64_t>(std::round(twelfths)), 12};
    }
  }
  if (!c) return std::nullopt;
  std::optional<ExprNode> cosine = ExactCircularAt(id::kCos, *c);
  std::optional<ExprNode> sine = ExactCircularAt(id::kSin, *c);
  if (!cosine || !sine) return std::nullopt;
  return AddTrees(std::move(*cosine), MultiplyNumber(std::move(*sine), Number::Complex(0.0, 1.0)));
}

bool FunctionIdentities(ExprNode& node) {
  if (!node.IsUnaryFunction()) return false;
  const int f = node.FunctionId();
  const ExprNode& u = node.Operand(0);
  if (f == id::kExp) {
    if (std::optional<ExprNode> value = ExpOfImaginaryPi(u)) {
      const Number scale = node.coefficient();
      node = scale.IsOne() ? std::move(*value) : MultiplyNumber(std::move(*value), scale);
      RaiseRewriteFlag();
      return true;
    }
  }
  if ((f == id::kSin || f == id::kCos) && IsNegativeArgument(u)) {
    ExprNode positive = NegateTree(u);
    ExprNode value = ApplyFunction(f, std::move(positive));
    node = f == id::kSin ? NegateTree(std::move(value)) : std::move(value);
    return true;
  }
  if (u.IsPlusInfinity()) {
    if (std::optional<ExprNode> value = AtPlusInfinity(f)) {
      node = std::move(*value);
      return true;
    }
    return false;
  }
  if (std::optional<ExprNode> value = ExactValue(f, u)) {
    node = std::move(*value);
    RaiseRewriteFlag();
    return true;
  }
  if (std::optional<ExprNode> value = ExactInverseTrigAt(f, u)) {
    node = std::move(*value);
    RaiseRewriteFlag();
    return true;
  }
  return false;
}

}  // namespace

bool IsReciprocalTrigId(int f) { return ReciprocalOf(f) >= 0; }

bool ApplyTrigIdentities(ExprNode& node) {
  if (node.IsProduct() && node.OperandCount() > 1) return ProductIdentities(node);
  if (node.IsPower()) return NegativePowerIdentity(node);
  if (node.IsAnyFunction()) return FunctionIdentities(node);
  return false;
}

}  // namespace zentrix::engine
