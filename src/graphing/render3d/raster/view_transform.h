#pragma once
// The scene's view transform: rotation about X, then Y, then Z by whole degrees,
// then a translation, then the perspective projection onto the viewport.

#include <cstdint>

#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {

// A vertex within 1.0 (1024) of the eye, or behind it, is rejected.
constexpr std::int64_t kNearLimit = -kFixedOne;

// A point in view space (10 fractional bits; z toward the viewer, so visible
// points have z < -1024). 64 bits, so that no vertex and translation overflows.
struct ViewPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t z = 0;
};

class ViewTransform {
 public:
  // Rotation about X by ax, then about Y by ay, then about Z by az (degrees,
  // reduced modulo 360). The default is no rotation.
  void SetRotation(std::int64_t ax, std::int64_t ay, std::int64_t az);
  // Translation in fixed point.
  void SetTranslation(std::int32_t x, std::int32_t y, std::int32_t z);

  ViewPoint Apply(const std::int32_t* vertex) const;
  // Rotation only (for directions such as normals), in fixed point.
  ViewPoint Rotate(std::int64_t x, std::int64_t y, std::int64_t z) const;

 private:
  std::int32_t m_[3][3] = {{1 << 14, 0, 0}, {0, 1 << 14, 0}, {0, 0, 1 << 14}};
  std::int32_t t_[3] = {0, 0, 0};
};

// The projection onto a viewport of the given size: the focal factor is 2^28
// (2^27 when the viewport is 240 pixels wide or high), so that one model unit
// at unit distance is 512 (256) pixels.
class Projection {
 public:
  Projection() = default;
  Projection(int width, int height);

  // Screen position in 1/16 pixels, relative to the viewport's top-left. The
  // point must not be rejected (z < kNearLimit).
  void ToScreen(const ViewPoint& p, std::int64_t* sx, std::int64_t* sy) const;

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::int64_t focal_ = std::int64_t{1} << 28;
};

// Depth value of a visible point: 2^40 / distance, larger is nearer, so that it
// interpolates linearly across the screen. Faces add `offset` to the distance.
inline std::int32_t DepthOf(std::int64_t z, std::int64_t offset = 0) {
  return static_cast<std::int32_t>((std::int64_t{1} << 40) / (offset - z));
}

}  // namespace zentrix::graphing::render3d
