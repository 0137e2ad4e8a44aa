#include "draw/current_surface.h"

#include <cmath>
#include <cstdint>

namespace zentrix::draw::current {

namespace {

// Radii beyond this are refused: the outline loop runs about 0.7·r times.
constexpr int kMaxRadius = 1 << 16;

Surface* Current() { return Context().current_surface; }

// Points of a shape that fall outside the surface are simply not drawn.
DrawResult Plot(Surface* s, int x, int y, Color color) {
  if (!s->Bounds().Contains(x, y)) return s->CheckReady();
  return s->SetPixel(x, y, color);
}

}  // namespace

DrawResult Select(Surface* surface) {
  Context().current_surface = surface;
  return surface ? surface->SetClipRect(nullptr) : kOk;
}

Surface* Get() { return Current(); }

DrawResult SetClip(int left, int top, int width, int height) {
  return SetClip(Rect::FromSize(left, top, width, height));
}

DrawResult SetClip(const Rect& rect) {
  Surface* s = Current();
  return s ? s->SetClipRect(&rect) : kNoPixels;
}

DrawResult ClearClip() {
  Surface* s = Current();
  return s ? s->SetClipRect(nullptr) : kNoPixels;
}

DrawResult Lock(Pixels* out) {
  Surface* s = Current();
  if (!s) return kNoPixels;
  if (!out) return kInvalidArgument;
  LockInfo info;
  DrawResult r = s->Lock(&info);
  if (Failed(r)) return r;
  *out = Pixels{info.pixels, info.x_step_bytes / 2, info.y_step_bytes / 2};
  return kOk;
}

DrawResult Unlock() {
  Surface* s = Current();
  return s ? s->Unlock() : kNoPixels;
}

int Width() { return Current() ? Current()->Width() : 0; }
int Height() { return Current() ? Current()->Height() : 0; }
bool IsLandscape() { return Width() > Height(); }

DrawResult HLine(int x1, int y, int x2, Color color) { return Line(x1, y, x2, y, color); }
DrawResult VLine(int x, int y1, int y2, Color color) { return Line(x, y1, x, y2, color); }
DrawResult FullHLine(int y, Color color) { return Line(0, y, Width() - 1, y, color); }

DrawResult Line(int x1, int y1, int x2, int y2, Color color) {
  Surface* s = Current();
  return s ? s->DrawLine(x1, y1, x2, y2, color) : kNoPixels;
}

DrawResult DottedLine(int x1, int y1, int x2, int y2, Color color) {
  Surface* s = Current();
  return s ? s->DrawLine(x1, y1, x2, y2, color, line_flags::kDotted) : kNoPixels;
}

DrawResult SetPixel(int x, int y, Color color) {
  Surface* s = Current();
  return s ? s->SetPixel(x, y, color) : kNoPixels;
}

DrawResult Rectangle(int x, int y, int width, int height, Color fill, Color border_color,
                     int border) {
  Surface* s = Current();
  if (!s) return kNoPixels;
  if (border < 0 || border > 2) return kInvalidArgument;
  DrawResult r = s->CheckReady();
  if (Failed(r) || width <= 0 || height <= 0) return r;
  const std::int64_t right = static_cast<std::int64_t>(x) + width - 1;
  const std::int64_t bottom = static_cast<std::int64_t>(y) + height - 1;
  if (right > INT32_MAX || bottom > INT32_MAX) return kInvalidArgument;
  const int x2 = static_cast<int>(right), y2 = static_cast<int>(bottom);
  if (fill != kNoFill) {
    const Rect clip = s->ClipRect().Intersect(s->Bounds());
    for (int row = std::max(y, clip.top), end = std::min(y2, clip.bottom - 1); row <= end; ++row) {
      r = s->DrawLine(x, row, x2, row, fill);
      if (Failed(r)) return r;
    }
  }
  for (int inset = 0; inset < border; ++inset) {
    const int l = x + inset, t = y + inset, rr = x2 - inset, b = y2 - inset;
    if (l > rr || t > b) break;
    s->DrawLine(l, t, rr, t, border_color);
    s->DrawLine(l, b, rr, b, border_color);
    s->DrawLine(l, t, l, b, border_color);
    s->DrawLine(rr, t, rr, b, border_color);
  }
  return kOk;
}

DrawResult Circle(int cx, int cy, int radius, Color color) {
  Surface* s = Current();
  if (!s) return kNoPixels;
  if (radius < 0 || radius > kMaxRadius) return kInvalidArgument;
  DrawResult r = s->CheckReady();
  if (Failed(r)) return r;
  const long long rr = static_cast<long long>(radius) * radius;
  long long i = 0, d = radius;
  while (d >= i) {
    const long long px[8] = {cx + i, cx - i, cx + i, cx - i, cx + d, cx - d, cx + d, cx - d};
    const long long py[8] = {cy + d, cy + d, cy - d, cy - d, cy + i, cy + i, cy - i, cy - i};
    for (int k = 0; k < 8; ++k) {
      if (px[k] < INT32_MIN || px[k] > INT32_MAX || py[k] < INT32_MIN || py[k] > INT32_MAX)
        continue;
      r = Plot(s, static_cast<int>(px[k]), static_cast<int>(py[k]), color);
      if (Failed(r)) return r;
    }
    ++i;
    d = static_cast<long long>(std::sqrt(static_cast<double>(rr - i * i)) + 0.5);
  }
  return kOk;
}

bool ClipLine(int* x1, int* y1, int* x2, int* y2, const Rect& clip) {
  if (clip.Empty()) return false;
  const std::int64_t xmin = clip.left, xmax = clip.right - 1;
  const std::int64_t ymin = clip.top, ymax = clip.bottom - 1;
  auto outcode = [&](std::int64_t x, std::int64_t y) {
    int code = 0;
    if (x < xmin) code |= 1;
    if (x > xmax) code |= 2;
    if (y < ymin) code |= 4;
    if (y > ymax) code |= 8;
    return code;
  };
  std::int64_t ax = *x1, ay = *y1, bx = *x2, by = *y2;
  int ca = outcode(ax, ay), cb = outcode(bx, by);
  // Each pass moves one endpoint onto an edge; eight passes always settle it.
  for (int pass = 0; pass < 8; ++pass) {
    if ((ca | cb) == 0) {
      *x1 = static_cast<int>(ax), *y1 = static_cast<int>(ay);
      *x2 = static_cast<int>(bx), *y2 = static_cast<int>(by);
      return true;
    }
    if (ca & cb) return false;
    const int code = ca ? ca : cb;
    // a0 + (a1 - a0)·(t - b0) / (b1 - b0); the product needs more than 64 bits.
    auto along = [](std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1,
                    std::int64_t t) {
      return static_cast<std::int64_t>(a0 + static_cast<__int128>(a1 - a0) * (t - b0) / (b1 - b0));
    };
    std::int64_t x = 0, y = 0;
    if (code & 8) {
      x = along(ax, bx, ay, by, ymax), y = ymax;
    } else if (code & 4) {
      x = along(ax, bx, ay, by, ymin), y = ymin;
    } else if (code & 2) {
      y = along(ay, by, ax, bx, xmax), x = xmax;
    } else {
      y = along(ay, by, ax, bx, xmin), x = xmin;
    }
    if (code == ca) {
      ax = x, ay = y, ca = outcode(ax, ay);
    } else {
      bx = x, by = y, cb = outcode(bx, by);
    }
  }
  return false;
}

}  // namespace zentrix::draw::current
