#pragma once
// A sparse multivariate polynomial with exact Number coefficients: the working
// form of the polynomial commands. Terms are exponent vectors over a variable
// list that the caller owns (see poly_convert.h), kept in the normal form of
// sparse_terms.h, which also holds the operations ExactPoly shares.
//
// Work is bounded: an operation that would build more than kMaxTerms terms, or
// spend more than the per-command work allowance (poly_limits.h), throws
// PolyTooLarge, which the command entry points turn into an error.

#include <vector>

#include "engine/commands/polynomial/sparse_terms.h"
#include "engine/core/number.h"

namespace zentrix::engine::poly {

class Poly : public SparseTerms<Poly, Number> {
 public:
  Poly() = default;
  explicit Poly(int nvars) : SparseTerms(nvars) {}

  // The coefficient of the term without variables (0 when there is none).
  Number ConstantTerm() const;
  Number& MutableCoeff(std::size_t i) { return coeffs_[i]; }

  // The smallest exponent of the variable (0 for the zero polynomial).
  Exponent MinDegree(int var) const;
  // Total degree of the term of largest total degree (-1 for zero).
  Exponent TotalDegree() const;
  // Every exponent of every variable is at least 0.
  bool HasNonNegativeExponents() const;
  // The variables (by index) that occur with a non-zero exponent.
  std::vector<int> UsedVariables() const;

  Poly Negated() const;
  Poly Scaled(const Number& c) const;
  // The value with var replaced by a number (var no longer occurs).
  Poly Substitute(int var, const Number& value) const;
  // this^n for n >= 0: by the multinomial theorem when no two products of
  // terms can meet (poly_power.h), else by the binomial expansion on the
  // leading term.
  Poly Power(int n) const;
  // The dense coefficient list of var (index = exponent), for a polynomial whose
  // exponents of var are non-negative.
  std::vector<Poly> DenseIn(int var) const;
  static Poly FromDense(const std::vector<Poly>& coefficients, int var, int nvars);

  friend Poly operator+(const Poly& a, const Poly& b);
  friend Poly operator-(const Poly& a, const Poly& b);
  friend Poly operator*(const Poly& a, const Poly& b);
};

extern template class SparseTerms<Poly, Number>;

// Multivariate division on the normal order: a = q·b + r where no term of r
// is divisible by the leading term of b (b non-zero). Returns q.
Poly DivideWithRemainder(const Poly& a, const Poly& b, Poly* remainder);
// Exact division: true with the quotient when b divides a (b non-zero).
bool DivideExactly(const Poly& a, const Poly& b, Poly* quotient);

// Binomial coefficient C(n, k) as a double, built by the exact multiplicative
// recurrence (exact while the values fit in 2^53).
double Binomial(int n, int k);

}  // namespace zentrix::engine::poly
