#include "engine/commands/polynomial/exact_poly.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/sparse_terms_impl.h"

namespace zentrix::engine::poly {
namespace {

// An operation on GMP rationals costs several Number operations (they
// allocate and reduce), and more in proportion to the size of the numbers,
// so that the allowance bounds the time of sequences whose coefficients grow.
void ChargeSized(std::int64_t operations, std::size_t bits) {
  ChargeWork(operations * (8 + static_cast<std::int64_t>(bits / 64)));
}

std::size_t BitsOf(const Rational& q) {
  return mpz_sizeinbase(q.get_num_mpz_t(), 2) + mpz_sizeinbase(q.get_den_mpz_t(), 2);
}

bool FitsDouble(const Integer& z) {
  // Exactly representable: the conversion to binary64 and back gives it again.
  const double d = z.get_d();
  if (!std::isfinite(d)) return false;
  return Integer(d) == z;
}

// The binary64 value nearest to q (GMP's conversion truncates).
double NearestDouble(const Rational& q) {
  const double d = q.get_d();
  const double other = std::nextafter(d, q > 0 ? HUGE_VAL : -HUGE_VAL);
  if (!std::isfinite(other)) return d;
  const Rational error_d = abs(q - Rational(d));
  const Rational error_other = abs(q - Rational(other));
  return error_other < error_d ? other : d;
}

}  // namespace

template <>
struct CoefficientArithmetic<Rational> {
  static bool IsZero(const Rational& c) { return c == 0; }
  static void AddTo(Rational& acc, const Rational& c) { acc += c; }
  static Rational Times(const Rational& a, const Rational& b) { return a * b; }
  static Rational Quotient(const Rational& a, const Rational& b) { return a / b; }
  static Rational Negated(const Rational& c) { return -c; }
  static Rational FromExponent(Exponent k) { return Rational(k); }
  static void ChargeMerge(const ExactPoly& a, const ExactPoly& b, const Rational& t) {
    ChargeSized(WidthScaled(static_cast<std::int64_t>(a.size() + b.size()), a.nvars()),
                std::max(a.CoefficientBits(), b.CoefficientBits()) + BitsOf(t));
  }
};

template class SparseTerms<ExactPoly, Rational>;

std::size_t ExactPoly::CoefficientBits() const {
  std::size_t bits = 0;
  for (const Rational& c : coeffs_) bits = std::max(bits, BitsOf(c));
  return bits;
}

ExactPoly ExactPoly::Negated() const { return Scaled(Rational(-1)); }

ExactPoly ExactPoly::Scaled(const Rational& c) const {
  if (c == 0) return ExactPoly(nvars_);
  ChargeSized(static_cast<std::int64_t>(size()), CoefficientBits() + BitsOf(c));
  ExactPoly out(nvars_);
  out.exps_ = exps_;
  out.coeffs_.reserve(size());
  for (const Rational& k : coeffs_) out.coeffs_.push_back(c * k);
  return out;
}

ExactPoly ExactPoly::Power(int n) const {
  ExactPoly result = Constant(nvars_, Rational(1));
  ExactPoly base = *this;
  while (n > 0) {
    if (n & 1) result = result * base;
    n >>= 1;
    if (n > 0) base = base * base;
  }
  return result;
}

ExactPoly operator+(const ExactPoly& a, const ExactPoly& b) {
  return MergeTerms(a, b, Rational(1), nullptr);
}

ExactPoly operator-(const ExactPoly& a, const ExactPoly& b) {
  return MergeTerms(a, b, Rational(-1), nullptr);
}

ExactPoly operator*(const ExactPoly& a, const ExactPoly& b) {
  const int n = a.nvars_;
  if (a.IsZero() || b.IsZero()) return ExactPoly(n);
  const std::int64_t work = static_cast<std::int64_t>(a.size()) * b.size();
  ChargeSized(WidthScaled(work, n), a.CoefficientBits() + b.CoefficientBits());
  CheckTermCount(std::min<std::int64_t>(work, kMaxTerms + 1));
  for (int v = 0; v < n; ++v) CheckExponent(static_cast<std::int64_t>(a.Degree(v)) + b.Degree(v));
  ExactPoly out(n);
  out.exps_.reserve(static_cast<std::size_t>(work) * n);
  out.coeffs_.reserve(static_cast<std::size_t>(work));
  std::vector<Exponent> e(n);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) {
      for (int v = 0; v < n; ++v) e[v] = a.Exp(i, v) + b.Exp(j, v);
      out.Append(e.data(), a.coeffs_[i] * b.coeffs_[j]);
    }
  }
  out.Normalize();
  return out;
}

ExactPoly DivideWithRemainder(const ExactPoly& a, const ExactPoly& b, ExactPoly* remainder) {
  return DivideTerms(a, b, remainder);
}

bool DivideExactly(const ExactPoly& a, const ExactPoly& b, ExactPoly* quotient) {
  return DivideTermsExactly(a, b, quotient);
}

std::optional<Rational> ToRational(const Number& v) {
  if (!v.IsReal() || v.IsDecimal() || v.HasNonFiniteField()) return std::nullopt;
  Rational q(Integer(v.RealNumerator()), Integer(v.RealDenominator()));
  q.canonicalize();
  return q;
}

Number ToNumber(const Rational& q) {
  const Integer& num = q.get_num();
  const Integer& den = q.get_den();
  if (den == 1) {
    if (!FitsDouble(num)) throw ExactRangeExceeded();
    return Number(num.get_d());
  }
  // A fraction must stay reducible by the Number's own divisor routine.
  const Integer limit(kExactIntegerLimit);
  if (abs(num) <= limit && den <= limit) return Number::Raw(num.get_d(), den.get_d(), 0.0, 1.0);
  // Beyond that the fraction's value becomes a decimal, which shows it is
  // approximate; a value a decimal cannot show (no fractional part left, or
  // underflow to 0) is refused.
  const double value = NearestDouble(q);
  if (!Number::IsNonIntegral(value)) throw ExactRangeExceeded();
  return Number(value);
}

std::optional<ExactPoly> ToExact(const Poly& p) {
  ExactPoly out(p.nvars());
  for (std::size_t i = 0; i < p.size(); ++i) {
    std::optional<Rational> c = ToRational(p.Coeff(i));
    if (!c) return std::nullopt;
    out.Append(p.Exps(i), std::move(*c));
  }
  // Poly's normal form is the same order.
  return out;
}

Poly FromExact(const ExactPoly& p) {
  Poly out(p.nvars());
  for (std::size_t i = 0; i < p.size(); ++i) out.Append(p.Exps(i), ToNumber(p.Coeff(i)));
  return out;
}

}  // namespace zentrix::engine::poly
