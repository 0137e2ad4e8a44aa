#pragma once
// The 3D grapher's view state: rotation, translation, the stylus mode and its
// pen drag, shade model and lighting, axes options and the animation time.

#include <array>

#include "graphing/model/colours.h"
#include "graphing/model/time_settings.h"
#include "graphing/model/window3d.h"
#include "graphing/render3d/raster/rasterizer.h"

namespace zentrix::graphing::render3d {

enum class StylusMode : int { kRotate = 0, kMove = 1, kDepthMove = 2, kWindowZoom = 3 };

// The automation word of a mode: "rotate", "move", "depth move", "window zoom".
const char* StylusModeName(StylusMode mode);

struct AxesOptions {
  bool shown = true;
  int mode = 1;  // 1: lines
  std::array<bool, 3> show{true, true, true};
  std::array<Colour, 3> colours{0x00FF00, 0x0000FF, 0xFF0000};  // X, Y, Z
  bool labels = true;
};

class View3D {
 public:
  // Angles about X, Y and Z in degrees (only X and Y turn the scene), and the
  // translation in model units.
  std::array<float, 3> rotation{45.0f, 30.0f, 60.0f};
  std::array<float, 3> translation{0.0f, 0.0f, -25.0f};
  int viewport_width = 100;
  int viewport_height = 100;
  StylusMode mode = StylusMode::kRotate;
  ShadeModel shade = ShadeModel::kFlat;
  bool lighting = true;
  AxesOptions axes;
  // The 3D grapher's own T, step and direction (no step multiplier is used);
  // bounds and play mode are copied from the time settings.
  TimeState time = DefaultTime();

  // The drag starts: the angles, translation and window are remembered.
  void PenDown(int x, int y, const Window3D& window);
  // The drag moved to (x, y): the mode's change from the pen-down values.
  // True when the window changed (every mesh must then be recomputed).
  bool PenMove(int x, int y, Window3D& window);
  void PenUp();
  bool PenIsDown() const { return pen_down_; }

 private:
  static TimeState DefaultTime() {
    TimeState t;
    t.step = 0.1;
    return t;
  }

  bool pen_down_ = false;
  int pen_x_ = 0;
  int pen_y_ = 0;
  std::array<float, 3> rotation0_{};
  std::array<float, 3> translation0_{};
  std::array<double, 6> window0_{};
};

}  // namespace zentrix::graphing::render3d
