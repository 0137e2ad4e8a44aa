#include "engine/commands/calculus/limit.h"

#include <cmath>
#include <string>
#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/derivative.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::FreeOf;
using calculus::Num;
using Code = LimitResult::Code;

// L'Hôpital's rule is applied at most this many times in a row, and the whole
// computation takes at most this many steps.
constexpr int kMaxLHopital = limits::kLimitLHopital;
constexpr int kMaxSteps = limits::kLimitSteps;
// Derivatives tried to find on which side of 0 an expression lies near a.
constexpr int kMaxSideDerivatives = limits::kLimitSideDerivatives;
// Quotients whose derivatives grow beyond this size are not pursued: each
// further application of L'Hôpital's rule would only make them larger.
constexpr std::size_t kMaxQuotientSize = limits::kLimitQuotientSize;

bool TooLarge(const ExprNode& f) {
  return calculus::TreeSize(f, kMaxQuotientSize) > kMaxQuotientSize;
}

LimitResult Found(ExprNode v) { return LimitResult{Code::kFound, std::move(v)}; }
LimitResult Failed(Code code = Code::kFailed) { return LimitResult{code, ExprNode()}; }

ExprNode Infinity(int sign) {
  return Num(sign > 0 ? Number::PlusInfinity() : Number::MinusInfinity());
}

bool IsZeroValue(const ExprNode& v) {
  return v.IsNumber() && v.coefficient().IsReal() && v.coefficient().RealValue() == 0.0;
}

// Exact constants that are 0 without looking it (2^(3/2) − 2·√2, 4/√2 − 2·√2):
// decided by their approximation, which a value that is not 0 would have to
// undercut. Every limit found passes here, so a vanishing denominator is seen.
constexpr double kNumericZero = 1e-12;

bool IsZeroLimit(const ExprNode& v) {
  if (IsZeroValue(v)) return true;
  if (v.IsPlain() || v.IsList() || !Variables(v).empty()) return false;
  ExprNode a = Approximate(v);
  if (!a.IsNumber() || !a.coefficient().IsFinite()) return false;
  return std::fabs(a.coefficient().RealValue()) <= kNumericZero &&
         std::fabs(a.coefficient().ImagValue()) <= kNumericZero;
}

// The sign of a real number or an infinity.
std::optional<int> SignOf(const ExprNode& v) {
  if (calculus::IsInfiniteValue(v)) return v.coefficient().IsPlusInfinity() ? 1 : -1;
  if (!v.IsNumber() || !v.coefficient().IsReal()) return std::nullopt;
  const double d = v.coefficient().RealValue();
  if (d == 0.0) return 0;
  return d > 0 ? 1 : -1;
}

// A pair {v, v} of one-sided values that agree is the value itself; undefined
// values are failures.
LimitResult Finish(LimitResult r) {
  if (!r.found()) return r;
  if (r.value.IsList() && r.value.OperandCount() == 2 && r.value.Operand(0) == r.value.Operand(1)) {
    ExprNode single = r.value.Operand(0);
    r.value = std::move(single);
  }
  if (calculus::HasUndefinedPart(r.value)) return Failed();
  if (IsZeroLimit(r.value)) r.value = Num(0.0);
  return r;
}

// The worse of two failure codes: the missing two-sided limit wins.
Code Worse(Code a, Code b) {
  return (a == Code::kNoTwoSidedLimit || b == Code::kNoTwoSidedLimit) ? Code::kNoTwoSidedLimit
                                                                      : Code::kFailed;
}

bool IsJumpFunction(int f) { return IsInFamily(f, FunctionFamily::kStep); }

