#pragma once
// Every complex root of a polynomial with complex coefficients, found together
// by the Aberth–Ehrlich iteration and polished by Newton steps.

#include <complex>
#include <optional>
#include <vector>

#include "engine/commands/base/limits.h"

namespace zentrix::engine::solve {

using Complex = std::complex<double>;

// The largest degree handed to the iteration.
inline constexpr int kMaxNumericDegree = limits::kNumericRootsDegree;

// The n roots of a polynomial of degree n (coefficients highest first, the
// first non-zero), each satisfying the polynomial to 1e-9 relative to the size
// of its terms at the root; roots whose imaginary part is rounding noise are
// made real. Nothing when the degree is 0 or above the bound, a coefficient is
// not finite, or the iteration does not reach that accuracy.
std::optional<std::vector<Complex>> PolynomialRoots(const std::vector<Complex>& coefficients);

// |p(z)| against Σ|a_k|·|z|^k: how far z is from being a root, relative to
// the size of the terms (0 for an exact root).
double RelativeResidual(const std::vector<Complex>& coefficients, Complex z);

}  // namespace zentrix::engine::solve
