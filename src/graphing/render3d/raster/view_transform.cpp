#include "graphing/render3d/raster/view_transform.h"

#include "graphing/render3d/raster/trig_table.h"

namespace zentrix::graphing::render3d {
namespace {

using Matrix = std::int64_t[3][3];

void Multiply(const Matrix& a, const Matrix& b, Matrix& out) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      std::int64_t sum = 0;
      for (int k = 0; k < 3; ++k) sum += a[r][k] * b[k][c];
      out[r][c] = sum >> kTrigShift;
    }
  }
}

}  // namespace

void ViewTransform::SetRotation(std::int64_t ax, std::int64_t ay, std::int64_t az) {
  const std::int64_t sx = SinDegrees(ax), cx = CosDegrees(ax);
  const std::int64_t sy = SinDegrees(ay), cy = CosDegrees(ay);
  const std::int64_t sz = SinDegrees(az), cz = CosDegrees(az);
  const Matrix rx = {{kTrigOne, 0, 0}, {0, cx, -sx}, {0, sx, cx}};
  const Matrix ry = {{cy, 0, sy}, {0, kTrigOne, 0}, {-sy, 0, cy}};
  const Matrix rz = {{cz, -sz, 0}, {sz, cz, 0}, {0, 0, kTrigOne}};
  // A vertex turns about X first, so the combined matrix is Rz · Ry · Rx.
  Matrix yx, zyx;
  Multiply(ry, rx, yx);
  Multiply(rz, yx, zyx);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) m_[r][c] = static_cast<std::int32_t>(zyx[r][c]);
  }
}

void ViewTransform::SetTranslation(std::int32_t x, std::int32_t y, std::int32_t z) {
  t_[0] = x;
  t_[1] = y;
  t_[2] = z;
}

ViewPoint ViewTransform::Rotate(std::int64_t x, std::int64_t y, std::int64_t z) const {
  return {(m_[0][0] * x + m_[0][1] * y + m_[0][2] * z) >> kTrigShift,
          (m_[1][0] * x + m_[1][1] * y + m_[1][2] * z) >> kTrigShift,
          (m_[2][0] * x + m_[2][1] * y + m_[2][2] * z) >> kTrigShift};
}

ViewPoint ViewTransform::Apply(const std::int32_t* v) const {
  ViewPoint p = Rotate(v[0], v[1], v[2]);
  p.x += t_[0];
  p.y += t_[1];
  p.z += t_[2];
  return p;
}

Projection::Projection(int width, int height)
    : width_(width),
      height_(height),
      focal_(std::int64_t{1} << ((width == 240 || height == 240) ? 27 : 28)) {}

void Projection::ToScreen(const ViewPoint& p, std::int64_t* sx, std::int64_t* sy) const {
  // m = F / -z with four more bits, so the result lands in 1/16 pixels.
  const std::int64_t m = (focal_ << 4) / -p.z;
  *sx = std::int64_t{width_ / 2} * 16 + ((p.x * m) >> 19);
  *sy = std::int64_t{height_ / 2} * 16 - ((p.y * m) >> 19);
}

}  // namespace zentrix::graphing::render3d
