// Triangle scan conversion with edge functions in 1/16 pixels. Pixel centres are
// sampled; a centre exactly on an edge belongs to the triangle only when the edge
// is a top or a left edge, so neighbours sharing an edge never both draw it and
// never both skip it. Attributes (depth, colour) are planes over the screen.

#include <algorithm>
#include <array>
#include <utility>

#include "graphing/render3d/raster/raster_target.h"

namespace zentrix::graphing::render3d {
namespace {

using Int128 = __int128;

// Farthest a vertex may lie outside the clip rectangle before the triangle is
// clipped first: keeps every edge-function product within 64 bits.
constexpr std::int64_t kGuard = 4096 * 16;
// Fractional bits of the interpolated attributes.
constexpr int kDepthBits = 8;
constexpr int kColorBits = 16;
// Largest per-pixel gradient kept; only slivers reach it.
constexpr std::int64_t kMaxGradient = std::int64_t{1} << 47;

std::int64_t FloorDiv16(std::int64_t v) {
  return v >> 4;  // arithmetic shift: floor
}

struct Edge {
  std::int64_t value;   // at the current sample, bias included
  std::int64_t step_x;  // per pixel to the right
  std::int64_t step_y;  // per pixel down
};

Edge MakeEdge(const RasterVertex& p, const RasterVertex& q, std::int64_t sx, std::int64_t sy) {
  const std::int64_t dx = q.x - p.x;
  const std::int64_t dy = q.y - p.y;
  const bool top_left = dy < 0 || (dy == 0 && dx > 0);
  return {dx * (sy - p.y) - dy * (sx - p.x) - (top_left ? 0 : 1), -dy * 16, dx * 16};
}

// One attribute as a plane: its value at vertex a and its gradients per pixel,
// all scaled by 2^bits.
struct Plane {
  std::int64_t base;
  std::int64_t gx;
  std::int64_t gy;

