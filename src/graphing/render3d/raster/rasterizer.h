#pragma once
// A small fixed-point 3D rasteriser with a state interface: client arrays of
// vertices (3 fixed-point ints), colours (4 bytes) and normals (3 fixed-point
// ints), a current colour, line width and point size, lighting toward one
// directional light, polygon offset, fill mode, shade model, a view transform,
// a viewport with its depth buffer, and indexed points, lines and triangles.
//
// Per draw call the vertex array is transformed once (and kept until the array,
// the transform or the viewport changes), vertices within 1.0 of the eye or
// behind it are rejected, and any primitive that uses a rejected vertex is
// dropped. Nothing is ever written outside the viewport's part of the surface.

#include <cstdint>
#include <vector>

#include "draw/color.h"
#include "draw/draw_result.h"
#include "draw/rect.h"
#include "draw/surface.h"
#include "graphing/render3d/raster/fixed_point.h"
#include "graphing/render3d/raster/raster_target.h"
#include "graphing/render3d/raster/view_transform.h"

namespace zentrix::graphing::render3d {

enum class ClientArray { kVertex, kColor, kNormal };
enum class Capability { kLighting, kPolygonOffset, kFill };
enum class ShadeModel { kFlat, kSmooth };

// Shade levels of the lighting: 12 (facing away) to 31 (facing the light).
constexpr int kMinShade = 12;
constexpr int kMaxShade = 31;
// Faces drawn with the polygon offset lie this much (fixed point) farther away.
constexpr std::int64_t kPolygonOffset = 64;

class Rasterizer {
 public:
  Rasterizer();

  // Locks the surface for drawing until End. The viewport keeps its rectangle;
  // it is clipped to the surface's clip rectangle while drawing.
  draw::DrawResult Begin(draw::Surface& surface);
  void End();
  bool Active() const { return surface_ != nullptr; }

  // The viewport in surface pixels; sizes below 1 draw nothing. The depth buffer
  // follows its size (reallocated only when the size changes).
  void SetViewport(int x, int y, int width, int height);
  const draw::Rect& Viewport() const { return viewport_; }
  // Clears the viewport's visible pixels to the colour and its depth buffer.
  void Clear(draw::Color color);

  void EnableArray(ClientArray array, bool on);
  // `count` vertices of 3 fixed-point ints; colours and normals must hold as many.
  void SetVertexArray(const std::int32_t* xyz, int count);
  void SetColorArray(const std::uint8_t* rgba);
  void SetNormalArray(const std::int32_t* xyz);

  void SetColor(draw::Color color);  // 0x00BBGGRR
  void SetLineWidth(float width);
  void SetPointSize(float size);
  void Enable(Capability capability, bool on);
  bool IsEnabled(Capability capability) const;
  void SetShadeModel(ShadeModel model);
  // The direction toward the light, normalised to 1024.
  void SetLightDirection(std::int32_t x, std::int32_t y, std::int32_t z);

  void SetRotation(std::int64_t ax, std::int64_t ay, std::int64_t az);
  void SetTranslation(std::int32_t x, std::int32_t y, std::int32_t z);

  // Index lists of 16-bit indices into the vertex array; an index beyond the
  // array drops its primitive. Triangles are filled (fill mode on) or outlined.
  void DrawPoints(const std::uint16_t* indices, int count);
  void DrawLines(const std::uint16_t* indices, int count);
  void DrawTriangles(const std::uint16_t* indices, int count);

  // Counts of the last frame (since Clear), for tests and the benchmark.
  struct Counters {
    int triangles_drawn = 0;
    int triangles_dropped = 0;  // a vertex rejected by the near plane
    int lines_drawn = 0;
    int lines_dropped = 0;
  };
  const Counters& Stats() const { return counters_; }

 private:
  struct ScreenVertex {
    std::int64_t x = 0;  // 1/16 pixels relative to the viewport
    std::int64_t y = 0;
    DepthValue depth = 0;
    DepthValue face_depth = 0;  // with the polygon offset
    bool rejected = true;
  };
  // Colours per vertex: lit toward the light (front) and away (back).
  struct VertexColor {
    std::uint32_t front = 0;
    std::uint32_t back = 0;
  };

  void PrepareGeometry();
  void PrepareColors();
  bool UniformColor() const;
  RasterVertex ToRaster(const ScreenVertex& s, std::uint32_t color, bool face) const;
  std::uint32_t LitColor(std::uint32_t rgb, std::int64_t dot) const;
  void DrawFace(std::uint16_t i0, std::uint16_t i1, std::uint16_t i2);

  draw::Surface* surface_ = nullptr;
  RasterTarget target_;
  draw::Rect viewport_;
  std::vector<DepthValue> depth_;
  Projection projection_;
  ViewTransform transform_;

  bool vertex_array_ = false;
  bool color_array_ = false;
  bool normal_array_ = false;
  const std::int32_t* vertices_ = nullptr;
  int vertex_count_ = 0;
  const std::uint8_t* colors_ = nullptr;
  const std::int32_t* normals_ = nullptr;

  draw::Color color_ = 0xFFFFFF;
  int line_width_ = 1;
  int point_size_ = 1;
  bool lighting_ = false;
  bool polygon_offset_ = false;
  bool fill_ = true;
  ShadeModel shade_ = ShadeModel::kFlat;
  FixedVec3 light_{0, 724, 724};

  bool geometry_ready_ = false;
  bool colors_ready_ = false;
  std::vector<ScreenVertex> screen_;
  std::vector<VertexColor> vertex_colors_;
  Counters counters_;
};

}  // namespace zentrix::graphing::render3d
