#pragma once
// The statistics behind the four statistical plot kinds: what refreshing a plot's lists
// computes, kept as the plot's StatResult, and the windows that fit the data.

#include <vector>

#include "graphing/model/stat_plots.h"
#include "graphing/stats/box_statistics.h"
#include "graphing/stats/regression.h"
#include "graphing/stats/weighted_values.h"

namespace zentrix::graphing {

// Error codes of a plot's statistics (StatPlot::ErrorCode), shared with the fits.
enum StatErrorCode : int {
  kStatOk = 0,
  kStatLengthMismatch = 1,  // the data and frequency (or x and y) lists differ in length
  kStatBadValue = 2,        // a negative or non-finite frequency, a NaN or infinite value
  kStatNoData = 3,
};

// Histogram: the distinct values ascending with their counts (frequencies rounded down).
class HistogramStatistics : public StatResult {
 public:
  WeightedValues bars;
};

// Box: the figures of the box (frequencies truncated toward zero).
class BoxPlotStatistics : public StatResult {
 public:
  BoxStatistics box;
  bool has_data = false;
};

// Normal Probability: the sorted data and the normal score of each value.
class NormalProbabilityStatistics : public StatResult {
 public:
  std::vector<double> sorted;
  std::vector<double> scores;
  // The pairs as plotted: data on x and scores on y, or the reverse (data-axis option 1).
  double X(std::size_t i, int data_axis) const;
  double Y(std::size_t i, int data_axis) const;
};

// Scatter: the regression fitted to the lists (error code: the fit's FitError).
class ScatterStatistics : public StatResult {
 public:
  RegressionResult fit;
};

// Recomputes the plot's statistics from its lists and clears its dataChanged flag. A Scatter
// plot refits its regression model (equation shown with `decimals` decimals), sets its
// equation text and compiles its regression curve; a fit that fails leaves no curve and an
// empty equation.
void RefreshStatPlot(StatPlot& plot, int decimals);

// A window that fits the plot's data, from its finite values. False when there is nothing to
// fit. Box plots fit x only; their y range is
// 0 to 10, since the boxes are placed in pixel bands of the plot area.
bool StatDataBounds(const StatPlot& plot, DataBounds& bounds);

// The statistics of a plot, when it has been refreshed and its kind matches.
template <class Statistics>
const Statistics* StatisticsOf(const StatPlot& plot) {
  return dynamic_cast<const Statistics*>(plot.statistics.get());
}

}  // namespace zentrix::graphing
