#pragma once
// Greatest common divisors of polynomials: the recursive subresultant
// algorithm over a variable list, contents and primitive parts.

#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/poly.h"

namespace zentrix::engine::poly {

// The gcd of two numbers as the engine takes it: the divisor of their binary64
// values (1 when either is not integral or they are beyond exact range).
Number NumericGcd(const Number& a, const Number& b);

// The gcd of two polynomials in the variables first_var.. nvars-1 (earlier
// variables must not occur), by the subresultant remainder sequence on the
// main variable and recursion on the others. Not normalised. Exact inputs are
// computed in exact arithmetic (a result beyond the Number's exact range
// throws ExactRangeExceeded); inputs with decimal or complex coefficients in
// Number arithmetic.
Poly PolyGcd(const Poly& a, const Poly& b, int first_var = 0);
ExactPoly PolyGcd(const ExactPoly& a, const ExactPoly& b, int first_var = 0);

// The gcd of the coefficients of p in var (a polynomial free of var).
Poly ContentIn(const Poly& p, int var);

// The pseudo-remainder lc(b)^(deg a − deg b + 1)·a mod b in var.
Poly PseudoRemainder(const Poly& a, const Poly& b, int var);

// The gcd of two univariate polynomials over the rationals, monic (1 when
// they are coprime); used where a field gcd is needed (square-free parts).
Poly MonicGcd(const Poly& a, const Poly& b);
ExactPoly MonicGcd(const ExactPoly& a, const ExactPoly& b);

// The numeric content: the gcd of all coefficients' binary64 values (1 when
// any coefficient is not an integer; 1 for the zero polynomial).
Number NumericContent(const Poly& p);

}  // namespace zentrix::engine::poly
