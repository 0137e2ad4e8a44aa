// Feeds arbitrary data lists (raw doubles: NaN, infinities, huge and tiny values, repeats) to
// the regression fits and the statistical plots' computations, and checks what they promise:
// a fit either fails with a code or gives finite coefficients and both equation texts; box
// figures are ordered; histogram counts are whole and positive.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphing/stats/box_statistics.h"
#include "graphing/stats/normal_scores.h"
#include "graphing/stats/regression.h"
#include "graphing/stats/weighted_values.h"

namespace {

using namespace zentrix::graphing;

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr std::size_t kMaxValues = 2048;

void CheckFit(RegressionModel model, const std::vector<double>& xs, const std::vector<double>& ys) {
  const RegressionResult fit = FitRegression(model, xs, ys, 5);
  if (!fit.ok()) {
    Check(fit.coefficients.empty() && fit.equation.empty() && fit.curve_text.empty());
    return;
  }
  Check(static_cast<int>(fit.coefficients.size()) >= RegressionLetterCount(model));
  for (double c : fit.coefficients) Check(std::isfinite(c) || model == RegressionModel::kLinear);
  Check(!fit.equation.empty() && !fit.curve_text.empty());
}

void CheckWeighted(const std::vector<double>& values, const std::vector<double>& frequencies) {
  const WeightOutcome merged =
      MergeWeighted(values, frequencies, !frequencies.empty(), WeightRounding::kTruncate);
  if (merged.error != WeightError::kNone) return;
  const WeightedValues& data = merged.data;
  for (std::size_t i = 0; i < data.values.size(); ++i) {
    Check(data.counts[i] >= 1 && data.counts[i] == std::floor(data.counts[i]));
    if (i > 0) Check(data.values[i - 1] < data.values[i]);
  }
  for (const bool modified : {false, true}) {
    const BoxStatistics box = ComputeBoxStatistics(data, modified);
    Check(box.q1 <= box.median && box.median <= box.q3);
    Check(box.low_whisker <= box.high_whisker);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int model = data[0] % kRegressionModelCount;
  const std::size_t count = std::min((size - 1) / sizeof(double), 2 * kMaxValues);
  std::vector<double> values(count);
  if (count > 0) std::memcpy(values.data(), data + 1, count * sizeof(double));
  const std::size_t half = count / 2;
  const std::vector<double> xs(values.begin(), values.begin() + half);
  const std::vector<double> ys(values.begin() + half, values.begin() + 2 * half);
  CheckFit(RegressionModelFromIndex(model), xs, ys);
  CheckWeighted(xs, ys);
  CheckWeighted(values, {});
  for (double z : NormalScores(half)) Check(std::isfinite(z));
  return 0;
}
