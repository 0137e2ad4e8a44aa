#include "engine/commands/statistics/quantiles.h"
#include "engine/commands/numeric/compensated_sum.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace zentrix::engine {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool HasNaN(std::span<const double> values) {
  return std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

}  // namespace

double MedianOfSorted(std::span<const double> sorted) {
  const std::size_t n = sorted.size();
  if (n == 0) return kNaN;
  if (n % 2 == 1) return sorted[n / 2];
  // The midpoint without overflow for huge values of the same sign.
  return sorted[n / 2 - 1] / 2 + sorted[n / 2] / 2;
}

Quartiles QuartilesOfSorted(std::span<const double> sorted) {
  const std::size_t half = sorted.size() / 2;
  return {MedianOfSorted(sorted.first(half)), MedianOfSorted(sorted),
          MedianOfSorted(sorted.last(half))};
}

Quartiles ComputeQuartiles(std::span<const double> values) {
  if (HasNaN(values)) return {kNaN, kNaN, kNaN};
  std::vector<double> sorted(values.begin(), values.end());
  std::sort(sorted.begin(), sorted.end());
  return QuartilesOfSorted(sorted);
}

std::optional<ListStats> ComputeListStats(std::span<const double> values) {
  if (values.empty()) return std::nullopt;
  ListStats s;
  s.n = values.size();
  CompensatedSum sum, squares;
  for (double v : values) {
    sum.Add(v);
    squares.Add(v * v);
  }
  s.sum = sum.Value();
  s.sum_squares = squares.Value();
  s.mean = s.sum / static_cast<double>(s.n);
  CompensatedSum deviations;
  for (double v : values) deviations.Add((v - s.mean) * (v - s.mean));
  const double ss = deviations.Value();
  s.sample_sd = s.n > 1 ? std::sqrt(ss / static_cast<double>(s.n - 1)) : kNaN;
  s.population_sd = std::sqrt(ss / static_cast<double>(s.n));
  if (HasNaN(values)) {
    s.min = s.max = s.q1 = s.median = s.q3 = kNaN;
    return s;
  }
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  s.min = *lo;
  s.max = *hi;
  const Quartiles q = ComputeQuartiles(values);
  s.q1 = q.q1;
  s.median = q.median;
  s.q3 = q.q3;
  return s;
}

std::optional<PairStats> ComputePairStats(std::span<const double> xs, std::span<const double> ys) {
  if (xs.size() != ys.size()) return std::nullopt;
  auto x = ComputeListStats(xs);
  auto y = ComputeListStats(ys);
  if (!x || !y) return std::nullopt;
  CompensatedSum cross;
  for (std::size_t i = 0; i < xs.size(); ++i) cross.Add(xs[i] * ys[i]);
  return PairStats{*x, *y, cross.Value()};
}

}  // namespace zentrix::engine
