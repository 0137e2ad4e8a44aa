#pragma once
// Exact polynomial arithmetic for the algorithms whose intermediate
// coefficients outgrow binary64 (gcd, division, the square-free and Kronecker
// factorisations, Normalize): Poly's sparse layout and normal form with GMP
// rationals as coefficients, so that nothing is ever rounded on the way. A
// Poly whose coefficients are all exact real numbers converts in; a result
// converts back exactly where its coefficients fit the Number's exact range,
// as decimals for fractions beyond it, and throws ExactRangeExceeded for an
// integer beyond it (never a rounded "exact" coefficient).
//
// Work is charged against the command's allowance like Poly's, in proportion
// to the size of the coefficients as well as their count.

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "engine/commands/polynomial/poly.h"

namespace zentrix::engine::poly {

using Rational = mpq_class;
using Integer = mpz_class;

class ExactPoly : public SparseTerms<ExactPoly, Rational> {
 public:
  ExactPoly() = default;
  explicit ExactPoly(int nvars) : SparseTerms(nvars) {}

  // The largest coefficient size in bits (numerator plus denominator).
  std::size_t CoefficientBits() const;

  ExactPoly Negated() const;
  ExactPoly Scaled(const Rational& c) const;
  ExactPoly Power(int n) const;

  friend ExactPoly operator+(const ExactPoly& a, const ExactPoly& b);
  friend ExactPoly operator-(const ExactPoly& a, const ExactPoly& b);
  friend ExactPoly operator*(const ExactPoly& a, const ExactPoly& b);
};

extern template class SparseTerms<ExactPoly, Rational>;

// Multivariate division on the normal order, as DivideWithRemainder for Poly.
ExactPoly DivideWithRemainder(const ExactPoly& a, const ExactPoly& b, ExactPoly* remainder);
bool DivideExactly(const ExactPoly& a, const ExactPoly& b, ExactPoly* quotient);

// --- Conversions --------------------------------------------------------------

// The value of an exact real Number (an integer or a fraction); nullopt for a
// decimal, a complex or a non-finite value.
std::optional<Rational> ToRational(const Number& v);
// The Number of a rational: exact when it fits the exact range, a decimal
// for a fraction beyond it; throws ExactRangeExceeded for an integer beyond
// it (which a decimal could not tell from an exact value).
Number ToNumber(const Rational& q);
// The exact form of a polynomial whose coefficients are all exact real numbers.
std::optional<ExactPoly> ToExact(const Poly& p);
// Back to Number coefficients; throws ExactRangeExceeded when one does not fit.
Poly FromExact(const ExactPoly& p);

}  // namespace zentrix::engine::poly
