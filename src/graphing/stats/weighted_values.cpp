#include "graphing/stats/weighted_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zentrix::graphing {

double WeightedValues::ValueAt(double k) const {
  double seen = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    seen += counts[i];
    if (k < seen) return values[i];
  }
  return values.empty() ? NAN : values.back();
}

WeightOutcome MergeWeighted(std::span<const double> values, std::span<const double> frequencies,
                            bool use_frequencies, WeightRounding rounding) {
  WeightOutcome outcome;
  if (use_frequencies && frequencies.size() != values.size()) {
    outcome.error = WeightError::kLengthMismatch;
    return outcome;
  }
  std::vector<std::pair<double, double>> pairs;
  pairs.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!std::isfinite(values[i])) {
      outcome.error = WeightError::kBadValue;
      return outcome;
    }
    double count = 1;
    if (use_frequencies) {
      const double f = frequencies[i];
      if (!std::isfinite(f) || f < 0) {
        outcome.error = WeightError::kBadFrequency;
        return outcome;
      }
      count = rounding == WeightRounding::kFloor ? std::floor(f) : std::trunc(f);
    }
    if (count > 0) pairs.emplace_back(values[i], count);
  }
  std::sort(pairs.begin(), pairs.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  WeightedValues& data = outcome.data;
  for (const auto& [value, count] : pairs) {
    if (!data.values.empty() && data.values.back() == value) {
      data.counts.back() += count;
    } else {
      data.values.push_back(value);
      data.counts.push_back(count);
    }
    data.total += count;
  }
  if (data.total > 9007199254740992.0) {
    outcome = {};
    outcome.error = WeightError::kTooMany;
  } else if (data.empty()) {
    outcome.error = WeightError::kNoData;
  }
  return outcome;
}

}  // namespace zentrix::graphing
