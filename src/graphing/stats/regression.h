#pragma once
// Fitting a regression model to a Scatter plot's x and y lists.

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "graphing/stats/regression_model.h"

namespace zentrix::graphing {

enum class FitError : int {
  kNone = 0,
  kLengthMismatch = 1,  // the two lists differ in length
  kOutsideDomain = 2,   // a value outside the model's domain (≤ 0 under a logarithm, NaN, ∞)
  kEmptyList = 3,
  // The data do not determine the model: too few points or distinct x values (singular
  // normal equations), or an iteration that found no finite parameters.
  kUnderdetermined = 4,
};

struct RegressionResult {
  RegressionModel model = RegressionModel::kNone;
  FitError error = FitError::kNone;
  // In the formula's letter order (A, B, C, ...); a Linear fit adds r as a third value.
  std::vector<double> coefficients;
  double r = NAN;             // correlation of the straight-line fit behind the model, or NaN
  double r_squared = NAN;     // 1 − SSres/SStot of the fitted curve on the data, or NaN
  std::u16string equation;    // as shown after "y = ", coefficients with the chosen decimals
  std::u16string curve_text;  // the same curve at full precision, for compiling and drawing

  bool ok() const { return error == FitError::kNone; }
};

// Fits the model; `decimals` is the number of decimals shown in the equation. On failure the
// result holds only the model and the error (no coefficients, empty texts).
RegressionResult FitRegression(RegressionModel model, std::span<const double> xs,
                               std::span<const double> ys, int decimals);

// The fitted curve's value at x (NaN for a failed fit).
double EvaluateRegression(const RegressionResult& fit, double x);

// The regression pane's lines: the model's name, its formula label, "Regression", then
// "A = …" for each lettered coefficient, "r = …" where r applies, "r² = …" and "y = " with the
// equation. A failed fit shows the name and label only.
std::vector<std::u16string> RegressionPaneLines(const RegressionResult& fit, int decimals);

}  // namespace zentrix::graphing
