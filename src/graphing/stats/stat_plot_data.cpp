#include "graphing/stats/stat_plot_data.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "graphing/stats/data_bounds.h"
#include "graphing/stats/normal_scores.h"

namespace zentrix::graphing {
namespace {

int ToErrorCode(WeightError error) {
  switch (error) {
    case WeightError::kNone: return kStatOk;
    case WeightError::kLengthMismatch: return kStatLengthMismatch;
    case WeightError::kNoData: return kStatNoData;
    case WeightError::kBadFrequency:
    case WeightError::kBadValue:
    case WeightError::kTooMany: break;
  }
  return kStatBadValue;
}

// The frequency list is in use when the plot names one.
bool UsesFrequencies(const StatPlot& plot) {
  return !plot.frequency_text.empty() || !plot.frequencies().empty();
}

std::unique_ptr<StatResult> RefreshHistogram(const StatPlot& plot) {
  auto result = std::make_unique<HistogramStatistics>();
  WeightOutcome merged =
      MergeWeighted(plot.data(), plot.frequencies(), UsesFrequencies(plot), WeightRounding::kFloor);
  result->error_code = ToErrorCode(merged.error);
  result->bars = std::move(merged.data);
  return result;
}

std::unique_ptr<StatResult> RefreshBox(const BoxPlot& plot) {
  auto result = std::make_unique<BoxPlotStatistics>();
  const WeightOutcome merged = MergeWeighted(plot.data(), plot.frequencies(), UsesFrequencies(plot),
                                             WeightRounding::kTruncate);
  result->error_code = ToErrorCode(merged.error);
  if (merged.error == WeightError::kNone) {
    result->box = ComputeBoxStatistics(merged.data, plot.modified);
    result->has_data = true;
  }
  return result;
}

std::unique_ptr<StatResult> RefreshNormalProbability(const StatPlot& plot) {
  auto result = std::make_unique<NormalProbabilityStatistics>();
  const std::vector<double>& data = plot.data();
  if (data.empty()) {
    result->error_code = kStatNoData;
  } else if (!std::all_of(data.begin(), data.end(), [](double v) { return std::isfinite(v); })) {
    result->error_code = kStatBadValue;
  } else {
    result->sorted = data;
    std::sort(result->sorted.begin(), result->sorted.end());
    result->scores = NormalScores(result->sorted.size());
  }
  return result;
}

std::unique_ptr<StatResult> RefreshScatter(ScatterPlot& plot, int decimals) {
  auto result = std::make_unique<ScatterStatistics>();
  const RegressionModel model = RegressionModelFromIndex(plot.regression_model);
  plot.equation_text.clear();
  plot.regression_curve.SetExpression(u"");  // no curve until a fit succeeds
  if (model == RegressionModel::kNone) return result;
  result->fit = FitRegression(model, plot.data(), plot.frequencies(), decimals);
  result->error_code = static_cast<int>(result->fit.error);
  if (result->fit.ok() && plot.regression_curve.SetExpression(result->fit.curve_text)) {
    plot.equation_text = result->fit.equation;
  }
  return result;
}

}  // namespace

double NormalProbabilityStatistics::X(std::size_t i, int data_axis) const {
  return data_axis == 1 ? scores[i] : sorted[i];
}

double NormalProbabilityStatistics::Y(std::size_t i, int data_axis) const {
  return data_axis == 1 ? sorted[i] : scores[i];
}

void RefreshStatPlot(StatPlot& plot, int decimals) {
  switch (plot.kind()) {
    case Graph2DKind::kScatter:
      plot.statistics = RefreshScatter(static_cast<ScatterPlot&>(plot), decimals);
      break;
    case Graph2DKind::kHistogram: plot.statistics = RefreshHistogram(plot); break;
    case Graph2DKind::kBox: plot.statistics = RefreshBox(static_cast<const BoxPlot&>(plot)); break;
    case Graph2DKind::kNormalProbability: plot.statistics = RefreshNormalProbability(plot); break;
    default: break;
  }
  plot.data_changed = false;
}

bool StatDataBounds(const StatPlot& plot, DataBounds& bounds) {
  AxisRange x, y;
  switch (plot.kind()) {
    case Graph2DKind::kScatter:
      // The finite values only: a NaN must not decide the window.
      if (plot.data().size() != plot.frequencies().size() || !PaddedRange(plot.data(), x) ||
          !PaddedRange(plot.frequencies(), y)) {
        return false;
      }
      break;
    case Graph2DKind::kHistogram: {
      const auto* s = StatisticsOf<HistogramStatistics>(plot);
      if (!s || !HistogramRange(s->bars.values, s->bars.counts, x, y)) return false;
      break;
    }
    case Graph2DKind::kBox: {
      const auto* s = StatisticsOf<BoxPlotStatistics>(plot);
      if (!s || !s->has_data || !PaddedRange(plot.data(), x)) return false;
      y = {0, 10};
      break;
    }
    case Graph2DKind::kNormalProbability: {
      const auto* s = StatisticsOf<NormalProbabilityStatistics>(plot);
      if (!s || s->sorted.empty()) return false;
      const auto& np = static_cast<const NormalProbabilityPlot&>(plot);
      const bool scores_on_x = ScoresOnX(np.data_axis);
      if (!PaddedRange(scores_on_x ? s->scores : s->sorted, x) ||
          !PaddedRange(scores_on_x ? s->sorted : s->scores, y)) {
        return false;
      }
      break;
    }
    default: return false;
  }
  bounds = {x.min, x.max, y.min, y.max};
  return true;
}

}  // namespace zentrix::graphing
