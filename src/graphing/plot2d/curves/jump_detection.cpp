#include "graphing/plot2d/curves/jump_detection.h"

#include <cmath>
#include <cstdlib>

namespace zentrix::graphing {
namespace {

// Row changes up to this many pixels are drawn joined without a check.
constexpr int kSmoothRowStep = 4;
// A quarter column holding more than this share of the column's change is a step.
constexpr double kStepShare = 0.9;

class ColumnProbe {
 public:
  ColumnProbe(FunctionGraph& graph, const PlotViewport& viewport, double t)
      : graph_(graph), viewport_(viewport), t_(t) {}

  // The row (as a double) of x, or NaN when it does not evaluate.
  double Row(double x) const {
    double at = x, y = 0;
    if (!graph_.EvaluateAt(at, y, t_)) return NAN;
    return viewport_.origin_row - y * viewport_.y_scale;
  }
  double X(int column) const { return viewport_.ColumnToX(column - viewport_.left); }

  bool IsJump(const PlotPoint& a, const PlotPoint& b) const {
    const double x0 = X(a.column), x1 = X(b.column);
    const double r0 = a.row, r1 = b.row;
    const double xm = (x0 + x1) / 2;
    const double rm = Row(xm);
    if (!Within(rm, r0, r1)) return true;
    // Bisect the half that holds the larger part of the change once more.
    const bool left_half = std::fabs(rm - r0) >= std::fabs(r1 - rm);
    const double qx = left_half ? (x0 + xm) / 2 : (xm + x1) / 2;
    const double qr = Row(qx);
    const double from = left_half ? r0 : rm, to = left_half ? rm : r1;
    if (!Within(qr, from, to)) return true;
    const double total = std::fabs(r1 - r0);
    const double quarter = std::max(std::fabs(qr - from), std::fabs(to - qr));
    return quarter > kStepShare * total;
  }

 private:
  // Between the two rows, with a pixel of slack for rounding.
  static bool Within(double row, double a, double b) {
    if (std::isnan(row)) return false;
    return row >= std::min(a, b) - 1 && row <= std::max(a, b) + 1;
  }

  FunctionGraph& graph_;
  const PlotViewport& viewport_;
  double t_;
};

}  // namespace

void FindJumps(FunctionGraph& graph, const PlotViewport& viewport, double t,
               std::vector<std::uint8_t>& breaks) {
  breaks.assign(graph.point_count(), 0);
  // A list's sub-functions cannot be evaluated one by one here; only its gaps break it.
  const bool probe_columns = graph.list_count() == 0;
  const PlotPoint* points = graph.points();
  const ColumnProbe probe(graph, viewport, t);
  for (std::size_t i = 0; i + 1 < graph.point_count(); ++i) {
    const PlotPoint a = points[i], b = points[i + 1];
    if (b.column != a.column + 1) {
      breaks[i] = 1;
    } else if (probe_columns && std::abs(b.row - a.row) > kSmoothRowStep && probe.IsJump(a, b)) {
      breaks[i] = 1;
    }
  }
}

}  // namespace zentrix::graphing
