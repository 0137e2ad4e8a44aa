#pragma once
// A small anti-aliased painting canvas for the skin drawings: straight-alpha RGBA
// in floating point, shapes filled by supersampling an inside test, and a
// conversion into a colour-keyed 16-bit surface.
//
// Coordinates are in design units (Small-skin pixels) and are multiplied by the
// canvas scale, so one drawing serves both skin sizes. Pixel (i, j) covers the
// square [i, i + 1) × [j, j + 1) in device pixels.

#include <cstdint>
#include <functional>
#include <vector>

#include "draw/color.h"
#include "draw/draw_result.h"
#include "draw/surface.h"

namespace zentrix::skin {

struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

// 0xRRGGBB as people write colours (not the program's 0x00BBGGRR).
constexpr Rgb Hex(std::uint32_t rgb) {
  return Rgb{static_cast<float>((rgb >> 16) & 0xFF), static_cast<float>((rgb >> 8) & 0xFF),
             static_cast<float>(rgb & 0xFF)};
}
Rgb Mix(Rgb a, Rgb b, float t);  // a at t = 0, b at t = 1
draw::Color ToColor(Rgb c);

// A paint gives the colour at a point in design units.
using Paint = std::function<Rgb(float x, float y)>;
Paint Solid(Rgb c);
// From `top` at y0 to `bottom` at y1 (clamped).
Paint VerticalGradient(Rgb top, Rgb bottom, float y0, float y1);

struct Point {
  float x;
  float y;
};

class Canvas {
 public:
  Canvas(int design_width, int design_height, int scale);

  int Width() const { return width_; }  // device pixels
  int Height() const { return height_; }
  int Scale() const { return scale_; }

  // Shapes in design units. Strokes are centred on their path.
  void FillRect(float x, float y, float w, float h, const Paint& paint, float alpha = 1);
  void FillRoundRect(float x, float y, float w, float h, float radius, const Paint& paint,
                     float alpha = 1);
  // A frame of the given thickness just inside the rounded rectangle.
  void StrokeRoundRect(float x, float y, float w, float h, float radius, float thickness,
                       const Paint& paint, float alpha = 1);
  void FillCircle(float cx, float cy, float r, const Paint& paint, float alpha = 1);
  void StrokeCircle(float cx, float cy, float r, float thickness, const Paint& paint,
                    float alpha = 1);
  // A polyline with round joins and caps.
  void StrokePath(const std::vector<Point>& points, float thickness, const Paint& paint,
                  float alpha = 1);
  void Line(float x1, float y1, float x2, float y2, float thickness, const Paint& paint,
            float alpha = 1) {
    StrokePath({{x1, y1}, {x2, y2}}, thickness, paint, alpha);
  }
  void FillPolygon(const std::vector<Point>& points, const Paint& paint, float alpha = 1);

  // Blends a coverage map (device pixels, 0..255) at a device position.
  void BlendCoverage(int x, int y, int w, int h, const std::uint8_t* coverage, int pitch,
                     const Paint& paint, float alpha = 1);
  // Blends one device pixel with straight alpha ("over").
  void BlendPixel(int x, int y, Rgb c, float alpha);

  Rgb ColorAt(int x, int y) const { return pixels_[Index(x, y)].c; }
  float AlphaAt(int x, int y) const { return pixels_[Index(x, y)].a; }

  // Design-unit inside test; the bounding box limits the sampling.
  using Inside = std::function<bool(float x, float y)>;
  void Fill(float x0, float y0, float x1, float y1, const Inside& inside, const Paint& paint,
            float alpha = 1);

 private:
  struct Px {
    Rgb c;
    float a = 0;
  };
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  int scale_;
  std::vector<Px> pixels_;
};

// Converts the canvas into a surface: pixels less than a quarter covered become
// the colour key, the others are composed over `matte` (the background they
// will be seen on). An opaque pixel that would equal the key is nudged off it.
draw::DrawResult CanvasToSurface(const Canvas& canvas, draw::Color key, Rgb matte,
                                 draw::Surface* out);

// Places surfaces side by side into one strip (all of the same height).
draw::DrawResult JoinFrames(const std::vector<draw::Surface>& frames, draw::Color key,
                            draw::Surface* out);

}  // namespace zentrix::skin
