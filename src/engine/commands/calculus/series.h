#pragma once
// Taylor polynomials (Series) from repeated derivatives, and Fourier polynomials
// on [−π, π] (FSeries) from definite integrals.

#include <optional>
#include <vector>

#include "engine/commands/base/command_outcome.h"

namespace zentrix::engine {

// Series in its normal form (f, x, x0, n).
std::optional<CommandOutcome> SeriesAlgorithm(std::vector<ExprNode>& arguments);

// FSeries in its normal form (f, x, n).
std::optional<CommandOutcome> FourierSeriesAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
