#include "graphing/model/plot_viewport.h"

#include <cmath>

namespace zentrix::graphing {
namespace {

constexpr double kPixelLimit = 1073741824.0;  // 2^30

std::int32_t ToPixelCoordinate(double v) {
  if (std::isnan(v)) return 0;
  if (v > kPixelLimit) v = kPixelLimit;
  if (v < -kPixelLimit) v = -kPixelLimit;
  return static_cast<std::int32_t>(std::trunc(v));
}

}  // namespace

PlotPoint PlotViewport::ToPixel(double x, double y) const {
  return {ToPixelCoordinate(x * x_scale + origin_column),
          ToPixelCoordinate(origin_row - y * y_scale)};
}

}  // namespace zentrix::graphing
