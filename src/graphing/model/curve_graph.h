#pragma once
// What Parametric and Polar graphs share: a parameter window (minimum,
// maximum, number of steps; default 0 to 2π in 48 steps) sampled from the
// minimum up to the maximum by repeated addition of the step.

#include "graphing/model/graph2d.h"
#include "graphing/model/sampling_range.h"

namespace zentrix::graphing {

class CurveGraph : public Graph2D {
 public:
  // stepCount + 1 points, whatever the plot width.
  bool AllocatePoints(int width) override;
  void ComputePoints(const PlotViewport& viewport, double t) override;

  // (maximum − minimum) / stepCount.
  double parameter_step() const { return parameter.step(); }
  bool InRange(double value) const {
    return value >= parameter.minimum && value <= parameter.maximum;
  }

  SamplingRange parameter;

 protected:
  CurveGraph(Graph2DKind kind, VariableCode variable);
  // The point (x, y) of one parameter value.
  virtual bool CurvePoint(double value, double t, double& x, double& y) = 0;
};

}  // namespace zentrix::graphing
