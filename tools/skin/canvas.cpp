#include "tools/skin/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zentrix::skin {

namespace {

// Samples per device pixel along each axis.
constexpr int kSamples = 4;

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float SegmentDistance2(Point p, Point a, Point b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = Clamp01(t);
  const float ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

bool InRoundRect(float px, float py, float x, float y, float w, float h, float r) {
  if (px < x || py < y || px >= x + w || py >= y + h) return false;
  r = std::min({r, w / 2, h / 2});
  const float cx = std::clamp(px, x + r, x + w - r);
  const float cy = std::clamp(py, y + r, y + h - r);
  const float dx = px - cx, dy = py - cy;
  return dx * dx + dy * dy <= r * r;
}

// The smallest box holding every point (points non-empty): left, top, right, bottom.
std::array<float, 4> BoundingBox(const std::vector<Point>& points) {
  float x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
  for (const Point& p : points) {
    x0 = std::min(x0, p.x);
    y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x);
    y1 = std::max(y1, p.y);
  }
  return {x0, y0, x1, y1};
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

draw::Color ToColor(Rgb c) {
  auto channel = [](float v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
  };
  return draw::MakeColor(channel(c.r), channel(c.g), channel(c.b));
}

Paint Solid(Rgb c) {
  return [c](float, float) { return c; };
}

Paint VerticalGradient(Rgb top, Rgb bottom, float y0, float y1) {
  return
      [=](float, float y) { return Mix(top, bottom, y1 > y0 ? Clamp01((y - y0) / (y1 - y0)) : 0); };
}

Canvas::Canvas(int design_width, int design_height, int scale)
    : width_(design_width * scale),
      height_(design_height * scale),
      scale_(scale),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

void Canvas::BlendPixel(int x, int y, Rgb c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  Px& p = pixels_[Index(x, y)];
  const float out_a = alpha + p.a * (1 - alpha);
  if (out_a <= 0) return;
  const float keep = p.a * (1 - alpha) / out_a;
  const float put = alpha / out_a;
  p.c = Rgb{c.r * put + p.c.r * keep, c.g * put + p.c.g * keep, c.b * put + p.c.b * keep};
  p.a = out_a;
}

void Canvas::Fill(float x0, float y0, float x1, float y1, const Inside& inside, const Paint& paint,
                  float alpha) {
  const float s = static_cast<float>(scale_);
  const int left = std::max(0, static_cast<int>(std::floor(x0 * s)) - 1);
  const int top = std::max(0, static_cast<int>(std::floor(y0 * s)) - 1);
  const int right = std::min(width_, static_cast<int>(std::ceil(x1 * s)) + 1);
  const int bottom = std::min(height_, static_cast<int>(std::ceil(y1 * s)) + 1);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const float px = (x + (sx + 0.5f) / kSamples) / s;
          const float py = (y + (sy + 0.5f) / kSamples) / s;
          if (inside(px, py)) ++hits;
        }
      }
      if (hits == 0) continue;
      const float coverage = static_cast<float>(hits) / (kSamples * kSamples);
      BlendPixel(x, y, paint((x + 0.5f) / s, (y + 0.5f) / s), alpha * coverage);
    }
  }
}

void Canvas::FillRect(float x, float y, float w, float h, const Paint& paint, float alpha) {
  Fill(
      x, y, x + w, y + h,
      [=](float px, float py) { return px >= x && py >= y && px < x + w && py < y + h; }, paint,
      alpha);
}

void Canvas::FillRoundRect(float x, float y, float w, float h, float radius, const Paint& paint,
                           float alpha) {
  Fill(
      x, y, x + w, y + h,
      [=](float px, float py) { return InRoundRect(px, py, x, y, w, h, radius); }, paint, alpha);
}

void Canvas::StrokeRoundRect(float x, float y, float w, float h, float radius, float thickness,
                             const Paint& paint, float alpha) {
  const float t = thickness;
  Fill(
      x, y, x + w, y + h,
      [=](float px, float py) {
        return InRoundRect(px, py, x, y, w, h, radius) &&
               !InRoundRect(px, py, x + t, y + t, w - 2 * t, h - 2 * t, std::max(0.0f, radius - t));
      },
      paint, alpha);
}