// Functions at plus (sign 1) or minus (sign -1) infinity.
std::optional<ExprNode> FunctionAtInfinity(int f, int sign) {
  const ElementaryFacts* facts = FindElementaryFacts(f);
  if (facts == nullptr) return std::nullopt;
  const ValueAtInfinity limit =
      sign > 0 ? facts->limit_at_plus_infinity : facts->limit_at_minus_infinity;
  switch (limit) {
    case ValueAtInfinity::kPlusInfinity: return Infinity(1);
    case ValueAtInfinity::kMinusInfinity: return Infinity(-1);
    case ValueAtInfinity::kZero: return Num(0.0);
    case ValueAtInfinity::kOne: return Num(1.0);
    case ValueAtInfinity::kMinusOne: return Num(-1.0);
    case ValueAtInfinity::kHalfPi:
    case ValueAtInfinity::kMinusHalfPi:
      return MakeTermNode(std::u16string(1, chars::kPi),
                          Number::Ratio(limit == ValueAtInfinity::kHalfPi ? 1 : -1, 2),
                          Number(1.0));
    case ValueAtInfinity::kUnitInterval: return ExprNode::MakeInterval(Number(-1.0), Number(1.0));
    default: return std::nullopt;
  }
}

class Limiter {
 public:
  Limiter(std::u16string_view x, const ExprNode& a, int direction)
      : x_(x), a_(a), direction_(direction) {
    infinite_ = calculus::IsInfiniteValue(a);
    if (infinite_) direction_ = 0;
  }

  LimitResult Of(const ExprNode& f) {
    DepthGuard guard;
    if (!guard.ok() || ++steps_ > kMaxSteps || HasCommandFault()) return Failed();
    return Finish(Rules(f));
  }

 private:
  int InfinitySign() const { return a_.coefficient().IsPlusInfinity() ? 1 : -1; }

  LimitResult Rules(const ExprNode& f) {
    if (f.IsList()) return Failed();
    if (FreeOf(f, x_)) return Found(f);
    if (f.IsSingleTerm() && f.Term(0).name == x_) {
      const SymbolTerm& t = f.Term(0);
      Number c = t.coefficient;
      if (!f.IsSum()) c = Multiply(c, f.coefficient());
      return Monomial(c, t.exponent);
    }
    if (infinite_) {
      if (std::optional<ExprNode> v = CompoundInterest(f)) return Found(std::move(*v));
      if (std::optional<LimitResult> r = Rational(f)) return std::move(*r);
    }
    if (f.IsSum()) return Sum(f);
    if (f.IsProduct()) return Product(f);
    if (f.IsPower()) return Power(f);
    if (f.IsAnyFunction()) return Function(f);
    return Failed();
  }

  // c·x^e.
  LimitResult Monomial(const Number& c, const Number& e) {
    if (!e.IsReal()) return Failed();
    if (infinite_) {
      if (e.LessThan(0)) return Found(Num(0.0));
      if (!c.IsReal()) return Failed();
      int sign = c.GreaterThan(0) ? 1 : -1;
      if (InfinitySign() < 0) {
        if (!e.IsInteger()) return Failed();
        if (std::fmod(e.RealValue(), 2.0) != 0.0) sign = -sign;
      }
      return Found(Infinity(sign));
    }
    if (IsZeroValue(a_) && e.LessThan(0)) return Pole(Num(c), calculus::Var(x_), e);
    return Found(MultiplyNumber(PowerNumber(a_, e), c));
  }

  // Which side of 0 u lies on near a (from the given side): the sign of the
  // first derivative that does not vanish at a, times the side to its order.
  std::optional<int> SideSign(const ExprNode& u, int side) {
    if (infinite_) return std::nullopt;
    ExprNode d = u;
    int parity = side;
    for (int k = 1; k <= kMaxSideDerivatives; ++k) {
      std::optional<ExprNode> next = Differentiate(d, x_);
      if (!next) return std::nullopt;
      d = std::move(*next);
      if (TooLarge(d)) return std::nullopt;
      std::optional<int> s = SignOf(calculus::AtPoint(d, x_, a_));
      if (!s) return std::nullopt;
      if (*s != 0) return *s * parity;
      parity *= side;
    }
    return std::nullopt;
  }

