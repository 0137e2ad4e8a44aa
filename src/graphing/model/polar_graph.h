#pragma once
// r(θ) over the parameter window; the point is (r cos θ, r sin θ) with θ in
// radians whatever the angle mode.

#include "graphing/model/curve_graph.h"

namespace zentrix::graphing {

class PolarGraph : public CurveGraph {
 public:
  PolarGraph();

  // (r cos θ, r sin θ) for θ; fails when θ lies outside the window.
  bool EvaluateAt(double& theta, double& y, double t) override;

 protected:
  bool CurvePoint(double theta, double t, double& x, double& y) override;
};

}  // namespace zentrix::graphing
