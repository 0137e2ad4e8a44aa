#pragma once
// The engine's scalar: a complex value whose real and imaginary parts are each a
// quotient of two doubles (an exact fraction when both are integral, a decimal
// when the denominator is 1 and the numerator is not integral), or one of the
// non-finite kinds. A plain value; arithmetic never fails.

#include <cstdint>

namespace zentrix::engine {

class Number {
 public:
  // Which sort of value a Number is.
  enum Kind : std::int32_t {
    kFinite = 'N',
    kInfinity = 'i',  // real infinity; the sign is the real numerator (+1 or -1)
    kIndeterminate = 'm',
    kComplexInfinity = 'x',
  };

  // 0.
  constexpr Number() = default;
  // A real value over 1.0, not reduced (an integer or a decimal).
  constexpr Number(double value) : re_num_(value) {}  // NOLINT: implicit on purpose

  // The normalising constructor: n/d reduced to lowest terms when both are
  // integral, else the decimal n÷d. Raises the rewrite flag when it reduces by
  // a divisor other than 1. A zero denominator gives plus infinity.
  static Number Ratio(double numerator, double denominator);
  // re + im·i with both denominators 1.0.
  static Number Complex(double re, double im);
  // A complex value from two real Numbers (their exact quotients are kept).
  static Number FromParts(const Number& re, const Number& im);
  // The four fields as given, no normalisation (for callers that already hold
  // a normalised value, such as a reader of saved numbers).
  static Number Raw(double re_num, double re_den, double im_num, double im_den);
  static Number PlusInfinity();
  static Number MinusInfinity();
  static Number Indeterminate();
  static Number ComplexInfinity();
  // An exact fraction close to x by continued fractions (tolerance 1e-10), or
  // the decimal x when the expansion takes more than 1000 steps.
  static Number FromDecimal(double x);

  Kind kind() const { return static_cast<Kind>(kind_); }

  // Classification; all are false unless the kind is finite, except the
  // infinity tests.
  bool IsFinite() const { return kind_ == kFinite; }
  bool IsReal() const { return kind_ == kFinite && im_num_ == 0.0; }
  bool IsComplex() const { return kind_ == kFinite && im_num_ != 0.0; }
  bool IsIntegerOrDecimal() const { return kind_ == kFinite && re_den_ == 1.0 && im_num_ == 0.0; }
  bool IsFraction() const { return kind_ == kFinite && re_den_ != 1.0 && im_num_ == 0.0; }
  bool IsInteger() const;
  bool IsZero() const { return IsIntegerOrDecimal() && re_num_ == 0.0; }
  bool IsOne() const { return IsIntegerOrDecimal() && re_num_ == 1.0; }
  bool IsPlusInfinity() const { return kind_ == kInfinity && re_num_ == 1.0; }
  bool IsMinusInfinity() const { return kind_ == kInfinity && re_num_ == -1.0; }
  bool IsInfinity() const { return kind_ == kInfinity; }
  bool IsIndeterminate() const { return kind_ == kIndeterminate; }
  bool IsComplexInfinity() const { return kind_ == kComplexInfinity; }
  // A finite value with a part that is a decimal (non-integral numerator over 1).
  bool IsDecimal() const;
  // Any of the four fields is not finite (overflow).
  bool HasNonFiniteField() const;
  // v has a fractional part.
  static bool IsNonIntegral(double v);

  // Real value: the numerator, or numerator÷denominator; 0 for non-finite kinds.
  double RealValue() const;
  // Imaginary value of a complex value, else 0.
  double ImagValue() const;
  // The real and imaginary parts as normalised real Numbers.
  Number RealPart() const;
  Number ImagPart() const;
  double RealNumerator() const { return re_num_; }
  double RealDenominator() const { return re_den_; }
  double ImagNumerator() const { return im_num_; }
  double ImagDenominator() const { return im_den_; }

  // Exact equality: the kinds and, for finite values, all four fields.
  friend bool operator==(const Number& a, const Number& b);

  // Ordering tests: false unless this value is real; compare real values.
  bool GreaterThan(const Number& other) const;
  bool LessThan(const Number& other) const;
  bool GreaterOrEqual(const Number& other) const;
  bool LessOrEqual(const Number& other) const;
  bool EqualsValue(const Number& other) const;
  bool NotEqualsValue(const Number& other) const;
  bool GreaterThan(int v) const;
  bool LessThan(int v) const;
  bool GreaterOrEqual(int v) const;
  bool LessOrEqual(int v) const;
  bool EqualsValue(int v) const;
  bool NotEqualsValue(int v) const;

 private:
  double re_num_ = 0.0;
  double re_den_ = 1.0;
  double im_num_ = 0.0;
  double im_den_ = 1.0;
  std::int32_t kind_ = kFinite;
};

// Arithmetic; never fails (non-finite kinds stand for undefined results).
Number Add(const Number& a, const Number& b);
Number Subtract(const Number& a, const Number& b);
Number Multiply(const Number& a, const Number& b);
Number Divide(const Number& a, const Number& b);
Number Power(const Number& a, const Number& b);
Number Negate(const Number& a);
Number Mod(const Number& a, const Number& b);
Number Sqrt(const Number& a);
// The polar power routine z^w on the values as doubles; both parts decimals.
Number PolarPower(const Number& z, const Number& w);

inline Number operator+(const Number& a, const Number& b) { return Add(a, b); }
inline Number operator-(const Number& a, const Number& b) { return Subtract(a, b); }
inline Number operator*(const Number& a, const Number& b) { return Multiply(a, b); }
inline Number operator/(const Number& a, const Number& b) { return Divide(a, b); }
inline Number operator-(const Number& a) { return Negate(a); }

// Greatest common divisor of two integral doubles (1 when either is not
// integral), non-negative. Integral values up to 2^53 are handled exactly.
double NumberGcd(double a, double b);

}  // namespace zentrix::engine
