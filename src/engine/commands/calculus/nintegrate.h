#pragma once
// NIntegrate: adaptive Gauss–Kronrod quadrature of the integrand evaluated
// numerically (with the angle unit setting), over finite or infinite ranges.

#include <optional>
#include <vector>

#include "engine/commands/base/command_outcome.h"

namespace zentrix::engine {

// NIntegrate in its normal form (f, x, a, b) with real numbers or infinities a
// and b. Refused when the integrand is not a real number at some point inside
// the range or when ten correct digits cannot be reached.
std::optional<CommandOutcome> NumericIntegralAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