  // c·u^e with u tending to 0 and e < 0 (the one-sided rule): +∞ on the side
  // where u is positive, ±∞ by the parity of an integer e where it is negative.
  LimitResult Pole(const ExprNode& c, const ExprNode& u, const Number& e) {
    std::optional<int> sc = SignOf(c);
    if (!sc || *sc == 0) return Failed();
    auto side_value = [&](int side) -> std::optional<int> {
      std::optional<int> s = SideSign(u, side);
      if (!s) return std::nullopt;
      if (*s > 0) return *sc;
      if (!e.IsInteger()) return std::nullopt;
      return std::fmod(e.RealValue(), 2.0) == 0.0 ? *sc : -*sc;
    };
    if (direction_ != 0) {
      std::optional<int> v = side_value(direction_);
      if (!v) return Failed();
      return Found(Infinity(*v));
    }
    std::optional<int> below = side_value(-1);
    std::optional<int> above = side_value(1);
    if (!below || !above) return Failed();
    if (*below != *above) return Failed(Code::kNoTwoSidedLimit);
    return Found(Infinity(*above));
  }

  // (1 + c/x)^(k·x) → exp(c·k) at infinity, for c and k free of x.
  std::optional<ExprNode> CompoundInterest(const ExprNode& f) {
    if (!f.IsPower() || f.OperandCount() != 2 || !f.coefficient().IsOne()) return std::nullopt;
    const ExprNode& base = f.Operand(0);
    if (!base.IsSum() || !base.coefficient().IsOne()) return std::nullopt;
    ExprNode c = Expand(MultiplyTrees(AddNumber(base, Number(-1.0)), calculus::Var(x_)));
    if (!FreeOf(c, x_) || IsZeroValue(c)) return std::nullopt;
    std::optional<calculus::LinearParts> lin = calculus::AsLinear(f.Operand(1), x_);
    if (!lin || !(IsZeroValue(lin->b))) return std::nullopt;
    return ApplyFunction(id::kExp, MultiplyTrees(std::move(lin->a), std::move(c)));
  }

  bool IsPolynomial(const ExprNode& f) const {
    if (FreeOf(f, x_)) return true;
    if (!f.IsSum() && !f.IsProduct()) return false;
    for (const SymbolTerm& t : f.terms()) {
      if (t.name == x_ && (!t.exponent.IsInteger() || t.exponent.LessThan(0))) return false;
    }
    for (const ExprNode& op : f.operands()) {
      if (!IsPolynomial(op)) return false;
    }
    return true;
  }

  // A ratio of polynomials at infinity: the leading terms decide.
  std::optional<LimitResult> Rational(const ExprNode& f) {
    Fraction split = SplitFraction(f);
    ExprNode n = Expand(split.numerator);
    ExprNode d = Expand(split.denominator);
    if (!IsPolynomial(n) || !IsPolynomial(d) || (FreeOf(n, x_) && FreeOf(d, x_))) {
      return std::nullopt;
    }
    const Number dn = Degree(n, x_);
    const Number dd = Degree(d, x_);
    if (!dn.IsInteger() || !dd.IsInteger()) return std::nullopt;
    if (dn.LessThan(dd)) return Found(Num(0.0));
    ExprNode ratio = DivideTrees(Coefficient(n, x_, dn), Coefficient(d, x_, dd));
    if (dn.EqualsValue(dd)) return Found(std::move(ratio));
    std::optional<int> s = SignOf(ratio);
    if (!s || *s == 0) return Failed();
    int sign = *s;
    if (InfinitySign() < 0 && std::fmod(Subtract(dn, dd).RealValue(), 2.0) != 0.0) sign = -sign;
    return Found(Infinity(sign));
  }

  LimitResult Sum(const ExprNode& f) {
    std::vector<ExprNode> parts{Num(f.coefficient())};
    Code failure = Code::kFound;
    auto add = [&](const ExprNode& part) {
      LimitResult r = Of(part);
      if (!r.found()) {
        failure = failure == Code::kFound ? r.code : Worse(failure, r.code);
      } else if (failure == Code::kFound) {
        parts.push_back(std::move(r.value));
      }
    };
    for (const SymbolTerm& t : f.terms()) add(ExprNode::MakeTerm(t));
    for (const ExprNode& op : f.operands()) add(op);
    if (failure == Code::kFound) {
      ExprNode total = SumOfTrees(std::move(parts));
      if (!calculus::HasUndefinedPart(total)) return Found(std::move(total));
    }
    ExprNode together = Together(f);
    if (together == f) return Failed(failure == Code::kFound ? Code::kFailed : failure);
    LimitResult q = Quotient(together);
    if (!q.found() && failure != Code::kFound) q.code = Worse(q.code, failure);
    return q;
  }

