#pragma once
// NIntegrate: 128-point Gauss–Legendre quadrature on the whole interval, the
// integrand evaluated numerically (with the angle unit setting) at each node.

#include <optional>
#include <vector>

#include "engine/commands/base/command_outcome.h"

namespace zentrix::engine {

// NIntegrate in its normal form (f, x, a, b) with real numbers a and b. Refused
// when the integrand is not a real number at some node.
std::optional<CommandOutcome> NumericIntegralAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
