#pragma once
// The term list shared by the sparse polynomials (Poly over Number, ExactPoly
// over GMP rationals): exponent vectors over a variable list that the caller
// owns, one coefficient per vector. In normal form the terms are sorted in
// descending lexicographic order of the exponent vectors (variable 0 most
// significant), without zero coefficients and without two terms of one
// exponent vector; every operation here returns normal forms.
//
// The operations that do not depend on the coefficients' arithmetic beyond
// adding, multiplying and testing for zero live here once; they take that
// arithmetic from CoefficientArithmetic<Coefficient>, which poly.cpp and
// exact_poly.cpp specialise, and are instantiated there
// (sparse_terms_impl.h).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrix::engine::poly {

using Exponent = std::int32_t;

// Lexicographic comparison of two exponent vectors: negative, 0 or positive.
int CompareExponents(const Exponent* a, const Exponent* b, int nvars);

// IsZero, AddTo, Times, Quotient, Negated, FromExponent and ChargeMerge (the
// work allowance's charge for merging two term lists) of one coefficient type.
template <typename Coefficient>
struct CoefficientArithmetic;

template <typename Derived, typename Coefficient>
class SparseTerms {
 public:
  static Derived Constant(int nvars, const Coefficient& c);
  // c·x_var^e.
  static Derived Monomial(int nvars, const Coefficient& c, int var, Exponent e);

  int nvars() const { return nvars_; }
  std::size_t size() const { return coeffs_.size(); }
  bool IsZero() const { return coeffs_.empty(); }
  // Zero or a single term without variables.
  bool IsConstant() const;

  const Coefficient& Coeff(std::size_t i) const { return coeffs_[i]; }
  const Exponent* Exps(std::size_t i) const { return exps_.data() + i * nvars_; }
  Exponent Exp(std::size_t i, int var) const { return exps_[i * nvars_ + var]; }

  // Gives the polynomial more variables (new ones at the end, exponent 0).
  void Widen(int nvars);
  // Appends a term without keeping the normal form; call Normalize afterwards.
  void Append(const Exponent* exps, const Coefficient& c);
  void Append(const Exponent* exps, Coefficient&& c);
  // Sorts the terms, merges equal exponent vectors and drops zero coefficients.
  void Normalize();

  // The largest exponent of the variable, or -1 for the zero polynomial.
  Exponent Degree(int var) const;
  bool IsFreeOf(int var) const;

  // The coefficient of var^k, a polynomial free of var.
  Derived CoefficientOf(int var, Exponent k) const;
  // The coefficient of the highest power of var.
  Derived LeadingCoefficient(int var) const { return CoefficientOf(var, Degree(var)); }
  // The coefficient of the first term in normal order (0 for zero).
  Coefficient LeadingNumber() const;

  // This polynomial times var^k (k may be negative).
  Derived Shifted(int var, Exponent k) const;
  Derived Derivative(int var) const;

  friend bool operator==(const Derived& a, const Derived& b) {
    return a.nvars_ == b.nvars_ && a.exps_ == b.exps_ && a.coeffs_ == b.coeffs_;
  }

 protected:
  SparseTerms() = default;
  explicit SparseTerms(int nvars) : nvars_(nvars) {}

  int nvars_ = 0;
  std::vector<Exponent> exps_;  // size() * nvars_ values
  std::vector<Coefficient> coeffs_;
};

}  // namespace zentrix::engine::poly
