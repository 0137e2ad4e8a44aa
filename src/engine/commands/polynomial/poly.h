#pragma once
// A sparse multivariate polynomial with exact Number coefficients: the working
// form of the polynomial commands. Terms are exponent vectors over a variable
// list that the caller owns (see poly_convert.h); a polynomial in normal form
// keeps its terms sorted in descending lexicographic order of the exponent
// vectors (variable 0 most significant), without zero coefficients and without
// two terms of one exponent vector. Every operation returns normal forms.
//
// Work is bounded: an operation that would build more than kMaxTerms terms, or
// spend more than the per-command work allowance (poly_limits.h), throws
// PolyTooLarge, which the command entry points turn into an error.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/core/number.h"

namespace zentrix::engine::poly {

using Exponent = std::int32_t;

class Poly {
 public:
  Poly() = default;
  explicit Poly(int nvars) : nvars_(nvars) {}

  static Poly Constant(int nvars, const Number& c);
  // c·x_var^e.
  static Poly Monomial(int nvars, const Number& c, int var, Exponent e);

  int nvars() const { return nvars_; }
  std::size_t size() const { return coeffs_.size(); }
  bool IsZero() const { return coeffs_.empty(); }
  // Zero or a single term without variables.
  bool IsConstant() const;
  // The coefficient of the term without variables (0 when there is none).
  Number ConstantTerm() const;

  const Number& Coeff(std::size_t i) const { return coeffs_[i]; }
  Number& MutableCoeff(std::size_t i) { return coeffs_[i]; }
  const Exponent* Exps(std::size_t i) const { return exps_.data() + i * nvars_; }
  Exponent Exp(std::size_t i, int var) const { return exps_[i * nvars_ + var]; }

  // Gives the polynomial more variables (new ones at the end, exponent 0).
  void Widen(int nvars);
  // Appends a term without keeping the normal form; call Normalize afterwards.
  void Append(const Exponent* exps, const Number& c);
  // Sorts the terms, merges equal exponent vectors and drops zero coefficients.
  void Normalize();

  // The largest exponent of the variable, or -1 for the zero polynomial.
  Exponent Degree(int var) const;
  // The smallest exponent of the variable (0 for the zero polynomial).
  Exponent MinDegree(int var) const;
  // Total degree of the term of largest total degree (-1 for zero).
  Exponent TotalDegree() const;
  bool IsFreeOf(int var) const;
  // Every exponent of every variable is at least 0.
  bool HasNonNegativeExponents() const;
  // The variables (by index) that occur with a non-zero exponent.
  std::vector<int> UsedVariables() const;

  // The coefficient of var^k, a polynomial free of var.
  Poly CoefficientOf(int var, Exponent k) const;
  // The coefficient of the highest power of var.
  Poly LeadingCoefficient(int var) const { return CoefficientOf(var, Degree(var)); }
  // The coefficient of the first term in normal order (0 for zero).
  Number LeadingNumber() const;

  Poly Negated() const;
  Poly Scaled(const Number& c) const;
  // This polynomial times var^k (k may be negative).
  Poly Shifted(int var, Exponent k) const;
  Poly Derivative(int var) const;
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

  friend bool operator==(const Poly& a, const Poly& b);
  friend Poly operator+(const Poly& a, const Poly& b);
  friend Poly operator-(const Poly& a, const Poly& b);
  friend Poly operator*(const Poly& a, const Poly& b);

 private:
  int nvars_ = 0;
  std::vector<Exponent> exps_;  // size() * nvars_ values
  std::vector<Number> coeffs_;
};

// Lexicographic comparison of two exponent vectors: negative, 0 or positive.
int CompareExponents(const Exponent* a, const Exponent* b, int nvars);

// Multivariate division on the normal order: a = q·b + r where no term of r
// is divisible by the leading term of b (b non-zero). Returns q.
Poly DivideWithRemainder(const Poly& a, const Poly& b, Poly* remainder);
// Exact division: true with the quotient when b divides a (b non-zero).
bool DivideExactly(const Poly& a, const Poly& b, Poly* quotient);

// Binomial coefficient C(n, k) as a double, built by the exact multiplicative
// recurrence (exact while the values fit in 2^53).
double Binomial(int n, int k);

}  // namespace zentrix::engine::poly
