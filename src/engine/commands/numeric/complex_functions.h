#pragma once
// Principal-branch elementary functions on binary64 complex values, used by the
// numeric approximation of function nodes. Angles are radians here; the caller
// converts for the degree setting.

#include <complex>
#include <optional>

namespace zentrix::engine {

using Complex = std::complex<double>;

// Evaluates the elementary function with the given command id at z (the
// numeric column of base/elementary_functions.inc). Other ids give nothing.
// A pole gives a value with an infinite part; callers decide how to show it.
std::optional<Complex> EvaluateElementary(int id, Complex z);

}  // namespace zentrix::engine
