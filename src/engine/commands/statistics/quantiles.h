// Order statistics and summary statistics of lists of numbers: the figures VarStats shows,
// and the median and quartile rules that box plots share.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace zentrix::engine {

// Median and quartiles of sorted values. The median is the middle value, or the mean of the
// two middle values for even n. Q1 is the median of the lower half (the first floor(n/2)
// values) and Q3 that of the upper half (the last floor(n/2)); for odd n the overall median
// is in neither half. A half without values (n = 1) gives NaN quartiles; n = 0 gives NaN
// everywhere.
struct Quartiles {
  double q1;
  double median;
  double q3;
};

// The median of sorted values (NaN when empty).
double MedianOfSorted(std::span<const double> sorted);
// Quartiles of values sorted ascending.
Quartiles QuartilesOfSorted(std::span<const double> sorted);
// Quartiles of values in any order (sorts a copy). Any NaN makes every result NaN.
Quartiles ComputeQuartiles(std::span<const double> values);

// The one-list figures of VarStats, in the order they are shown.
struct ListStats {
  std::size_t n = 0;
  double mean = 0;           // MeanX
  double sum = 0;            // sum of x
  double sum_squares = 0;    // sum of x^2
  double sample_sd = 0;      // Sx: sqrt(sum of squared deviations / (n - 1)); NaN for n = 1
  double population_sd = 0;  // sigma x: sqrt(sum of squared deviations / n)
  double min = 0;
  double q1 = 0;
  double median = 0;
  double q3 = 0;
  double max = 0;
};

// The figures of VarStats(list1, list2): both lists' blocks and the cross sum.
struct PairStats {
  ListStats x;
  ListStats y;
  double sum_xy = 0;
};

// nullopt for an empty list. Sums are compensated; the deviations are taken from the mean in
// a second pass. A NaN element makes min, max and the quartiles NaN.
std::optional<ListStats> ComputeListStats(std::span<const double> values);
// nullopt when the lists are empty or of different lengths.
std::optional<PairStats> ComputePairStats(std::span<const double> xs, std::span<const double> ys);

}  // namespace zentrix::engine