void Canvas::FillCircle(float cx, float cy, float r, const Paint& paint, float alpha) {
  Fill(
      cx - r, cy - r, cx + r, cy + r,
      [=](float px, float py) { return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r; },
      paint, alpha);
}

void Canvas::StrokeCircle(float cx, float cy, float r, float thickness, const Paint& paint,
                          float alpha) {
  const float outer = r + thickness / 2, inner = std::max(0.0f, r - thickness / 2);
  Fill(
      cx - outer, cy - outer, cx + outer, cy + outer,
      [=](float px, float py) {
        const float d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
        return d2 <= outer * outer && d2 >= inner * inner;
      },
      paint, alpha);
}

void Canvas::StrokePath(const std::vector<Point>& points, float thickness, const Paint& paint,
                        float alpha) {
  if (points.empty()) return;
  const auto [x0, y0, x1, y1] = BoundingBox(points);
  const float h = thickness / 2;
  const float h2 = h * h;
  Fill(
      x0 - h, y0 - h, x1 + h, y1 + h,
      [&](float px, float py) {
        if (points.size() == 1) return SegmentDistance2({px, py}, points[0], points[0]) <= h2;
        for (std::size_t i = 1; i < points.size(); ++i) {
          if (SegmentDistance2({px, py}, points[i - 1], points[i]) <= h2) return true;
        }
        return false;
      },
      paint, alpha);
}

void Canvas::FillPolygon(const std::vector<Point>& points, const Paint& paint, float alpha) {
  if (points.size() < 3) return;
  const auto [x0, y0, x1, y1] = BoundingBox(points);
  Fill(
      x0, y0, x1, y1,
      [&](float px, float py) {
        bool in = false;  // even-odd rule
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const Point& a = points[i];
          const Point& b = points[j];
          if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) {
            in = !in;
          }
        }
        return in;
      },
      paint, alpha);
}

void Canvas::BlendCoverage(int x, int y, int w, int h, const std::uint8_t* coverage, int pitch,
                           const Paint& paint, float alpha) {
  const float s = static_cast<float>(scale_);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const std::uint8_t c = coverage[j * pitch + i];
      if (c == 0) continue;
      const int px = x + i, py = y + j;
      BlendPixel(px, py, paint((px + 0.5f) / s, (py + 0.5f) / s), alpha * (c / 255.0f));
    }
  }
}

draw::DrawResult CanvasToSurface(const Canvas& canvas, draw::Color key, Rgb matte,
                                 draw::Surface* out) {
  out->SetColorKey(key);
  draw::DrawResult r = out->Create(draw::surface_flags::kClear, canvas.Width(), canvas.Height());
  if (draw::Failed(r)) return r;
  const draw::Pixel key_pixel = draw::Surface::ToPixel(key);
  // The nearest colour that is not the key: one step of green away.
  const draw::Pixel nudged = static_cast<draw::Pixel>(key_pixel ^ 0x0020);
  for (int y = 0; y < canvas.Height(); ++y) {
    draw::Pixel* row = out->Row(y);
    for (int x = 0; x < canvas.Width(); ++x) {
      const float a = canvas.AlphaAt(x, y);
      if (a < 0.25f) {
        row[x] = key_pixel;
        continue;
      }
      const draw::Pixel p = draw::Surface::ToPixel(ToColor(Mix(matte, canvas.ColorAt(x, y), a)));
      row[x] = p == key_pixel ? nudged : p;
    }
  }
  return draw::kOk;
}

draw::DrawResult JoinFrames(const std::vector<draw::Surface>& frames, draw::Color key,
                            draw::Surface* out) {
  int width = 0;
  const int height = frames.empty() ? 0 : frames[0].Height();
  for (const draw::Surface& f : frames) {
    if (f.Height() != height) return draw::kInvalidArgument;
    width += f.Width();
  }
  out->SetColorKey(key);
  draw::DrawResult r = out->Create(draw::surface_flags::kClear, width, height);
  if (draw::Failed(r)) return r;
  int x = 0;
  for (const draw::Surface& f : frames) {
    r = out->Blit(x, 0, f);
    if (draw::Failed(r)) return r;
    x += f.Width();
  }
  return draw::kOk;
}

}  // namespace zentrix::skin
