// Depth-tested lines: the line is clipped to the clip rectangle (widened by the
// line's half width) in 64-bit pixel coordinates, then stepped one pixel at a
// time along its major axis with its depth and colour interpolated.

#include <algorithm>
#include <cstdlib>

#include "graphing/render3d/raster/raster_target.h"

namespace zentrix::graphing::render3d {
namespace {

using Int128 = __int128;

struct Point {
  std::int64_t x;
  std::int64_t y;
};

enum Outcode { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

int OutcodeOf(const Point& p, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
  return (p.x < l ? kLeft : 0) | (p.x > r ? kRight : 0) | (p.y < t ? kTop : 0) |
         (p.y > b ? kBottom : 0);
}

// Cohen–Sutherland on a closed rectangle; false when nothing is left.
bool Clip(Point* p, Point* q, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
  int cp = OutcodeOf(*p, l, t, r, b), cq = OutcodeOf(*q, l, t, r, b);
  for (int guard = 0; guard < 8; ++guard) {
    if ((cp | cq) == 0) return true;
    if ((cp & cq) != 0) return false;
    const int out = cp != 0 ? cp : cq;
    Point* moving = cp != 0 ? p : q;
    const Point from = *p, to = *q;
    const Int128 dx = to.x - from.x, dy = to.y - from.y;
    Point v;
    if (out & kTop) {
      v = {static_cast<std::int64_t>(from.x + dx * (t - from.y) / dy), t};
    } else if (out & kBottom) {
      v = {static_cast<std::int64_t>(from.x + dx * (b - from.y) / dy), b};
    } else if (out & kLeft) {
      v = {l, static_cast<std::int64_t>(from.y + dy * (l - from.x) / dx)};
    } else {
      v = {r, static_cast<std::int64_t>(from.y + dy * (r - from.x) / dx)};
    }
    *moving = v;
    if (moving == p) {
      cp = OutcodeOf(*p, l, t, r, b);
    } else {
      cq = OutcodeOf(*q, l, t, r, b);
    }
  }
  return (cp | cq) == 0;
}

// An attribute of the original line at major coordinate m.
std::int64_t AttributeAt(std::int64_t va, std::int64_t vb, std::int64_t ma, std::int64_t mb,
                         std::int64_t m) {
  if (ma == mb) return va;
  return static_cast<std::int64_t>(va + Int128{vb - va} * (m - ma) / (mb - ma));
}

void Plot(const RasterTarget& t, std::int64_t x, std::int64_t y, DepthValue z, draw::Pixel pixel) {
  if (!t.clip.Contains(static_cast<int>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX)),
                       static_cast<int>(std::clamp<std::int64_t>(y, INT32_MIN, INT32_MAX)))) {
    return;
  }
  DepthValue& stored = t.DepthRow(static_cast<int>(y))[x];
  if (z > stored) {
    stored = z;
    *t.PixelAt(static_cast<int>(x), static_cast<int>(y)) = pixel;
  }
}

}  // namespace

void DrawLine(const RasterTarget& t, const RasterVertex& a, const RasterVertex& b, int width,
              bool smooth, draw::Pixel flat) {
  width = std::clamp(width, 1, 64);
  const Point pa{a.x >> 4, a.y >> 4}, pb{b.x >> 4, b.y >> 4};
  // A wide line may reach past the clip by its half width (pixels are tested
  // one by one then); a thin line is clipped exactly and written directly.
  const std::int64_t margin = width == 1 ? 0 : width / 2 + 1;
  Point p = pa, q = pb;
  if (!Clip(&p, &q, t.clip.left - margin, t.clip.top - margin, t.clip.right - 1 + margin,
            t.clip.bottom - 1 + margin)) {
    return;
  }
  const bool x_major = std::llabs(pb.x - pa.x) >= std::llabs(pb.y - pa.y);
  const std::int64_t ma = x_major ? pa.x : pa.y, mb = x_major ? pb.x : pb.y;
  const std::int64_t m0 = x_major ? p.x : p.y, m1 = x_major ? q.x : q.y;
  const std::int64_t n0 = x_major ? p.y : p.x, n1 = x_major ? q.y : q.x;
  const std::int64_t steps = std::llabs(m1 - m0);
  const std::int64_t direction = m1 >= m0 ? 1 : -1;

  // Depth with 16 and colours with 16 fractional bits; the minor coordinate
  // with 32, starting at the pixel's middle.
  const bool clipped = m0 != ma || m1 != mb;
  auto start = [&](std::int64_t va, std::int64_t vb) {
    return (clipped ? AttributeAt(va, vb, ma, mb, m0) : va) << 16;
  };
  auto step = [&](std::int64_t from, std::int64_t va, std::int64_t vb) {
    const std::int64_t end = (clipped ? AttributeAt(va, vb, ma, mb, m1) : vb) << 16;
    return steps == 0 ? 0 : (end - from) / steps;
  };
  std::int64_t z = start(a.depth, b.depth), dz = step(z, a.depth, b.depth);
  std::int64_t r = 0, g = 0, bl = 0, dr = 0, dg = 0, db = 0;
  if (smooth) {
    r = start(a.r, b.r) + (1 << 15);
    g = start(a.g, b.g) + (1 << 15);
    bl = start(a.b, b.b) + (1 << 15);
    dr = step(r, a.r, b.r);
    dg = step(g, a.g, b.g);
    db = step(bl, a.b, b.b);
  }
  std::int64_t minor = (n0 << 32) + (std::int64_t{1} << 31);
  const std::int64_t minor_step = steps == 0 ? 0 : ((n1 - n0) << 32) / steps;
  const int before = (width - 1) / 2;

  std::int64_t m = m0;
  if (width == 1 && !smooth) {
    // Every pixel lies inside the clip: the line was clipped to it exactly.
    for (std::int64_t i = 0; i <= steps; ++i, m += direction, minor += minor_step, z += dz) {
      const std::int64_t n = minor >> 32;
      const std::int64_t x = x_major ? m : n, y = x_major ? n : m;
      DepthValue& stored = t.depth[y * t.depth_stride + x];
      const auto depth = static_cast<DepthValue>(z >> 16);
      if (depth > stored) {
        stored = depth;
        t.base[(x + t.offset_x) * t.x_step + (y + t.offset_y) * t.y_step] = flat;
      }
    }
    return;
  }
  for (std::int64_t i = 0; i <= steps; ++i) {
    const draw::Pixel pixel = smooth ? t.Pack(static_cast<int>(r >> 16), static_cast<int>(g >> 16),
                                              static_cast<int>(bl >> 16))
                                     : flat;
    const std::int64_t centre = minor >> 32;
    const auto depth = static_cast<DepthValue>(z >> 16);
    for (int k = 0; k < width; ++k) {
      const std::int64_t across = centre - before + k;
      if (x_major) {
        Plot(t, m, across, depth, pixel);
      } else {
        Plot(t, across, m, depth, pixel);
      }
    }
    m += direction;
    minor += minor_step;
    z += dz;
    r += dr;
    g += dg;
    bl += db;
  }
}

void DrawPointSquare(const RasterTarget& t, const RasterVertex& v, int size, draw::Pixel pixel) {
  size = std::clamp(size, 1, 64);
  const std::int64_t cx = v.x >> 4, cy = v.y >> 4;
  const std::int64_t left = cx - (size - 1) / 2, top = cy - (size - 1) / 2;
  for (int dy = 0; dy < size; ++dy) {
    for (int dx = 0; dx < size; ++dx) Plot(t, left + dx, top + dy, v.depth, pixel);
  }
}

}  // namespace zentrix::graphing::render3d
