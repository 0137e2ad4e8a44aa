#include "graphing/model/polar_graph.h"

#include <cmath>

namespace zentrix::graphing {

PolarGraph::PolarGraph() : CurveGraph(Graph2DKind::kPolar, variable::kTheta) {}

bool PolarGraph::EvaluateAt(double& theta, double& y, double t) {
  if (!InRange(theta)) return false;
  double x;
  if (!CurvePoint(theta, t, x, y)) return false;
  theta = x;
  return true;
}

bool PolarGraph::CurvePoint(double theta, double t, double& x, double& y) {
  double r;
  if (!Evaluate(theta, t, r)) return false;
  x = r * std::cos(theta);
  y = r * std::sin(theta);
  return true;
}

}  // namespace zentrix::graphing
