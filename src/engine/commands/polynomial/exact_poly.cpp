#include "engine/commands/polynomial/exact_poly.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/base/poly_limits.h"

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

// a + t·x^shift·b by merging the two sorted term lists (shift may be null).
ExactPoly MergeAdd(const ExactPoly& a, const ExactPoly& b, const Rational& t,
                   const Exponent* shift) {
  const int n = a.nvars();
  ExactPoly out(n);
  std::vector<Exponent> e(n);
  auto shifted = [&](std::size_t j) {
    const Exponent* be = b.Exps(j);
    for (int v = 0; v < n; ++v) e[v] = be[v] + (shift ? shift[v] : 0);
    return e.data();
  };
  ChargeSized(WidthScaled(static_cast<std::int64_t>(a.size() + b.size()), n),
              std::max(a.CoefficientBits(), b.CoefficientBits()) + BitsOf(t));
  CheckTermCount(static_cast<std::int64_t>(a.size() + b.size()));
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (j == b.size()) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
      continue;
    }
    const Exponent* be = shifted(j);
    const int cmp = i == a.size() ? -1 : CompareExponents(a.Exps(i), be, n);
    if (cmp > 0) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
    } else if (cmp < 0) {
      out.Append(be, t * b.Coeff(j));
      ++j;
    } else {
      Rational c = a.Coeff(i) + t * b.Coeff(j);
      if (c != 0) out.Append(be, std::move(c));
      ++i;
      ++j;
    }
  }
  return out;
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

void ExactPoly::Widen(int nvars) {
  if (nvars <= nvars_) return;
  std::vector<Exponent> wider(size() * nvars, 0);
  for (std::size_t i = 0; i < size(); ++i) {
    std::copy(Exps(i), Exps(i) + nvars_, wider.begin() + i * nvars);
  }
  exps_.swap(wider);
  nvars_ = nvars;
}

ExactPoly ExactPoly::Constant(int nvars, const Rational& c) {
  ExactPoly p(nvars);
  if (c != 0) {
    std::vector<Exponent> zero(nvars, 0);
    p.Append(zero.data(), c);
  }
  return p;
}

ExactPoly ExactPoly::Monomial(int nvars, const Rational& c, int var, Exponent e) {
  ExactPoly p(nvars);
  if (c != 0) {
    std::vector<Exponent> exps(nvars, 0);
    exps[var] = e;
    p.Append(exps.data(), c);
  }
  return p;
}

bool ExactPoly::IsConstant() const {
  if (coeffs_.empty()) return true;
  if (coeffs_.size() > 1) return false;
  return std::all_of(exps_.begin(), exps_.end(), [](Exponent e) { return e == 0; });
}

void ExactPoly::Append(const Exponent* exps, Rational c) {
  exps_.insert(exps_.end(), exps, exps + nvars_);
  coeffs_.push_back(std::move(c));
}

void ExactPoly::Normalize() {
  const std::size_t n = size();
  std::vector<std::uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return CompareExponents(Exps(a), Exps(b), nvars_) > 0;
  });
  ExactPoly out(nvars_);
  out.exps_.reserve(exps_.size());
  out.coeffs_.reserve(n);
  for (std::size_t k = 0; k < n;) {
    const std::uint32_t first = order[k];
    Rational c = coeffs_[first];
    std::size_t next = k + 1;
    while (next < n && CompareExponents(Exps(order[next]), Exps(first), nvars_) == 0) {
      c += coeffs_[order[next]];
      ++next;
    }
    if (c != 0) out.Append(Exps(first), std::move(c));
    k = next;
  }
  *this = std::move(out);
}

Exponent ExactPoly::Degree(int var) const {
  if (IsZero()) return -1;
  Exponent d = Exp(0, var);
  for (std::size_t i = 1; i < size(); ++i) d = std::max(d, Exp(i, var));
  return d;
}

bool ExactPoly::IsFreeOf(int var) const {
  for (std::size_t i = 0; i < size(); ++i) {
    if (Exp(i, var) != 0) return false;
  }
  return true;
}

ExactPoly ExactPoly::CoefficientOf(int var, Exponent k) const {
  ExactPoly out(nvars_);
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    if (Exp(i, var) != k) continue;
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    e[var] = 0;
    out.Append(e.data(), coeffs_[i]);
  }
  // Removing one variable's fixed exponent keeps the terms' order.
  return out;
}

Rational ExactPoly::LeadingNumber() const { return IsZero() ? Rational(0) : coeffs_[0]; }

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

ExactPoly ExactPoly::Shifted(int var, Exponent k) const {
  ExactPoly out = *this;
  for (std::size_t i = 0; i < size(); ++i) {
    CheckExponent(static_cast<std::int64_t>(out.exps_[i * nvars_ + var]) + k);
    out.exps_[i * nvars_ + var] += k;
  }
  return out;
}

ExactPoly ExactPoly::Derivative(int var) const {
  ExactPoly out(nvars_);
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    const Exponent k = Exp(i, var);
    if (k == 0) continue;
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    e[var] = k - 1;
    out.Append(e.data(), Rational(k) * coeffs_[i]);
  }
  out.Normalize();
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

bool operator==(const ExactPoly& a, const ExactPoly& b) {
  return a.nvars_ == b.nvars_ && a.exps_ == b.exps_ && a.coeffs_ == b.coeffs_;
}

ExactPoly operator+(const ExactPoly& a, const ExactPoly& b) {
  return MergeAdd(a, b, Rational(1), nullptr);
}

ExactPoly operator-(const ExactPoly& a, const ExactPoly& b) {
  return MergeAdd(a, b, Rational(-1), nullptr);
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
  const int n = a.nvars();
  ExactPoly q(n);
  ExactPoly rest(n);
  ExactPoly r = a;
  std::vector<Exponent> shift(n);
  const Rational lead_b = b.Coeff(0);
  while (!r.IsZero()) {
    bool divisible = true;
    for (int v = 0; v < n; ++v) {
      shift[v] = r.Exp(0, v) - b.Exp(0, v);
      if (shift[v] < 0) divisible = false;
    }
    if (divisible) {
      const Rational t = r.Coeff(0) / lead_b;
      q.Append(shift.data(), t);
      // The leading terms cancel exactly.
      r = MergeAdd(r, b, -t, shift.data());
    } else {
      rest.Append(r.Exps(0), r.Coeff(0));
      ExactPoly trimmed(n);
      for (std::size_t i = 1; i < r.size(); ++i) trimmed.Append(r.Exps(i), r.Coeff(i));
      r = std::move(trimmed);
    }
  }
  q.Normalize();
  if (remainder) *remainder = std::move(rest);
  return q;
}

bool DivideExactly(const ExactPoly& a, const ExactPoly& b, ExactPoly* quotient) {
  if (b.IsZero()) return false;
  ExactPoly remainder;
  ExactPoly q = DivideWithRemainder(a, b, &remainder);
  if (!remainder.IsZero()) return false;
  *quotient = std::move(q);
  return true;
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
