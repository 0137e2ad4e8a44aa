#pragma once
// Windows that fit statistical data.

#include <span>

namespace zentrix::graphing {

struct AxisRange {
  double min = 0;
  double max = 0;
};

// [min − 10 %, max + 10 %] of the finite values; a single value v gives [v − 1, v + 1] and
// equal values are widened by 1 on each side. False when no value is finite.
bool PaddedRange(std::span<const double> values, AxisRange& range);

// A histogram's window for distinct values and their counts: x from min − 10 % to
// max + 10 % + 1 (room for the last bar), y from 0 to the largest count plus 10 % of the
// counts' spread.
bool HistogramRange(std::span<const double> values, std::span<const double> counts, AxisRange& x,
                    AxisRange& y);

}  // namespace zentrix::graphing
