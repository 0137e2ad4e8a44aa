#pragma once
// Principal-branch elementary functions on binary64 complex values, used by the
// numeric approximation of function nodes. Angles are radians here; the caller
// converts for the degree setting.

#include <complex>
#include <optional>

namespace zentrix::engine {

using Complex = std::complex<double>;

// Evaluates the elementary function with the given command id (sin 0 ... abs 31,
// sqrt 32, re 65, im 66, exp 70) at z. Ids without a numeric meaning give nothing.
// A pole gives a value with an infinite part; callers decide how to show it.
std::optional<Complex> EvaluateElementary(int id, Complex z);

// True for the ids that EvaluateElementary knows.
bool IsElementaryFunctionId(int id);

}  // namespace zentrix::engine