  LimitResult Product(const ExprNode& f) {
    ExprNode total = Num(f.coefficient());
    bool ok = true;
    for (const SymbolTerm& t : f.terms()) {
      LimitResult r = Of(MakeTermNode(t.name, t.coefficient, t.exponent));
      if (!r.found()) {
        ok = false;
        break;
      }
      total = MultiplyTrees(std::move(total), std::move(r.value));
    }
    for (std::size_t i = 0; ok && i < f.OperandCount(); ++i) {
      LimitResult r = Of(f.Operand(i));
      if (!r.found()) {
        ok = false;
        break;
      }
      total = MultiplyTrees(std::move(total), std::move(r.value));
    }
    if (ok && !calculus::HasUndefinedPart(total)) return Found(std::move(total));
    LimitResult q = Quotient(f);
    if (q.found() || !ok) return q;
    return ZeroTimesInfinity(f);
  }

  // 0·∞ without a denominator: the factors tending to 0 move below the line as
  // their reciprocal, giving ∞/∞ for L'Hôpital's rule (x·ln(x) = ln(x)/x^-1).
  LimitResult ZeroTimesInfinity(const ExprNode& f) {
    ExprNode vanishing = Num(1.0);
    ExprNode rest = Num(f.coefficient());
    auto place = [&](ExprNode factor) {
      LimitResult r = Of(factor);
      if (r.found() && IsZeroValue(r.value)) {
        vanishing = MultiplyTrees(std::move(vanishing), std::move(factor));
      } else {
        rest = MultiplyTrees(std::move(rest), std::move(factor));
      }
    };
    for (const SymbolTerm& t : f.terms()) place(MakeTermNode(t.name, t.coefficient, t.exponent));
    for (const ExprNode& op : f.operands()) place(op);
    if (vanishing.IsNumber() || rest.IsNumber()) return Failed();
    return Quotient(rest, ReciprocalTree(std::move(vanishing)));
  }

  LimitResult Power(const ExprNode& f) {
    if (f.IsOperandPower()) {
      const ExprNode& u = f.Operand(0);
      const Number& e = f.coefficient();
      LimitResult base = Of(u);
      if (!base.found()) return Quotient(f);
      if (IsZeroValue(base.value) && e.IsReal() && e.LessThan(0)) return Pole(Num(1.0), u, e);
      return Found(PowerNumber(std::move(base.value), e));
    }
    if (f.OperandCount() != 2 || !f.coefficient().IsOne()) return Failed();
    const ExprNode& u = f.Operand(0);
    const ExprNode& v = f.Operand(1);
    LimitResult lu = Of(u);
    LimitResult lv = Of(v);
    if (lu.found() && lv.found() && !IsIndeterminatePower(lu.value, lv.value)) {
      return Found(PowerTrees(std::move(lu.value), std::move(lv.value)));
    }
    // u^v = exp(v·ln(u)).
    LimitResult exponent = Of(MultiplyTrees(v, calculus::Ln(u)));
    if (!exponent.found()) return exponent;
    return FunctionOfLimit(id::kExp, exponent.value);
  }

  // 1^∞, 0^0, ∞^0 and a base tending to 0 in general.
  static bool IsIndeterminatePower(const ExprNode& base, const ExprNode& exponent) {
    const bool base_one = base.IsNumber() && base.coefficient().IsOne();
    if (base_one && calculus::IsInfiniteValue(exponent)) return true;
    if (IsZeroValue(base)) return true;
    return calculus::IsInfiniteValue(base) && IsZeroValue(exponent);
  }

