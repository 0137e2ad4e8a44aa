#include "graphing/render3d/scene/view3d.h"

namespace zentrix::graphing::render3d {

const char* StylusModeName(StylusMode mode) {
  switch (mode) {
    case StylusMode::kRotate: return "rotate";
    case StylusMode::kMove: return "move";
    case StylusMode::kDepthMove: return "depth move";
    case StylusMode::kWindowZoom: return "window zoom";
  }
  return "rotate";
}

void View3D::PenDown(int x, int y, const Window3D& window) {
  pen_down_ = true;
  pen_x_ = x;
  pen_y_ = y;
  rotation0_ = rotation;
  translation0_ = translation;
  window0_ = {window.xmin(), window.xmax(), window.ymin(),
              window.ymax(), window.zmin(), window.zmax()};
}

bool View3D::PenMove(int x, int y, Window3D& window) {
  if (!pen_down_) return false;
  const float dx = static_cast<float>(x - pen_x_);
  const float dy = static_cast<float>(y - pen_y_);
  switch (mode) {
    case StylusMode::kRotate:
      rotation[0] = rotation0_[0] + dy;
      rotation[1] = rotation0_[1] + dx;
      rotation[2] = 0.0f;
      return false;
    case StylusMode::kMove:
      translation[0] = translation0_[0] + 0.05f * dx;
      translation[1] = translation0_[1] - 0.05f * dy;
      return false;
    case StylusMode::kDepthMove:
      translation[0] = translation0_[0] + 0.05f * dx;
      translation[2] = translation0_[2] - 0.05f * dy;
      return false;
    case StylusMode::kWindowZoom: {
      const double height = viewport_height > 0 ? viewport_height : 1;
      const double zx = 0.5 * (window0_[1] - window0_[0]) * dy / height;
      const double zy = 0.5 * (window0_[3] - window0_[2]) * dy / height;
      window.SetValues(window0_[0] - zx, window0_[1] + zx, window0_[2] - zy, window0_[3] + zy,
                       window0_[4], window0_[5]);
      return true;
    }
  }
  return false;
}

void View3D::PenUp() { pen_down_ = false; }

}  // namespace zentrix::graphing::render3d
