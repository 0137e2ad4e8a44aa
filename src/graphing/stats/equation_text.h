#pragma once
// The fitted equation of each model as text: once for display with a number of decimals, and
// once at full precision with every coefficient bracketed, for compiling the curve.

#include <span>
#include <string>

#include "graphing/stats/regression_model.h"

namespace zentrix::graphing {

// The coefficients in the model's letter order. `decimals` < 0 asks for the exact form.
std::u16string RegressionEquation(RegressionModel model, std::span<const double> coefficients,
                                  int decimals);

inline constexpr int kExactEquation = -1;

}  // namespace zentrix::graphing