  LimitResult Function(const ExprNode& f) {
    if (!f.IsUnaryFunction()) return Failed();
    LimitResult inner = Of(f.Operand(0));
    if (!inner.found()) return inner;
    LimitResult r = FunctionOfLimit(f.FunctionId(), inner.value);
    if (r.found() && calculus::HasUndefinedPart(r.value)) {
      // At a pole of tan, sec, csc or cot the quotient of sine and cosine
      // tells the sides apart.
      if (std::optional<Fraction> q = CircularQuotient(f))
        return Quotient(q->numerator, q->denominator);
    }
    if (r.found()) r.value = MultiplyNumber(std::move(r.value), f.coefficient());
    return r;
  }

  // tan, sec, csc and cot as quotients of sin, cos and the node's coefficient.
  static std::optional<Fraction> CircularQuotient(const ExprNode& f) {
    const ElementaryFacts* facts = FindElementaryFacts(f.FunctionId());
    if (facts == nullptr || facts->family != FunctionFamily::kCircular ||
        facts->quotient_denominator == kNoFunction) {
      return std::nullopt;
    }
    const ExprNode& u = f.Operand(0);
    const ExprNode c = Num(f.coefficient());
    ExprNode numerator = facts->quotient_numerator == kNoFunction
                             ? c
                             : MultiplyTrees(c, ApplyFunction(facts->quotient_numerator, u));
    return Fraction{std::move(numerator), ApplyFunction(facts->quotient_denominator, u)};
  }

  LimitResult FunctionOfLimit(int f, const ExprNode& value) {
    if (value.IsList()) return Failed();
    if (calculus::IsInfiniteValue(value)) {
      std::optional<ExprNode> v =
          FunctionAtInfinity(f, value.coefficient().IsPlusInfinity() ? 1 : -1);
      if (!v) return Failed();
      return Found(std::move(*v));
    }
    if (IsJumpFunction(f)) {
      // At a jump the two sides differ; elsewhere these functions are constant nearby.
      if (!value.IsNumber() || !value.coefficient().IsReal()) return Failed();
      const double d = value.coefficient().RealValue();
      if (f == id::kSign ? d == 0.0 : d == std::floor(d)) return Failed();
    }
    ExprNode result = calculus::Apply(f, value);
    // A value left as a call that is not finite (atanh(1)) is a pole, not a
    // number to go on with.
    if (!result.IsPlain() && Variables(result).empty()) {
      ExprNode approximation = Approximate(result);
      if (approximation.IsNumber() && !approximation.coefficient().IsFinite()) return Failed();
    }
    return Found(std::move(result));
  }

  // f split into n/d: the quotient of the limits, or L'Hôpital's rule for 0/0
  // and ∞/∞.
  LimitResult Quotient(const ExprNode& f) {
    Fraction split = SplitFraction(f);
    if (split.denominator.IsNumber() && split.denominator.coefficient().IsOne()) return Failed();
    return Quotient(split.numerator, split.denominator);
  }

  LimitResult Quotient(const ExprNode& n, const ExprNode& d) {
    LimitResult ln = Of(n);
    if (!ln.found()) return ln;
    LimitResult ld = Of(d);
    if (!ld.found()) return ld;
    const bool zeros = IsZeroValue(ln.value) && IsZeroValue(ld.value);
    const bool infinities =
        calculus::IsInfiniteValue(ln.value) && calculus::IsInfiniteValue(ld.value);
    if (zeros || infinities) {
      if (lhopital_ >= kMaxLHopital) return Failed();
      std::optional<ExprNode> dn = Differentiate(n, x_);
      std::optional<ExprNode> dd = Differentiate(d, x_);
      if (!dn || !dd || TooLarge(*dn) || TooLarge(*dd)) return Failed();
      ++lhopital_;
      LimitResult r = Of(DivideTrees(std::move(*dn), std::move(*dd)));
      --lhopital_;
      return r;
    }
    if (IsZeroValue(ld.value)) return Pole(ln.value, d, Number(-1.0));
    return Found(DivideTrees(std::move(ln.value), std::move(ld.value)));
  }

