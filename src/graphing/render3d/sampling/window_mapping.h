#pragma once
// The mapping of the 3D window onto the model cube [-10, 10]³ in fixed point:
// for an axis with window [min, max], v' = v · s + o with s = 20 / (max − min)
// and o = −(min · 20 / (max − min) + 10), both kept times 1024 (truncated).

#include <cstdint>

#include "graphing/model/window3d.h"

namespace zentrix::graphing::render3d {

struct AxisMapping {
  std::int32_t scale = 0;   // s · 1024
  std::int32_t offset = 0;  // o · 1024

  // trunc(v · 1024) · s >> 10, plus o, saturated to 32 bits.
  std::int32_t Map(double v) const;
};

// A window side that is empty, reversed or not finite maps everything to 0.
AxisMapping MakeAxisMapping(double min, double max);

struct WindowMapping {
  AxisMapping x;
  AxisMapping y;
  AxisMapping z;

  static WindowMapping Of(const Window3D& window);
};

}  // namespace zentrix::graphing::render3d
