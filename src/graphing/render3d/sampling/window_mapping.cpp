#include "graphing/render3d/sampling/window_mapping.h"

#include <cmath>

#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {

std::int32_t AxisMapping::Map(double v) const {
  const std::int64_t fixed = ToFixed(v);
  return Saturate32(((fixed * scale) >> kFixedShift) + offset);
}

AxisMapping MakeAxisMapping(double min, double max) {
  const double range = max - min;
  if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(range) || !(range > 0.0)) {
    return {};
  }
  const double scale = 20.0 / range;
  return {ToFixed(scale), ToFixed(-(min * scale + 10.0))};
}

WindowMapping WindowMapping::Of(const Window3D& window) {
  return {MakeAxisMapping(window.xmin(), window.xmax()),
          MakeAxisMapping(window.ymin(), window.ymax()),
          MakeAxisMapping(window.zmin(), window.zmax())};
}

}  // namespace zentrix::graphing::render3d
