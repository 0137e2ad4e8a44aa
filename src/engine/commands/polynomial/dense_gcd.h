#pragma once
// The gcd of two univariate polynomials with integer coefficients held densely
// as GMP integers (index = exponent): the primitive remainder sequence, whose
// coefficients stay near the size of the inputs' because every remainder's
// content is divided out. The fast path of the exact gcd for the common case
// of one variable.

#include <gmpxx.h>

#include <vector>

namespace zentrix::engine::poly {

using DenseIntegers = std::vector<mpz_class>;

// The primitive gcd (positive leading coefficient) of two non-zero
// polynomials; {1} when they are coprime.
DenseIntegers DensePrimitiveGcd(DenseIntegers a, DenseIntegers b);

// The gcd of the coefficients (0 for the zero polynomial), non-negative.
mpz_class DenseContent(const DenseIntegers& p);

}  // namespace zentrix::engine::poly
