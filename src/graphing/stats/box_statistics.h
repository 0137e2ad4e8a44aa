#pragma once
// The five figures of a box plot, and with "Modified" the fences and outliers.

#include <vector>

#include "graphing/stats/weighted_values.h"

namespace zentrix::graphing {

struct BoxStatistics {
  double low_whisker = 0;  // smallest value (Modified: smallest that is not an outlier)
  double q1 = 0;
  double median = 0;
  double q3 = 0;
  double high_whisker = 0;
  // Modified only:
  double iqr = 0;
  double step = 0;  // 1.5 · IQR
  double lower_fence = 0;
  double upper_fence = 0;
  std::vector<double> low_outliers;   // distinct values, ascending
  std::vector<double> high_outliers;  // distinct values, descending
};

// Median: the middle value, or the mean of the two middle ones. Q1 and Q3: the medians of the
// lower and upper n div 2 values (for odd n the median is in neither half). A single value is
// its own quartiles. Modified: values at or beyond a fence are outliers; a value equal to Q1 or
// Q3 never is (with IQR = 0 the fences fall on the quartiles, and the box's own values would
// otherwise all be outliers).
BoxStatistics ComputeBoxStatistics(const WeightedValues& data, bool modified);

}  // namespace zentrix::graphing
