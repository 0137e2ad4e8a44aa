#include "graphing/stats/box_statistics.h"

#include <cmath>

namespace zentrix::graphing {
namespace {

// The midpoint of a ≤ b, never outside them: halving each (to avoid overflow) rounds tiny
// values up past b, and a + b overflows for huge ones of the same sign.
double Midpoint(double a, double b) {
  if (a == b) return a;
  if (a <= 0 && b >= 0) return (a + b) / 2;
  return a + (b - a) / 2;
}

// The median of the `count` values starting at sorted position `first`.
double MedianOfRange(const WeightedValues& data, double first, double count) {
  const double middle = first + std::floor(count / 2);
  if (std::fmod(count, 2) == 1) return data.ValueAt(middle);
  return Midpoint(data.ValueAt(middle - 1), data.ValueAt(middle));
}

}  // namespace

BoxStatistics ComputeBoxStatistics(const WeightedValues& data, bool modified) {
  BoxStatistics box;
  if (data.empty()) return box;
  const double n = data.total;
  const double half = std::floor(n / 2);
  box.median = MedianOfRange(data, 0, n);
  box.q1 = half > 0 ? MedianOfRange(data, 0, half) : box.median;
  box.q3 = half > 0 ? MedianOfRange(data, n - half, half) : box.median;
  box.low_whisker = data.values.front();
  box.high_whisker = data.values.back();
  if (!modified) return box;

  box.iqr = box.q3 - box.q1;
  box.step = 1.5 * box.iqr;
  box.lower_fence = box.q1 - box.step;
  box.upper_fence = box.q3 + box.step;
  std::size_t low = 0;
  while (low < data.values.size() && data.values[low] <= box.lower_fence &&
         data.values[low] < box.q1) {
    box.low_outliers.push_back(data.values[low]);
    ++low;
  }
  std::size_t high = data.values.size();
  while (high > low && data.values[high - 1] >= box.upper_fence && data.values[high - 1] > box.q3) {
    box.high_outliers.push_back(data.values[high - 1]);
    --high;
  }
  // Q1 ≤ Q3 are data-derived, so at least one value lies in [Q1, Q3] or between them.
  if (low < high) {
    box.low_whisker = data.values[low];
    box.high_whisker = data.values[high - 1];
  }
  return box;
}

}  // namespace zentrix::graphing
