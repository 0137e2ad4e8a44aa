#pragma once
// The eleven regression models of a Scatter plot, in the order of the model list, with the
// names and formula labels the regression pane shows.

#include <string_view>

namespace zentrix::graphing {

enum class RegressionModel : int {
  kNone = -1,
  kCubic = 0,
  kNaturalExponential = 1,  // A·e^(Bx), listed by the letter e alone
  kExponential = 2,
  kLinear = 3,
  kLogarithmic = 4,
  kLogistic = 5,
  kMedianMedian = 6,
  kQuadratic = 7,
  kQuartic = 8,
  kPower = 9,
  kSinusoidal = 10,
};

inline constexpr int kRegressionModelCount = 11;

// The model with this list index, or kNone for any other value.
RegressionModel RegressionModelFromIndex(int index);

// The name in the model list ("Cubic", the e character, "Exponential", ...); empty for kNone.
std::u16string_view RegressionModelName(RegressionModel model);
// The formula the pane shows ("Ax+B", "A*B^x", ...); empty for kNone.
std::u16string_view RegressionFormulaLabel(RegressionModel model);
// How many coefficients carry a letter (A, B, C, ...) in the formula.
int RegressionLetterCount(RegressionModel model);
// Whether the fit is a straight-line least-squares fit, possibly of transformed data, so that
// its correlation coefficient r means something.
bool RegressionHasCorrelation(RegressionModel model);

}  // namespace zentrix::graphing
