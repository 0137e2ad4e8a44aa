#include "graphing/model/curve_graph.h"

#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {
namespace {

constexpr char16_t kTwoPiText[] = {u'2', 237, 0};
constexpr int kDefaultSteps = 48;

}  // namespace

CurveGraph::CurveGraph(Graph2DKind kind, VariableCode variable) : Graph2D(kind, variable, false) {
  parameter = MakeSamplingRange(0.0, 2.0 * kPi, kDefaultSteps, u"0", kTwoPiText);
}

bool CurveGraph::AllocatePoints(int) {
  if (parameter.count < 1) return false;
  ResizePoints(static_cast<std::size_t>(parameter.count) + 1);
  return true;
}

void CurveGraph::ComputePoints(const PlotViewport& viewport, double t) {
  ClearPoints();
  if (!compiled || parameter.minimum > parameter.maximum) return;
  const double step = parameter_step();
  // The loop runs over at most the points allocated, so a zero or NaN step
  // (minimum equal to maximum) cannot spin.
  double value = parameter.minimum;
  for (std::size_t n = 0; n < point_capacity() && value <= parameter.maximum; ++n) {
    double x, y;
    if (CurvePoint(value, t, x, y)) AppendPoint(viewport.ToPixel(x, y));
    value += step;
  }
}

}  // namespace zentrix::graphing
