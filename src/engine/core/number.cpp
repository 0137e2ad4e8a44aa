#include "engine/core/number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

// Integral doubles up to this magnitude are exact, so they convert to 64-bit
// integers without loss; beyond it a divisor cannot be computed reliably.
constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53

bool IsIntegral(double v) { return std::isfinite(v) && v == std::trunc(v); }

double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

}  // namespace

double NumberGcd(double a, double b) {
  if (!IsIntegral(a) || !IsIntegral(b)) return 1.0;
  if (std::fabs(a) > kExactIntegerLimit || std::fabs(b) > kExactIntegerLimit) return 0.0;
  std::int64_t x = std::llabs(static_cast<std::int64_t>(a));
  std::int64_t y = std::llabs(static_cast<std::int64_t>(b));
  while (y != 0) {
    std::int64_t r = x % y;
    x = y;
    y = r;
  }
  return static_cast<double>(x);
}

Number Number::Ratio(double numerator, double denominator) {
  double n = numerator;
  double d = denominator;
  if (!std::isfinite(n)) return Number(n);
  if (!std::isfinite(d)) return Number(d);
  if (d == 1.0) return Number(n);
  if (d == 0.0) return PlusInfinity();
  if (n == d) return Number(1.0);
  if (IsIntegral(n) && IsIntegral(d)) {
    double g = NumberGcd(n, d);
    if (g == 0.0) return Number(n / d);
    // Both are exact integers below 2^53 here, so the division is exact.
    double reduced_n =
        static_cast<double>(static_cast<std::int64_t>(n) / static_cast<std::int64_t>(g));
    double reduced_d =
        static_cast<double>(static_cast<std::int64_t>(d) / static_cast<std::int64_t>(g));
    if (reduced_d == 1.0) return Number(reduced_n);
    if (reduced_d == 0.0) return PlusInfinity();
    if (g != 1.0) RaiseRewriteFlag();
    if (reduced_d < 0) {
      reduced_n = -reduced_n;
      reduced_d = -reduced_d;
    }
    return Raw(reduced_n, reduced_d, 0.0, 1.0);
  }
  return Number(n / d);
}

Number Number::Complex(double re, double im) { return Raw(re, 1.0, im, 1.0); }

Number Number::FromParts(const Number& re, const Number& im) {
  if (im.im_num_ == 0.0 && im.re_num_ == 0.0) return Raw(re.re_num_, re.re_den_, 0.0, 1.0);
  return Raw(re.re_num_, re.re_den_, im.re_num_, im.re_den_);
}

Number Number::Raw(double re_num, double re_den, double im_num, double im_den) {
  Number n;
  n.re_num_ = re_num;
  n.re_den_ = re_den;
  n.im_num_ = im_num;
  n.im_den_ = im_den;
  return n;
}

Number Number::PlusInfinity() {
  Number n(1.0);
  n.kind_ = kInfinity;
  return n;
}

Number Number::MinusInfinity() {
  Number n(-1.0);
  n.kind_ = kInfinity;
  return n;
}

Number Number::Indeterminate() {
  Number n;
  n.kind_ = kIndeterminate;
  return n;
}

Number Number::ComplexInfinity() {
  Number n;
  n.kind_ = kComplexInfinity;
  return n;
}