  // The plane's value at a sample point (outside the triangle too). Clamped
  // gradients and the guard band keep it well within 64 bits.
  std::int64_t At(const RasterVertex& a, std::int64_t sx, std::int64_t sy) const {
    return static_cast<std::int64_t>(Int128{base} +
                                     ((Int128{gx} * (sx - a.x) + Int128{gy} * (sy - a.y)) >> 4));
  }
};

struct Setup {
  const RasterVertex* a;
  std::int64_t dx1, dy1, dx2, dy2;  // b - a and c - a
  Int128 inverse;                   // 2^62 / area
};

Plane MakePlane(const Setup& s, std::int64_t va, std::int64_t vb, std::int64_t vc, int bits,
                std::int64_t bias) {
  const std::int64_t a = (va << bits) + bias, b = (vb << bits) + bias, c = (vc << bits) + bias;
  const std::int64_t d1 = b - a, d2 = c - a;
  const Int128 nx = Int128{d1} * s.dy2 - Int128{d2} * s.dy1;
  const Int128 ny = Int128{d2} * s.dx1 - Int128{d1} * s.dx2;
  auto gradient = [&](Int128 n) {
    Int128 g = (n * 16 * s.inverse) >> 62;
    return static_cast<std::int64_t>(std::clamp<Int128>(g, -kMaxGradient, kMaxGradient));
  };
  return {a, gradient(nx), gradient(ny)};
}

void Rasterize(const RasterTarget& t, const RasterVertex& a, RasterVertex b, RasterVertex c,
               bool smooth, draw::Pixel flat) {
  std::int64_t area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  if (area == 0) return;
  if (area < 0) {
    std::swap(b, c);
    area = -area;
  }
  const std::int64_t min_x = std::min({a.x, b.x, c.x}), max_x = std::max({a.x, b.x, c.x});
  const std::int64_t min_y = std::min({a.y, b.y, c.y}), max_y = std::max({a.y, b.y, c.y});
  // Pixels whose centres (16·p + 8) can lie within the bounding box.
  const int x0 = static_cast<int>(std::max<std::int64_t>(t.clip.left, FloorDiv16(min_x - 8 + 15)));
  const int x1 = static_cast<int>(std::min<std::int64_t>(t.clip.right - 1, FloorDiv16(max_x - 8)));
  const int y0 = static_cast<int>(std::max<std::int64_t>(t.clip.top, FloorDiv16(min_y - 8 + 15)));
  const int y1 = static_cast<int>(std::min<std::int64_t>(t.clip.bottom - 1, FloorDiv16(max_y - 8)));
  if (x0 > x1 || y0 > y1) return;

  const std::int64_t sx0 = std::int64_t{x0} * 16 + 8, sy0 = std::int64_t{y0} * 16 + 8;
  Edge e0 = MakeEdge(a, b, sx0, sy0);
  Edge e1 = MakeEdge(b, c, sx0, sy0);
  Edge e2 = MakeEdge(c, a, sx0, sy0);

  const Setup s{&a,        b.x - a.x,
                b.y - a.y, c.x - a.x,
                c.y - a.y, (std::int64_t{1} << 62) / area};  // a 64-bit division: area < 2^40
  const Plane depth = MakePlane(s, a.depth, b.depth, c.depth, kDepthBits, 0);
  constexpr std::int64_t kHalf = std::int64_t{1} << (kColorBits - 1);
  Plane red{}, green{}, blue{};
  if (smooth) {
    red = MakePlane(s, a.r, b.r, c.r, kColorBits, kHalf);
    green = MakePlane(s, a.g, b.g, c.g, kColorBits, kHalf);
    blue = MakePlane(s, a.b, b.b, c.b, kColorBits, kHalf);
  }

  // Attribute values at the first pixel of the current row; a covered pixel's
  // values follow from them with one multiply. Gradients are clamped and the
  // box is bounded by the guard band, so these sums stay within 64 bits.
  std::int64_t depth_row = depth.At(a, sx0, sy0);
  std::int64_t red_row = 0, green_row = 0, blue_row = 0;
  if (smooth) {
    red_row = red.At(a, sx0, sy0);
    green_row = green.At(a, sx0, sy0);
    blue_row = blue.At(a, sx0, sy0);
  }
  // The pixel layout in locals: pixel stores could alias the target otherwise.
  const RasterTarget local = t;
  for (int py = y0; py <= y1; ++py) {
    std::int64_t w0 = e0.value, w1 = e1.value, w2 = e2.value;
    int px = x0;
    // Step to the first covered centre of the row (the triangle is convex, so
    // the covered centres of a row form one run).
    while (px <= x1 && (w0 | w1 | w2) < 0) {
      w0 += e0.step_x;
      w1 += e1.step_x;
      w2 += e2.step_x;
      ++px;
    }
    if (px <= x1) {
      const std::int64_t skipped = px - x0;
      std::int64_t d = depth_row + depth.gx * skipped;
      DepthValue* zrow = t.DepthRow(py);
      draw::Pixel* pixel = t.PixelAt(px, py);
      if (smooth) {
        std::int64_t r = red_row + red.gx * skipped;
        std::int64_t g = green_row + green.gx * skipped;
        std::int64_t bl = blue_row + blue.gx * skipped;
        for (; px <= x1 && (w0 | w1 | w2) >= 0; ++px) {
          const auto z = static_cast<DepthValue>(d >> kDepthBits);
          if (z > zrow[px]) {
            zrow[px] = z;
            *pixel =
                local.Pack(static_cast<int>(r >> kColorBits), static_cast<int>(g >> kColorBits),
                           static_cast<int>(bl >> kColorBits));
          }
          d += depth.gx;
          r += red.gx;
          g += green.gx;
          bl += blue.gx;
          w0 += e0.step_x;
          w1 += e1.step_x;
          w2 += e2.step_x;
          pixel += local.x_step;
        }
      } else {
        for (; px <= x1 && (w0 | w1 | w2) >= 0; ++px) {
          const auto z = static_cast<DepthValue>(d >> kDepthBits);
          if (z > zrow[px]) {
            zrow[px] = z;
            *pixel = flat;
          }
          d += depth.gx;
          w0 += e0.step_x;
          w1 += e1.step_x;
          w2 += e2.step_x;
          pixel += local.x_step;
        }
      }
    }
    e0.value += e0.step_y;
    e1.value += e1.step_y;
    e2.value += e2.step_y;
    depth_row += depth.gy;
    red_row += red.gy;
    green_row += green.gy;
    blue_row += blue.gy;
  }
}

// Sutherland–Hodgman against one side of the guard rectangle; `axis` 0 is x.
// Keeps points with coordinate >= limit (sign 1) or <= limit (sign -1).
int ClipSide(const RasterVertex* in, int count, RasterVertex* out, int axis, std::int64_t limit,
             int sign) {
  auto coord = [axis](const RasterVertex& v) { return axis == 0 ? v.x : v.y; };
  auto inside = [&](const RasterVertex& v) { return sign * (coord(v) - limit) >= 0; };
  auto lerp = [](std::int64_t p, std::int64_t q, Int128 num, Int128 den) {
    return static_cast<std::int64_t>(p + (Int128{q - p} * num) / den);
  };
  int n = 0;
  for (int i = 0; i < count; ++i) {
    const RasterVertex& p = in[i];
    const RasterVertex& q = in[(i + 1) % count];
    if (inside(p)) out[n++] = p;
    if (inside(p) != inside(q)) {
      const Int128 num = limit - coord(p), den = coord(q) - coord(p);
      RasterVertex v;
      v.x = axis == 0 ? limit : lerp(p.x, q.x, num, den);
      v.y = axis == 1 ? limit : lerp(p.y, q.y, num, den);
      v.depth = static_cast<DepthValue>(lerp(p.depth, q.depth, num, den));
      v.r = static_cast<std::int32_t>(lerp(p.r, q.r, num, den));
      v.g = static_cast<std::int32_t>(lerp(p.g, q.g, num, den));
      v.b = static_cast<std::int32_t>(lerp(p.b, q.b, num, den));
      out[n++] = v;
    }
  }
  return n;
}

}  // namespace

void FillTriangle(const RasterTarget& t, const RasterVertex& a, const RasterVertex& b,
                  const RasterVertex& c, bool smooth, draw::Pixel flat) {
  const std::int64_t left = std::int64_t{t.clip.left} * 16 - kGuard;
  const std::int64_t right = std::int64_t{t.clip.right} * 16 + kGuard;
  const std::int64_t top = std::int64_t{t.clip.top} * 16 - kGuard;
  const std::int64_t bottom = std::int64_t{t.clip.bottom} * 16 + kGuard;
  auto within = [&](const RasterVertex& v) {
    return v.x >= left && v.x <= right && v.y >= top && v.y <= bottom;
  };
  if (within(a) && within(b) && within(c)) {
    Rasterize(t, a, b, c, smooth, flat);
    return;
  }
  // A far vertex: clip the triangle to the guard rectangle and fill the fan.
  // The cuts lie outside the clip rectangle, so they never show.
  std::array<RasterVertex, 8> p{a, b, c}, q{};
  int n = ClipSide(p.data(), 3, q.data(), 0, left, 1);
  n = ClipSide(q.data(), n, p.data(), 0, right, -1);
  n = ClipSide(p.data(), n, q.data(), 1, top, 1);
  n = ClipSide(q.data(), n, p.data(), 1, bottom, -1);
  for (int i = 1; i + 1 < n; ++i) Rasterize(t, p[0], p[i], p[i + 1], smooth, flat);
}

}  // namespace zentrix::graphing::render3d
