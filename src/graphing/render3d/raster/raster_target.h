#pragma once
// Where the rasteriser writes: the locked pixels of a surface, the depth buffer
// of the viewport and the clip rectangle, all addressed in viewport pixels.

#include <cstdint>

#include "draw/color.h"
#include "draw/pixel_ops.h"
#include "draw/rect.h"

namespace zentrix::graphing::render3d {

// Depth buffer values: 2^40 / distance (larger is nearer); a cleared buffer is 0.
using DepthValue = std::int32_t;

struct RasterTarget {
  draw::Pixel* base = nullptr;  // the surface's pixel (0, 0)
  int offset_x = 0;             // the viewport's top-left in surface pixels
  int offset_y = 0;
  std::int64_t x_step = 1;  // in pixels
  std::int64_t y_step = 0;
  DepthValue* depth = nullptr;  // viewport width × height values
  int depth_stride = 0;
  draw::Rect clip;  // viewport pixels that may be written (within the surface)
  draw::pixel_ops::Layout layout{11, 5, 6};

  draw::Pixel* PixelAt(int x, int y) const {
    return base + (x + offset_x) * x_step + (y + offset_y) * y_step;
  }
  DepthValue* DepthRow(int y) const { return depth + static_cast<std::int64_t>(y) * depth_stride; }

  // 8-bit channels to a pixel of the target's format.
  draw::Pixel Pack(int r, int g, int b) const {
    const int green_mask = (1 << layout.green_bits) - 1;
    return static_cast<draw::Pixel>(
        (((r >> 3) & 0x1F) << layout.red_shift) |
        (((g >> (8 - layout.green_bits)) & green_mask) << layout.green_shift) | ((b >> 3) & 0x1F));
  }
};

// A vertex handed to the scan converters: position in 1/16 pixels relative to
// the viewport, depth value, and colour as 8-bit channels.
struct RasterVertex {
  std::int64_t x = 0;
  std::int64_t y = 0;
  DepthValue depth = 0;
  std::int32_t r = 0;
  std::int32_t g = 0;
  std::int32_t b = 0;
};

// Fills the triangle with the top-left rule (pixel centres on a shared edge
// belong to exactly one of the two triangles), testing and writing depth.
// Smooth interpolates the colour across the face; otherwise it is `flat`.
// Positions of any size are accepted: far vertices are clipped first.
void FillTriangle(const RasterTarget& target, const RasterVertex& a, const RasterVertex& b,
                  const RasterVertex& c, bool smooth, draw::Pixel flat);

// Draws a depth-tested line `width` pixels wide, colour interpolated when smooth.
void DrawLine(const RasterTarget& target, const RasterVertex& a, const RasterVertex& b, int width,
              bool smooth, draw::Pixel flat);

// Draws a depth-tested square of `size` pixels centred on the vertex.
void DrawPointSquare(const RasterTarget& target, const RasterVertex& v, int size,
                     draw::Pixel pixel);

}  // namespace zentrix::graphing::render3d