Number Number::FromDecimal(double x) {
  constexpr int kMaxSteps = 1000;
  if (!std::isfinite(x)) return Number(x);
  if (x == 1.0) return Ratio(1.0, 1.0);
  const double k = std::trunc(x);
  // Walk down the continued fraction, remembering each level's whole part.
  std::vector<double> whole_parts;
  double f = x - k;
  double tolerance = 1e-10;
  int steps = 0;
  while (true) {
    if (++steps > kMaxSteps) return Number(x);
    const double a = std::trunc(f);
    const double rest = f - a;
    if (!(std::fabs(rest) > tolerance)) break;
    // The tolerance grows with the size of the whole part; its magnitude keeps
    // it positive for negative values.
    tolerance *= std::fabs(a) + 1.0;
    f = 1.0 / rest;
    whole_parts.push_back(std::trunc(f));
  }
  // Fold back up: the fractional part is approximately q/p.
  double p = 1.0;
  double q = 0.0;
  for (auto it = whole_parts.rbegin(); it != whole_parts.rend(); ++it) {
    const double next_p = *it * p + q;
    q = p;
    p = next_p;
  }
  double numerator = k * p + q;
  double denominator = p;
  if (denominator < 0 && numerator > 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  return Ratio(numerator, denominator);
}

bool Number::IsInteger() const { return IsIntegerOrDecimal() && std::fmod(re_num_, 1.0) == 0.0; }

bool Number::IsNonIntegral(double v) { return std::isfinite(v) && v != std::trunc(v); }

bool Number::IsDecimal() const {
  return kind_ == kFinite && (IsNonIntegral(re_num_) || IsNonIntegral(im_num_));
}

bool Number::HasNonFiniteField() const {
  return !std::isfinite(re_num_) || !std::isfinite(re_den_) || !std::isfinite(im_num_) ||
         !std::isfinite(im_den_);
}

double Number::RealValue() const {
  if (kind_ != kFinite) return 0.0;
  if (re_den_ == 1.0) return re_num_;
  return re_num_ / re_den_;
}

double Number::ImagValue() const {
  if (!IsComplex()) return 0.0;
  return im_num_ / im_den_;
}

Number Number::RealPart() const {
  if (kind_ != kFinite) return *this;
  return Raw(re_num_, re_den_, 0.0, 1.0);
}

Number Number::ImagPart() const {
  if (kind_ != kFinite) return Number();
  return Raw(im_num_, im_den_, 0.0, 1.0);
}

bool operator==(const Number& a, const Number& b) {
  if (a.kind_ != b.kind_) return false;
  switch (a.kind_) {
    case Number::kFinite:
      return a.re_num_ == b.re_num_ && a.re_den_ == b.re_den_ && a.im_num_ == b.im_num_ &&
             a.im_den_ == b.im_den_;
    case Number::kInfinity: return a.re_num_ == b.re_num_;
    default: return true;
  }
}

bool Number::GreaterThan(const Number& o) const { return IsReal() && RealValue() > o.RealValue(); }
bool Number::LessThan(const Number& o) const { return IsReal() && RealValue() < o.RealValue(); }
bool Number::GreaterOrEqual(const Number& o) const {
  return IsReal() && RealValue() >= o.RealValue();
}
bool Number::LessOrEqual(const Number& o) const { return IsReal() && RealValue() <= o.RealValue(); }
bool Number::EqualsValue(const Number& o) const { return IsReal() && RealValue() == o.RealValue(); }
bool Number::NotEqualsValue(const Number& o) const {
  return IsReal() && RealValue() != o.RealValue();
}
bool Number::GreaterThan(int v) const { return IsReal() && RealValue() > v; }
bool Number::LessThan(int v) const { return IsReal() && RealValue() < v; }
bool Number::GreaterOrEqual(int v) const { return IsReal() && RealValue() >= v; }
bool Number::LessOrEqual(int v) const { return IsReal() && RealValue() <= v; }
bool Number::EqualsValue(int v) const { return IsReal() && RealValue() == v; }
bool Number::NotEqualsValue(int v) const { return IsReal() && RealValue() != v; }

// ---- Addition -------------------------------------------------------------

namespace {

Number AddNonFinite(const Number& a, const Number& b) {
  if (a.IsPlusInfinity() && (b.IsPlusInfinity() || b.IsFinite())) return a;
  if (a.IsMinusInfinity() && (b.IsMinusInfinity() || b.IsFinite())) return a;
  if (a.IsFinite() && b.IsInfinity()) return AddNonFinite(b, a);
  // A finite value moved by complex infinity is still complex infinity.
  if (a.IsComplexInfinity() && b.IsFinite()) return a;
  if (a.IsFinite() && b.IsComplexInfinity()) return b;
  return Number::Indeterminate();
}

// a integer-or-decimal plus the fraction p/q.
Number AddToFraction(const Number& a, const Number& fraction) {
  RaiseRewriteFlag();
  const double p = fraction.RealNumerator();
  const double q = fraction.RealDenominator();
  return Number::Ratio(a.RealNumerator() * q + p, q);
}

}  // namespace

Number Add(const Number& a, const Number& b) {
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;
  if (!a.IsFinite() || !b.IsFinite()) return AddNonFinite(a, b);
  if (a.IsComplex() || b.IsComplex()) {
    return Number::FromParts(Add(a.RealPart(), b.RealPart()), Add(a.ImagPart(), b.ImagPart()));
  }
  if (a.IsIntegerOrDecimal()) {
    if (b.IsFraction()) return AddToFraction(a, b);
    return Number(a.RealNumerator() + b.RealNumerator());
  }
  // a is a fraction.
  if (b.IsIntegerOrDecimal()) return AddToFraction(b, a);
  RaiseRewriteFlag();
  const double p1 = a.RealNumerator(), q1 = a.RealDenominator();
  const double p2 = b.RealNumerator(), q2 = b.RealDenominator();
  return Number::Ratio(p1 * q2 + p2 * q1, q1 * q2);
}

Number Subtract(const Number& a, const Number& b) { return Add(a, Negate(b)); }

Number Negate(const Number& a) { return Multiply(Number(-1.0), a); }

// ---- Multiplication -------------------------------------------------------

namespace {

Number MultiplyNonFinite(const Number& a, const Number& b) {
  if (a.IsInfinity()) {
    if (b.IsInfinity()) {
      return a.RealNumerator() * b.RealNumerator() > 0 ? Number::PlusInfinity()
                                                       : Number::MinusInfinity();
    }
    if (b.IsReal()) {
      if (b.IsZero() || b.RealValue() == 0.0) return Number::Indeterminate();
      return a.RealNumerator() * Sign(b.RealValue()) > 0 ? Number::PlusInfinity()
                                                         : Number::MinusInfinity();
    }
  }
  if (a.IsFinite() && b.IsInfinity()) return MultiplyNonFinite(b, a);
  // Complex infinity times anything but zero or an undefined value stays
  // complex infinity.
  if (a.IsComplexInfinity() || b.IsComplexInfinity()) {
    const Number& other = a.IsComplexInfinity() ? b : a;
    if (other.IsIndeterminate()) return other;
    if (other.IsFinite() && other.RealValue() == 0.0 && other.ImagValue() == 0.0) {
      return Number::Indeterminate();
    }
    return Number::ComplexInfinity();
  }
  return Number::Indeterminate();
}

double Chop(double v, double limit) { return (v != 0.0 && std::fabs(v) < limit) ? 0.0 : v; }

Number MultiplyComplex(const Number& x, const Number& y) {
  const Number a = x.RealPart(), b = x.ImagPart();
  const Number c = y.RealPart(), d = y.ImagPart();
  Number re = Subtract(Multiply(a, c), Multiply(b, d));
  Number im = Add(Multiply(a, d), Multiply(b, c));
  // A vanishing imaginary part left by rounding makes the product real.
  const double im_value = im.RealValue();
  if (im_value != 0.0 && std::fabs(im_value) < 1e-12) im = Number();
  return Number::FromParts(re, im);
}

}  // namespace

Number Multiply(const Number& a, const Number& b) {
  if (!a.IsFinite() || !b.IsFinite()) return MultiplyNonFinite(a, b);
  if (a.IsZero() || b.IsZero()) return Number();
  if (a.IsOne()) return b;
  if (b.IsOne()) return a;
  if (a.IsIntegerOrDecimal() && b.IsFraction()) {
    return Number::Ratio(a.RealNumerator() * b.RealNumerator(), b.RealDenominator());
  }
  if (a.IsFraction() && b.IsIntegerOrDecimal()) {
    return Number::Ratio(b.RealNumerator() * a.RealNumerator(), a.RealDenominator());
  }
  if (a.IsFraction() && b.IsFraction()) {
    RaiseRewriteFlag();
    return Number::Ratio(a.RealNumerator() * b.RealNumerator(),
                         a.RealDenominator() * b.RealDenominator());
  }
  if (a.IsIntegerOrDecimal() && b.IsIntegerOrDecimal()) {
    return Number(a.RealNumerator() * b.RealNumerator());
  }
  if (a.IsIntegerOrDecimal() && b.IsComplex()) {
    return Number::FromParts(Multiply(a, b.RealPart()), Multiply(a, b.ImagPart()));
  }
  if (a.IsComplex() && b.IsIntegerOrDecimal()) {
    return Number::FromParts(Multiply(b, a.RealPart()), Multiply(b, a.ImagPart()));
  }
  if (a.IsComplex() && b.IsComplex()) return MultiplyComplex(a, b);
  // A fraction with a complex value, part by part, so that exact parts stay
  // exact (i/2 is the fraction 1/2 times i, not 0.5i).
  RaiseRewriteFlag();
  const Number& fraction = a.IsFraction() ? a : b;
  const Number& complex = a.IsFraction() ? b : a;
  return Number::FromParts(Multiply(fraction, complex.RealPart()),
                           Multiply(fraction, complex.ImagPart()));
}

// ---- Division -------------------------------------------------------------

namespace {

Number DivideNonFinite(const Number& a, const Number& b) {
  if (a.IsIndeterminate() || b.IsIndeterminate()) return Number::Indeterminate();
  // A finite value over any infinity vanishes.
  if (a.IsFinite() && (b.IsInfinity() || b.IsComplexInfinity())) return Number();
  if (b.IsFinite() && (b.RealValue() != 0.0 || b.ImagValue() != 0.0)) {
    if (a.IsInfinity() && b.IsReal()) {
      return a.RealNumerator() * Sign(b.RealValue()) > 0 ? Number::PlusInfinity()
                                                         : Number::MinusInfinity();
    }
    if (a.IsInfinity() || a.IsComplexInfinity()) return Number::ComplexInfinity();
  }
  return Number::Indeterminate();
}

}  // namespace

Number Divide(const Number& a, const Number& b) {
  if (!a.IsFinite() || !b.IsFinite()) return DivideNonFinite(a, b);
  const bool a_zero = a.IsZero() || (a.IsReal() && a.RealValue() == 0.0);
  const bool b_zero = b.IsZero() || (b.IsReal() && b.RealValue() == 0.0);
  if (a_zero) return b_zero ? Number::Indeterminate() : Number();
  if (b_zero) return Number::ComplexInfinity();
  if (b.IsOne()) return a;
  if (a.IsComplex() || b.IsComplex()) {
    // (a·conj b) / |b|².
    const Number c = b.RealPart(), d = b.ImagPart();
    const Number conj = Number::FromParts(c, Negate(d));
    const Number modulus2 = Add(Multiply(c, c), Multiply(d, d));
    const Number numerator = Multiply(a, conj);
    return Number::FromParts(Divide(numerator.RealPart(), modulus2),
                             Divide(numerator.ImagPart(), modulus2));
  }
  if (a.IsIntegerOrDecimal()) {
    if (b.IsIntegerOrDecimal()) return Number::Ratio(a.RealNumerator(), b.RealNumerator());
    return Number::Ratio(a.RealNumerator() * b.RealDenominator(), b.RealNumerator());
  }
  RaiseRewriteFlag();
  if (b.IsIntegerOrDecimal()) {
    return Number::Ratio(a.RealNumerator(), a.RealDenominator() * b.RealNumerator());
  }
  return Number::Ratio(a.RealNumerator() * b.RealDenominator(),
                       a.RealDenominator() * b.RealNumerator());
}

// ---- Power ----------------------------------------------------------------

Number PolarPower(const Number& z, const Number& w) {
  constexpr double kPi = 3.141592653589793;
  constexpr double kE = 2.718281828459045;
  const double x = z.RealValue(), y = z.ImagValue();
  const double c = w.RealValue(), d = w.ImagValue();
  if (x == 0.0 && y == 0.0 && c > 0) return Number();
  // hypot: x·x underflows for |x| below about 1e-154, and a zero r would make
  // the angle ln(r)·d undefined.
  const double r = std::hypot(x, y);
  const double theta = std::atan2(y, x);
  const double modulus = std::pow(r, c) * std::pow(kE, -theta * d);
  const double angle = std::log(r) * d + theta * c;
  double cosine = std::cos(angle);
  double sine = std::sin(angle);
  // The principal cube root of a negative real lies at exactly 60 degrees.
  if (theta == kPi && d == 0.0 && w.RealNumerator() == 1.0 && w.RealDenominator() == 3.0 &&
      w.ImagNumerator() == 0.0) {
    cosine = 0.5;
  }
  if (cosine == 1.0 || cosine == -1.0) {
    sine = 0.0;
  } else if (sine == 1.0 || sine == -1.0) {
    cosine = 0.0;
  }
  // The rounding left in the cosine or sine of a right angle is removed. The
  // threshold is relative to the modulus: small values such as 0.05^11 are
  // results, not rounding, and must survive.
  return Number::Complex(Chop(cosine, 1e-14) * modulus, Chop(sine, 1e-14) * modulus);
}

namespace {

Number PowerOfInfinity(const Number& a, const Number& b) {
  if (a.IsPlusInfinity()) {
    if (b.LessThan(0)) return Number();
    if (b.GreaterThan(0)) return a;
  } else if (a.IsMinusInfinity()) {
    if (b.LessThan(0)) return Number();
    if (b.GreaterThan(0) && b.IsInteger()) {
      return std::fmod(b.RealValue(), 2.0) != 0.0 ? a : Number::PlusInfinity();
    }
  }
  return Number::Indeterminate();
}

Number PowerToInfinity(const Number& a, const Number& b) {
  if (!a.IsReal() || !b.IsInfinity()) return Number::Indeterminate();
  const double v = a.RealValue();
  if (b.IsPlusInfinity()) {
    if (v > -1 && v < 1) return Number();
    if (v > 1) return Number::PlusInfinity();
    if (v < -1) return Number::ComplexInfinity();
  } else {
    if (v == 0) return Number::ComplexInfinity();
    if (v > 0 && v < 1) return Number::PlusInfinity();
    if (v > -1 && v < 0) return Number::ComplexInfinity();
    if (v < -1 || v > 1) return Number();
  }
  return Number::Indeterminate();
}

}  // namespace

Number Power(const Number& a, const Number& b) {
  if (!a.IsFinite()) return PowerOfInfinity(a, b);
  if (!b.IsFinite()) return PowerToInfinity(a, b);
  if (a.IsZero()) {
    if (b.IsComplex() || b.IsZero()) return Number::Indeterminate();
    if (b.LessThan(0)) return Number::ComplexInfinity();
  }
  if (a.IsComplex() || b.IsComplex()) return PolarPower(a, b);
  if (a.IsFraction() && b.IsInteger()) {
    const double e = b.RealValue();
    const double p = a.RealNumerator(), q = a.RealDenominator();
    // A negative exponent turns the fraction over, which keeps it exact.
    if (e < 0) return Number::Ratio(std::pow(q, -e), std::pow(p, -e));
    return Number::Ratio(std::pow(p, e), std::pow(q, e));
  }
  if (a.IsInteger() && b.IsInteger() && b.LessThan(0)) {
    RaiseRewriteFlag();
    return Number::Ratio(1.0, std::pow(a.RealValue(), -b.RealValue()));
  }
  if (a.IsOne()) return Number(1.0);
  return PolarPower(a, b);
}

// ---- Remainder and square root ---------------------------------------------

Number Mod(const Number& a, const Number& b) {
  if (!a.IsFinite() || !b.IsFinite()) return Number::Indeterminate();
  if (a == b) return Number();
  if (a.IsComplex() || b.IsComplex()) return Number();
  if (b.RealValue() == 0.0) return Number::Indeterminate();
  // fmod of integers is exact and takes the sign of the dividend, as the
  // integer remainder does, for every integer a double holds.
  if (a.IsInteger() && b.IsInteger()) return Number(std::fmod(a.RealValue(), b.RealValue()));
  if (a.IsFraction() && b.IsInteger()) {
    if (std::fabs(a.RealValue()) < std::fabs(b.RealValue())) return a;
    return Number::Ratio(std::fmod(a.RealNumerator(), b.RealValue() * a.RealDenominator()),
                         a.RealDenominator());
  }
  return Number(std::fmod(a.RealValue(), b.RealValue()));
}

Number Sqrt(const Number& a) {
  if (a.IsPlusInfinity()) return a;
  if (!a.IsFinite()) return Number::Indeterminate();
  if (a.IsComplex()) {
    const double x = a.RealValue(), y = a.ImagValue();
    const double r = std::hypot(x, y);
    const double re = std::sqrt((r + x) / 2.0);
    const double im = std::copysign(std::sqrt((r - x) / 2.0), y);
    return Number::Complex(re, im);
  }
  const double v = a.RealValue();
  // The root of a negative real is imaginary rather than not-a-number.
  if (v < 0) return Number::Complex(0.0, std::sqrt(-v));
  return Number(std::sqrt(v));
}

}  // namespace zentrix::engine
