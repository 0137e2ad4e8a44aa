#pragma once
// Powers of polynomials whose terms cannot meet: a sum of distinct variables,
// each to a positive power, and at most one constant, with whole coefficients.

#include <optional>

#include "engine/commands/polynomial/poly.h"

namespace zentrix::engine::poly {

// p^n by the multinomial theorem when every term of p other than a constant is
// one variable (to a positive power) that no other term has, every
// coefficient is a whole number and every coefficient of the result is a whole
// number below 2^53 (so the value is exact, as by any other order of the same
// arithmetic). Then no two products of terms share an exponent vector, and the
// terms come out in normal order without a table or a sort. nullopt otherwise.
// Expects n >= 2 and p to have two terms or more.
std::optional<Poly> PowerOfSeparateTerms(const Poly& p, int n);

}  // namespace zentrix::engine::poly
