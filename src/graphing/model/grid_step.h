#pragma once
// The grid of a 2D axis: a step that is a power of two near a twentieth of the
// range (exactly 1 for a range of 20), and the first grid value, a whole
// multiple of the step.

namespace zentrix::graphing {

struct GridAxis {
  double step = 1.0;
  double first = 0.0;
};

GridAxis ComputeGridAxis(double minimum, double maximum);

}  // namespace zentrix::graphing
