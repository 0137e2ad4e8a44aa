#include "graphing/stats/data_bounds.h"

#include <algorithm>
#include <cmath>

namespace zentrix::graphing {
namespace {

bool FiniteExtremes(std::span<const double> values, AxisRange& range, int& count) {
  count = 0;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    range.min = count == 0 ? v : std::min(range.min, v);
    range.max = count == 0 ? v : std::max(range.max, v);
    ++count;
  }
  return count > 0;
}

}  // namespace

bool PaddedRange(std::span<const double> values, AxisRange& range) {
  int count = 0;
  AxisRange r;
  if (!FiniteExtremes(values, r, count)) return false;
  const double spread = r.max - r.min;
  if (count == 1 || !(spread > 0) || !std::isfinite(spread)) {
    range = {r.min - 1, r.max + 1};
  } else {
    range = {r.min - 0.1 * spread, r.max + 0.1 * spread};
  }
  return true;
}

bool HistogramRange(std::span<const double> values, std::span<const double> counts, AxisRange& x,
                    AxisRange& y) {
  int n = 0;
  AxisRange vx, vy;
  if (!FiniteExtremes(values, vx, n) || !FiniteExtremes(counts, vy, n)) return false;
  const double xs = vx.max - vx.min;
  x = {vx.min - 0.1 * xs, vx.max + 0.1 * xs + 1};
  if (!(x.max > x.min)) x = {vx.min - 1, vx.max + 2};
  y = {0, vy.max + 0.1 * (vy.max - vy.min)};
  if (!(y.max > 0)) y.max = 1;
  return true;
}

}  // namespace zentrix::graphing
