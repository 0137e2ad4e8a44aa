#pragma once
// Factorisation of univariate polynomials: Kronecker's method with exact
// interpolation, and Musser's square-free factorisation.

#include <utility>
#include <vector>

#include "engine/commands/polynomial/poly.h"
#include "engine/commands/polynomial/poly_convert.h"

namespace zentrix::engine::poly {

// A factorisation c·Π f_i^(k_i) with every f_i non-constant.
struct Factorization {
  Number coefficient{1.0};
  std::vector<std::pair<Poly, int>> factors;
};

// Kronecker's method on a polynomial in variable 0 (the only variable that
// occurs). Each factor found is factored again. A polynomial the method does
// not apply to (degree outside 2..20, zero constant term, non-integer sample
// values, too many divisor combinations) comes back as its own single factor.
// The factors have positive leading coefficients; the sign goes to the
// coefficient.
Factorization KroneckerFactor(const Poly& p);

// Musser's algorithm in variable 0: p = c·Π z_i^i with square-free, pairwise
// coprime z_i, each primitive with a positive leading coefficient.
Factorization SquareFreeFactor(const Poly& p);

// The product tree c·Π f_i^k_i in canonical order.
ExprNode FactorizationTree(const Factorization& f, const AtomTable& atoms);

// The divisor list of Kronecker's method for a sample value v: {0} for 0,
// {−1, 1} for ±1, else −1, 1, then −k, k for each divisor 2 ≤ k ≤ |v|/2, then |v|.
std::vector<std::int64_t> KroneckerDivisors(std::int64_t v);

}  // namespace zentrix::engine::poly
