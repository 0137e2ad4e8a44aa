// Line drawing: vertical, horizontal and general loops. The general loop walks
// the major axis and computes the minor coordinate with the midpoint rule
// q(t) = floor((2·t·minor + major) / (2·major)); clipping picks the range of t
// whose points lie inside the clip rectangle, so a clipped line draws exactly the
// pixels of the unclipped line that fall inside it.

#include <algorithm>
#include <cstdint>
#include <utility>

#include "draw/pixel_ops.h"
#include "draw/surface.h"

namespace zentrix::draw {

namespace {

using i64 = std::int64_t;

struct Plotter {
  Surface* surface;
  Pixel pixel;
  bool blend;
  std::uint32_t opacity;
  pixel_ops::Layout layout;

  void Plot(int x, int y) const {
    Pixel& p = surface->Row(y)[x];
    p = blend ? pixel_ops::Blend(p, pixel, opacity, layout) : pixel;
  }
};

// The midpoint rule's minor offset at step t.
// Products of two coordinate spans need more than 64 bits.
using i128 = __int128;
i64 MinorAt(i64 t, i64 minor, i64 major) {
  return static_cast<i64>((2 * static_cast<i128>(t) * minor + major) / (2 * major));
}

// Narrows [lo, hi] to the steps whose minor offset lies in [qlo, qhi]; q is
// non-decreasing in t. Returns false when no step remains.
bool NarrowByMinor(i64* lo, i64* hi, i64 qlo, i64 qhi, i64 minor, i64 major) {
  if (*lo > *hi) return false;
  i64 a = *lo, b = *hi + 1;  // first t with q(t) >= qlo, in [lo, hi + 1]
  while (a < b) {
    i64 mid = a + (b - a) / 2;
    if (MinorAt(mid, minor, major) >= qlo)
      b = mid;
    else
      a = mid + 1;
  }
  i64 first = a;
  a = *lo - 1, b = *hi;  // last t with q(t) <= qhi, in [lo - 1, hi]
  while (a < b) {
    i64 mid = b - (b - a) / 2;
    if (MinorAt(mid, minor, major) <= qhi)
      a = mid;
    else
      b = mid - 1;
  }
  *lo = first;
  *hi = a;
  return *lo <= *hi;
}

// Step range along an axis starting at `start` with direction `step` (±1) that
// stays inside [low, high].
void AxisRange(i64 start, int step, i64 low, i64 high, i64* lo, i64* hi) {
  if (step > 0) {
    *lo = std::max(*lo, low - start);
    *hi = std::min(*hi, high - start);
  } else {
    *lo = std::max(*lo, start - high);
    *hi = std::min(*hi, start - low);
  }
}

void GeneralLine(const Plotter& plot, i64 x1, i64 y1, i64 x2, i64 y2, const Rect& clip,
                 bool dotted) {
  const i64 dx = x2 - x1, dy = y2 - y1;  // dy > 0
  const int sx = dx < 0 ? -1 : 1;
  const i64 adx = dx < 0 ? -dx : dx;
  const bool x_major = adx >= dy;
  const i64 major = x_major ? adx : dy;
  const i64 minor = x_major ? dy : adx;
  i64 lo = 0, hi = major;
  if (x_major) {
    AxisRange(x1, sx, clip.left, clip.right - 1, &lo, &hi);
    if (!NarrowByMinor(&lo, &hi, clip.top - y1, clip.bottom - 1 - y1, minor, major)) return;
  } else {
    AxisRange(y1, 1, clip.top, clip.bottom - 1, &lo, &hi);
    i64 qlo = 0, qhi = major;
    AxisRange(x1, sx, clip.left, clip.right - 1, &qlo, &qhi);
    if (!NarrowByMinor(&lo, &hi, qlo, qhi, minor, major)) return;
  }
  const i64 denom = 2 * major;
  const i128 num = 2 * static_cast<i128>(lo) * minor + major;
  i64 q = static_cast<i64>(num / denom), rem = static_cast<i64>(num % denom);
  for (i64 t = lo; t <= hi; ++t) {
    if (!dotted || (t & 1) == 0) {
      if (x_major) {
        plot.Plot(static_cast<int>(x1 + sx * t), static_cast<int>(y1 + q));
      } else {
        plot.Plot(static_cast<int>(x1 + sx * q), static_cast<int>(y1 + t));
      }
    }
    rem += 2 * minor;
    if (rem >= denom) {
      rem -= denom;
      ++q;
    }
  }
}

}  // namespace

DrawResult Surface::DrawLine(int x1, int y1, int x2, int y2, Color color, std::uint32_t flags,
                             const BlitEffect* effect) {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  if (flags & ~(line_flags::kDotted | line_flags::kOpacity)) return kInvalidArgument;
  const bool blend = (flags & line_flags::kOpacity) != 0;
  if (blend && (!effect || effect->opacity > 255)) return kInvalidArgument;
  if (blend && effect->opacity == 0) return kOk;
  const bool dotted = (flags & line_flags::kDotted) != 0;

  if (y1 > y2 || (y1 == y2 && x1 > x2)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const Rect clip = EffectiveClip();
  if (clip.Empty()) return kOk;
  const PixelFormat format = Context().format;
  const Plotter plot{this, ColorToPixel(color, format), blend, blend ? effect->opacity : 255,
                     pixel_ops::LayoutOf(format)};

  if (x1 == x2) {
    if (x1 < clip.left || x1 >= clip.right) return kOk;
    for (int y = std::max(y1, clip.top), end = std::min(y2, clip.bottom - 1); y <= end; ++y) {
      if (!dotted || ((static_cast<i64>(y) - y1) & 1) == 0) plot.Plot(x1, y);
    }
    return kOk;
  }
  if (y1 == y2) {
    if (y1 < clip.top || y1 >= clip.bottom) return kOk;
    const int start = std::max(x1, clip.left), end = std::min(x2, clip.right - 1);
    if (start > end) return kOk;
    if (!blend && !dotted) {
      std::fill(Row(y1) + start, Row(y1) + end + 1, plot.pixel);
      return kOk;
    }
    for (int x = start; x <= end; ++x) {
      if (!dotted || ((static_cast<i64>(x) - x1) & 1) == 0) plot.Plot(x, y1);
    }
    return kOk;
  }
  GeneralLine(plot, x1, y1, x2, y2, clip, dotted);
  return kOk;
}

}  // namespace zentrix::draw
