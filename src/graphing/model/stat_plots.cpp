#include "graphing/model/stat_plots.h"

#include <algorithm>

namespace zentrix::graphing {
namespace {

// [min − w/10, max + w/10] for a list of width w; ±1 around a zero width.
void FitAxis(const std::vector<double>& values, double& low, double& high) {
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  const double width = *hi - *lo;
  if (width == 0.0) {
    low = *lo - 1.0;
    high = *hi + 1.0;
    return;
  }
  low = *lo - 0.1 * width;
  high = *hi + 0.1 * width;
}

}  // namespace

// A statistical plot has nothing to compile: its lists are its data.
StatPlot::StatPlot(Graph2DKind kind) : Graph2D(kind, 0, false) { compiled = true; }

int StatPlot::ErrorCode() const { return statistics ? statistics->error_code : 0; }

void StatPlot::SetData(std::vector<double> values) {
  data_ = std::move(values);
  data_changed = true;
}

void StatPlot::SetFrequencies(std::vector<double> values) {
  frequencies_ = std::move(values);
  data_changed = true;
}

ScatterPlot::ScatterPlot() : StatPlot(Graph2DKind::kScatter) {
  regression_curve.colour = colour::kMagenta;
}

bool ScatterPlot::GetDataBounds(DataBounds& bounds) const {
  if (data_.empty() || data_.size() != frequencies_.size()) return false;
  FitAxis(data_, bounds.xmin, bounds.xmax);
  FitAxis(frequencies_, bounds.ymin, bounds.ymax);
  return true;
}

bool ScatterPlot::EvaluateAt(double& x, double& y, double t) {
  return regression_curve.EvaluateAt(x, y, t);
}

bool ScatterPlot::AllocatePoints(int) {
  if (data_.size() != frequencies_.size()) {
    ResizePoints(0);
    return false;
  }
  ResizePoints(data_.size() + 1);
  return true;
}

void ScatterPlot::ComputePoints(const PlotViewport& viewport, double) {
  ClearPoints();
  if (data_.size() != frequencies_.size()) return;
  for (std::size_t i = 0; i < data_.size(); ++i) {
    AppendPoint(viewport.ToPixel(data_[i], frequencies_[i]));
  }
}

HistogramPlot::HistogramPlot() : StatPlot(Graph2DKind::kHistogram) {}
BoxPlot::BoxPlot() : StatPlot(Graph2DKind::kBox) {}
NormalProbabilityPlot::NormalProbabilityPlot() : StatPlot(Graph2DKind::kNormalProbability) {}

}  // namespace zentrix::graphing
