#pragma once
// Small dense linear systems (the normal equations of the fits, at most 5 × 5).

#include <span>

namespace zentrix::graphing {

inline constexpr int kMaxSystemSize = 5;

// Solves A·x = b in place by Gaussian elimination with partial pivoting: `a` holds n rows of
// n values (row-major), `b` the right side, which becomes the solution. False, with `b`
// unspecified, when the system is singular to working precision or a value is not finite.
bool SolveLinearSystem(std::span<double> a, std::span<double> b);

}  // namespace zentrix::graphing