  // abs(u) as ±u on the side of the point (one-sided limits only), so that
  // L'Hôpital's rule can differentiate it: x·ln(abs(x)) from above is x·ln(x).
 public:
  ExprNode WithoutAbs(const ExprNode& f) {
    if (f.IsFunction(id::kAbs) && f.OperandCount() == 1) {
      ExprNode u = WithoutAbs(f.Operand(0));
      std::optional<int> sign;
      LimitResult lu = Of(u);
      if (lu.found()) {
        std::optional<int> s = SignOf(lu.value);
        sign = s && *s == 0 ? SideSign(u, direction_) : s;
      }
      if (!sign || *sign == 0) return f;
      return MultiplyNumber(std::move(u), Multiply(f.coefficient(), Number(*sign)));
    }
    if (f.IsPlain() || FreeOf(f, x_) || f.IsList()) return f;
    std::vector<ExprNode> parts;
    for (const ExprNode& op : f.operands()) parts.push_back(WithoutAbs(op));
    if (f.IsSum() || f.IsProduct()) {
      parts.push_back(Num(f.coefficient()));
      for (const SymbolTerm& t : f.terms()) parts.push_back(ExprNode::MakeTerm(t));
      return f.IsSum() ? SumOfTrees(std::move(parts)) : ProductOfTrees(std::move(parts));
    }
    if (f.IsPower()) {
      ExprNode result = std::move(parts[0]);
      for (std::size_t i = 1; i < parts.size(); ++i) {
        result = PowerTrees(std::move(result), std::move(parts[i]));
      }
      return PowerNumber(std::move(result), f.coefficient());
    }
    if (f.IsUnaryFunction()) {
      return MultiplyNumber(ApplyFunction(f.FunctionId(), std::move(parts[0])), f.coefficient());
    }
    return f;
  }

 private:
  std::u16string x_;
  ExprNode a_;
  int direction_;
  bool infinite_ = false;
  int steps_ = 0;
  int lhopital_ = 0;
};

LimitResult OneSided(const ExprNode& f, std::u16string_view x, const ExprNode& a, int direction) {
  Limiter limiter(x, a, direction);
  if (!calculus::IsInfiniteValue(a)) {
    ExprNode g = limiter.WithoutAbs(f);
    if (!(g == f)) {
      LimitResult r = Limiter(x, a, direction).Of(g);
      if (r.found()) return r;
    }
  }
  return limiter.Of(f);
}

}  // namespace

LimitResult ComputeLimit(const ExprNode& f, std::u16string_view x, const ExprNode& a,
                         int direction) {
  if (a.IsList() || !FreeOf(a, x) || calculus::HasUndefinedPart(a)) return Failed();
  if (direction != 0) return OneSided(f, x, a, direction);
  LimitResult r = Limiter(x, a, 0).Of(f);
  if (r.found() || calculus::IsInfiniteValue(a)) return r;
  // A part without a two-sided limit can still leave one for the whole
  // (x·ln(x²) = ln(x²)/x^-1): the limits from both sides agree.
  LimitResult below = OneSided(f, x, a, -1);
  if (!below.found()) return r;
  LimitResult above = OneSided(f, x, a, 1);
  if (!above.found()) return r;
  if (!(above.value == below.value)) return Failed(Code::kNoTwoSidedLimit);
  return above;
}

std::optional<CommandOutcome> LimitAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const std::u16string x(arguments[1].VariableName());
  const int direction = static_cast<int>(arguments[3].coefficient().RealValue());
  LimitResult r = ComputeLimit(arguments[0], x, arguments[2], direction);
  switch (r.code) {
    case Code::kFound: return CommandOutcome::Value(std::move(r.value));
    case Code::kNoTwoSidedLimit: return CommandOutcome::Fail(u"The two-sided limit does not exist");
    case Code::kFailed: break;
  }
  return CommandOutcome::Fail(u"Could not find the limit");
}

}  // namespace zentrix::engine
