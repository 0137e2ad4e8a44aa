#include "graphing/render3d/raster/rasterizer.h"

#include <algorithm>
#include <cmath>

namespace zentrix::graphing::render3d {
namespace {

using Int128 = __int128;

std::uint32_t Channel(std::uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

// Points and lines have no facing: each vertex shows its brighter side.
template <typename VertexColor>
std::uint32_t Brighter(const VertexColor& v) {
  auto sum = [](std::uint32_t c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + (c >> 16); };
  return sum(v.front) >= sum(v.back) ? v.front : v.back;
}

int ToWholePixels(float v) {
  if (!std::isfinite(v)) return 1;
  return static_cast<int>(std::clamp(std::lround(v), 1L, 64L));
}

}  // namespace

Rasterizer::Rasterizer() { SetLightDirection(0, 2, 2); }

draw::DrawResult Rasterizer::Begin(draw::Surface& surface) {
  if (surface_ != nullptr) End();
  draw::LockInfo info;
  const draw::DrawResult result = surface.Lock(&info);
  if (result != draw::kOk) return result;
  surface_ = &surface;
  target_.base = info.pixels;
  target_.x_step = info.x_step_bytes / 2;
  target_.y_step = info.y_step_bytes / 2;
  target_.layout = draw::pixel_ops::LayoutOf(info.format_code == 2 ? draw::PixelFormat::kRgb555
                                                                   : draw::PixelFormat::kRgb565);
  SetViewport(viewport_.left, viewport_.top, viewport_.Width(), viewport_.Height());
  return draw::kOk;
}

void Rasterizer::End() {
  if (surface_ == nullptr) return;
  surface_->Unlock();
  surface_ = nullptr;
  target_.base = nullptr;
  target_.clip = {};
}

void Rasterizer::SetViewport(int x, int y, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const draw::Rect next = draw::Rect::FromSize(x, y, width, height);
  if (next.Width() != viewport_.Width() || next.Height() != viewport_.Height() || depth_.empty()) {
    depth_.assign(static_cast<std::size_t>(width) * height, 0);
    projection_ = Projection(width, height);
    geometry_ready_ = false;
  }
  viewport_ = next;
  target_.offset_x = x;
  target_.offset_y = y;
  target_.depth = depth_.data();
  target_.depth_stride = width;
  target_.clip = {};
  if (surface_ != nullptr) {
    draw::Rect allowed = surface_->ClipRect();
    if (allowed.Empty()) allowed = surface_->Bounds();
    draw::Rect visible = viewport_.Intersect(allowed).Intersect(surface_->Bounds());
    if (!visible.Empty()) {
      target_.clip = {visible.left - x, visible.top - y, visible.right - x, visible.bottom - y};
    }
  }
}

void Rasterizer::Clear(draw::Color color) {
  std::fill(depth_.begin(), depth_.end(), 0);
  counters_ = {};
  if (surface_ == nullptr || target_.clip.Empty()) return;
  const draw::Pixel pixel = target_.Pack(Channel(color, 0), Channel(color, 8), Channel(color, 16));
  for (int y = target_.clip.top; y < target_.clip.bottom; ++y) {
    draw::Pixel* p = target_.PixelAt(target_.clip.left, y);
    for (int x = target_.clip.left; x < target_.clip.right; ++x, p += target_.x_step) *p = pixel;
  }
}

void Rasterizer::EnableArray(ClientArray array, bool on) {
  switch (array) {
    case ClientArray::kVertex: vertex_array_ = on; break;
    case ClientArray::kColor:
      color_array_ = on;
      colors_ready_ = false;
      break;
    case ClientArray::kNormal:
      normal_array_ = on;
      colors_ready_ = false;
      break;
  }
}

void Rasterizer::SetVertexArray(const std::int32_t* xyz, int count) {
  vertices_ = xyz;
  vertex_count_ = xyz == nullptr ? 0 : std::max(count, 0);
  geometry_ready_ = false;
  colors_ready_ = false;
}

void Rasterizer::SetColorArray(const std::uint8_t* rgba) {
  colors_ = rgba;
  colors_ready_ = false;
}

void Rasterizer::SetNormalArray(const std::int32_t* xyz) {
  normals_ = xyz;
  colors_ready_ = false;
}

void Rasterizer::SetColor(draw::Color color) {
  if ((color & 0xFFFFFF) != color_) colors_ready_ = false;
  color_ = color & 0xFFFFFF;
}

void Rasterizer::SetLineWidth(float width) { line_width_ = ToWholePixels(width); }

void Rasterizer::SetPointSize(float size) { point_size_ = ToWholePixels(size); }

void Rasterizer::Enable(Capability capability, bool on) {
  switch (capability) {
    case Capability::kLighting:
      if (lighting_ != on) colors_ready_ = false;
      lighting_ = on;
      break;
    case Capability::kPolygonOffset: polygon_offset_ = on; break;
    case Capability::kFill: fill_ = on; break;
  }
}

bool Rasterizer::IsEnabled(Capability capability) const {
  switch (capability) {
    case Capability::kLighting: return lighting_;
    case Capability::kPolygonOffset: return polygon_offset_;
    case Capability::kFill: return fill_;
  }
  return false;
}

void Rasterizer::SetShadeModel(ShadeModel model) { shade_ = model; }

void Rasterizer::SetLightDirection(std::int32_t x, std::int32_t y, std::int32_t z) {
  light_ = NormalizeFixed(x, y, z);
  colors_ready_ = false;
}

void Rasterizer::SetRotation(std::int64_t ax, std::int64_t ay, std::int64_t az) {
  transform_.SetRotation(ax, ay, az);
  geometry_ready_ = false;
}

void Rasterizer::SetTranslation(std::int32_t x, std::int32_t y, std::int32_t z) {
  transform_.SetTranslation(x, y, z);
  geometry_ready_ = false;
}

void Rasterizer::PrepareGeometry() {
  if (geometry_ready_) return;
  screen_.resize(static_cast<std::size_t>(vertex_count_));
  for (int i = 0; i < vertex_count_; ++i) {
    const ViewPoint p = transform_.Apply(vertices_ + 3 * static_cast<std::size_t>(i));
    ScreenVertex& s = screen_[i];
    s.rejected = p.z >= kNearLimit;
    if (s.rejected) continue;
    projection_.ToScreen(p, &s.x, &s.y);
    s.depth = DepthOf(p.z);
    s.face_depth = DepthOf(p.z, kPolygonOffset);
  }
  geometry_ready_ = true;
}

bool Rasterizer::UniformColor() const {
  return !(color_array_ && colors_ != nullptr) &&
         !(lighting_ && normal_array_ && normals_ != nullptr);
}

std::uint32_t Rasterizer::LitColor(std::uint32_t rgb, std::int64_t dot) const {
  // dot is n · L with both of length 1024; level 12 + floor(31 · n · L).
  const std::int64_t level =
      std::clamp<std::int64_t>(kMinShade + ((31 * dot) >> kFixedShift), kMinShade, kMaxShade);
  auto scale = [&](int shift) {
    return static_cast<std::uint32_t>(Channel(rgb, shift) * level / kMaxShade) << shift;
  };
  return scale(0) | scale(8) | scale(16);
}

void Rasterizer::PrepareColors() {
  if (colors_ready_) return;
  if (UniformColor()) {
    vertex_colors_.clear();
    colors_ready_ = true;
    return;
  }
  vertex_colors_.resize(static_cast<std::size_t>(vertex_count_));
  const bool per_vertex = color_array_ && colors_ != nullptr;
  const bool lit = lighting_ && normal_array_ && normals_ != nullptr;
  for (int i = 0; i < vertex_count_; ++i) {
    std::uint32_t rgb = color_;
    if (per_vertex) {
      const std::uint8_t* c = colors_ + 4 * static_cast<std::size_t>(i);
      rgb = draw::MakeColor(c[0], c[1], c[2]);
    }
    VertexColor& out = vertex_colors_[i];
    if (lit) {
      const std::int32_t* n = normals_ + 3 * static_cast<std::size_t>(i);
      const std::int64_t dot = (std::int64_t{n[0]} * light_.x + std::int64_t{n[1]} * light_.y +
                                std::int64_t{n[2]} * light_.z) >>
                               kFixedShift;
      out.front = LitColor(rgb, dot);
      out.back = LitColor(rgb, -dot);
    } else {
      out.front = out.back = rgb;
    }
  }
  colors_ready_ = true;
}

RasterVertex Rasterizer::ToRaster(const ScreenVertex& s, std::uint32_t color, bool face) const {
  return {s.x,
          s.y,
          face && polygon_offset_ ? s.face_depth : s.depth,
          static_cast<std::int32_t>(Channel(color, 0)),
          static_cast<std::int32_t>(Channel(color, 8)),
          static_cast<std::int32_t>(Channel(color, 16))};
}

void Rasterizer::DrawPoints(const std::uint16_t* indices, int count) {
  if (!Active() || !vertex_array_ || indices == nullptr) return;
  PrepareGeometry();
  PrepareColors();
  const bool uniform = vertex_colors_.empty();
  for (int k = 0; k < count; ++k) {
    const int i = indices[k];
    if (i >= vertex_count_ || screen_[i].rejected) continue;
    const std::uint32_t c = uniform ? color_ : Brighter(vertex_colors_[i]);
    const RasterVertex v = ToRaster(screen_[i], c, false);
    DrawPointSquare(target_, v, point_size_, target_.Pack(v.r, v.g, v.b));
  }
}

void Rasterizer::DrawLines(const std::uint16_t* indices, int count) {
  if (!Active() || !vertex_array_ || indices == nullptr) return;
  PrepareGeometry();
  PrepareColors();
  const bool uniform = vertex_colors_.empty();
  const bool smooth = shade_ == ShadeModel::kSmooth && !uniform;
  for (int k = 0; k + 1 < count; k += 2) {
    const int i0 = indices[k], i1 = indices[k + 1];
    if (i0 >= vertex_count_ || i1 >= vertex_count_) continue;
    if (screen_[i0].rejected || screen_[i1].rejected) {
      ++counters_.lines_dropped;
      continue;
    }
    std::uint32_t c0 = color_, c1 = color_;
    if (!uniform) {
      c0 = Brighter(vertex_colors_[i0]);
      c1 = Brighter(vertex_colors_[i1]);
    }
    const RasterVertex a = ToRaster(screen_[i0], c0, false);
    const RasterVertex b = ToRaster(screen_[i1], c1, false);
    const draw::Pixel flat = target_.Pack((a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2);
    DrawLine(target_, a, b, line_width_, smooth, flat);
    ++counters_.lines_drawn;
  }
}

void Rasterizer::DrawTriangles(const std::uint16_t* indices, int count) {
  if (!Active() || !vertex_array_ || indices == nullptr) return;
  PrepareGeometry();
  PrepareColors();
  for (int k = 0; k + 2 < count; k += 3) DrawFace(indices[k], indices[k + 1], indices[k + 2]);
}

void Rasterizer::DrawFace(std::uint16_t i0, std::uint16_t i1, std::uint16_t i2) {
  if (i0 >= vertex_count_ || i1 >= vertex_count_ || i2 >= vertex_count_) return;
  const ScreenVertex& s0 = screen_[i0];
  const ScreenVertex& s1 = screen_[i1];
  const ScreenVertex& s2 = screen_[i2];
  if (s0.rejected || s1.rejected || s2.rejected) {
    ++counters_.triangles_dropped;
    return;
  }
  std::uint32_t c0 = color_, c1 = color_, c2 = color_;
  if (!vertex_colors_.empty()) {
    // The side facing the viewer is lit. Meshes wind their triangles
    // counter-clockwise about the normal, which turns clockwise on a screen
    // whose y grows downward: a negative signed area faces the viewer.
    const Int128 area = Int128{s1.x - s0.x} * (s2.y - s0.y) - Int128{s1.y - s0.y} * (s2.x - s0.x);
    const bool front = area <= 0;
    c0 = front ? vertex_colors_[i0].front : vertex_colors_[i0].back;
    c1 = front ? vertex_colors_[i1].front : vertex_colors_[i1].back;
    c2 = front ? vertex_colors_[i2].front : vertex_colors_[i2].back;
  }
  const RasterVertex a = ToRaster(s0, c0, true);
  const RasterVertex b = ToRaster(s1, c1, true);
  const RasterVertex c = ToRaster(s2, c2, true);
  const bool smooth = shade_ == ShadeModel::kSmooth && !vertex_colors_.empty();
  const draw::Pixel flat =
      target_.Pack((a.r + b.r + c.r) / 3, (a.g + b.g + c.g) / 3, (a.b + b.b + c.b) / 3);
  if (fill_) {
    FillTriangle(target_, a, b, c, smooth, flat);
  } else {
    DrawLine(target_, a, b, line_width_, smooth, flat);
    DrawLine(target_, b, c, line_width_, smooth, flat);
    DrawLine(target_, c, a, line_width_, smooth, flat);
  }
  ++counters_.triangles_drawn;
}

}  // namespace zentrix::graphing::render3d
