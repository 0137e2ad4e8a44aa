#include "graphing/render3d/scene/scene_painter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

#include "graphing/render3d/raster/trig_table.h"
#include "graphing/render3d/sampling/compute_mesh.h"
#include "graphing/render3d/sampling/window_mapping.h"
#include "graphing/render3d/scene/render_graph.h"

namespace zentrix::graphing::render3d {
namespace {

constexpr std::int32_t Units(double v) { return static_cast<std::int32_t>(v * kFixedOne); }

// Axis lines and their letters as one small vertex list: per axis, the axis
// itself and the letter's strokes, in model coordinates (first, up, depth).
struct AxisGeometry {
  static constexpr int kMaxVertices = 16;
  std::array<std::int32_t, 3 * kMaxVertices> vertices{};
  std::array<std::uint16_t, 2 * kMaxVertices> lines{};
  int vertex_count = 0;
  int line_indices = 0;

  void Segment(std::int32_t a0, std::int32_t a1, std::int32_t a2, std::int32_t b0, std::int32_t b1,
               std::int32_t b2) {
    const std::int32_t points[6] = {a0, a1, a2, b0, b1, b2};
    for (int k = 0; k < 6; ++k) vertices[3 * vertex_count + k] = points[k];
    lines[line_indices++] = static_cast<std::uint16_t>(vertex_count);
    lines[line_indices++] = static_cast<std::uint16_t>(vertex_count + 1);
    vertex_count += 2;
  }
};

bool EveryGraphIsFunction(std::span<Graph3D* const> graphs) {
  return !graphs.empty() && std::all_of(graphs.begin(), graphs.end(), [](const Graph3D* g) {
    return g->kind() == Graph3DKind::kFunction;
  });
}

std::int32_t ClampToCube(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -Units(10), Units(10)));
}

// FNV-1a over the bytes of plain values.
class Digest {
 public:
  template <typename T>
  Digest& Add(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (const unsigned char b : bytes) hash_ = (hash_ ^ b) * 0x100000001B3ull;
    return *this;
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

void ScenePainter::RecomputeAll(std::span<Graph3D* const> graphs, const Window3D& window,
                                double t) {
  for (Graph3D* g : graphs) {
    if (g != nullptr) ComputeMesh(*g, window, t);
  }
}

draw::DrawResult ScenePainter::Paint(draw::Surface& surface, const draw::Rect& viewport,
                                     View3D& view, std::span<Graph3D* const> graphs,
                                     Window3D& window, const draw::BitmapFont* font,
                                     draw::Color background) {
  const bool still = !view.time.playing;
  if (still && still_kept_ &&
      SceneKey(surface, viewport, view, graphs, window, background) == still_key_) {
    const draw::Rect kept{0, 0, viewport.Width(), viewport.Height()};
    const draw::DrawResult copied = surface.Blit(viewport.left, viewport.top, still_, &kept);
    if (copied != draw::kOk) return copied;
    if (view.mode == StylusMode::kWindowZoom && font != nullptr) {
      DrawZoomBar(surface, viewport, view, window, *font);
    }
    return draw::kOk;
  }
  const draw::DrawResult begun = rasterizer_.Begin(surface);
  if (begun != draw::kOk) return begun;
  rasterizer_.SetViewport(viewport.left, viewport.top, viewport.Width(), viewport.Height());
  view.viewport_width = viewport.Width();
  view.viewport_height = viewport.Height();
  rasterizer_.Clear(background);
  rasterizer_.SetShadeModel(view.shade);
  rasterizer_.SetTranslation(ToFixed(view.translation[0]), ToFixed(view.translation[1]),
                             ToFixed(view.translation[2]));
  rasterizer_.SetRotation(WholeDegrees(view.rotation[0]), WholeDegrees(view.rotation[1]), 0);
  rasterizer_.SetLightDirection(0, 2, 2);

  for (Graph3D* g : graphs) {
    if (g == nullptr || !g->visible) continue;
    if (g->lighting != view.lighting) {
      // Normals exist only while lighting is on.
      g->lighting = view.lighting;
      ComputeMesh(*g, window, view.time.t);
    }
    RenderGraph(rasterizer_, *g);
  }
  if (view.time.playing) {
    view.time.multiplier = 1.0;
    view.time.Advance();
    for (Graph3D* g : graphs) {
      if (g != nullptr && g->visible && g->uses_time) ComputeMesh(*g, window, view.time.t);
    }
  }
  DrawAxes(view, graphs, window);
  rasterizer_.End();
  still_kept_ = false;
  if (!view.time.playing) {
    KeepStill(surface, viewport, SceneKey(surface, viewport, view, graphs, window, background));
  }
  if (view.mode == StylusMode::kWindowZoom && font != nullptr) {
    DrawZoomBar(surface, viewport, view, window, *font);
  }
  return draw::kOk;
}

std::uint64_t ScenePainter::SceneKey(const draw::Surface& surface, const draw::Rect& viewport,
                                     const View3D& view, std::span<Graph3D* const> graphs,
                                     const Window3D& window, draw::Color background) {
  Digest d;
  d.Add(&surface).Add(surface.Width()).Add(surface.Height()).Add(surface.ClipRect());
  d.Add(viewport).Add(background).Add(view.rotation).Add(view.translation);
  d.Add(view.shade).Add(view.lighting).Add(view.axes.shown).Add(view.axes.mode);
  d.Add(view.axes.show).Add(view.axes.colours).Add(view.axes.labels);
  d.Add(window.xmin()).Add(window.xmax()).Add(window.ymin()).Add(window.ymax());
  d.Add(window.zmin()).Add(window.zmax());
  for (const Graph3D* g : graphs) {
    d.Add(g);
    if (g == nullptr) continue;
    d.Add(g->kind()).Add(g->visible).Add(g->lighting).Add(g->mesh.version);
    d.Add(g->line_width).Add(g->point_size).Add(g->show_points).Add(g->show_lines);
    d.Add(g->show_faces).Add(g->scheme_colours).Add(g->line_colour).Add(g->point_colour);
    d.Add(g->colour_scheme);
  }
  return d.Value();
}

// The scene as drawn, before the zoom bar covers part of it.
void ScenePainter::KeepStill(const draw::Surface& surface, const draw::Rect& viewport,
                             std::uint64_t key) {
  if (viewport.Width() <= 0 || viewport.Height() <= 0) return;
  if (still_.Width() != viewport.Width() || still_.Height() != viewport.Height()) {
    if (still_.Create(draw::surface_flags::kSystemMemory, viewport.Width(), viewport.Height()) !=
        draw::kOk) {
      return;
    }
  }
  if (still_.Blit(0, 0, surface, &viewport) != draw::kOk) return;
  still_key_ = key;
  still_kept_ = true;
}

void ScenePainter::DrawAxes(const View3D& view, std::span<Graph3D* const> graphs,
                            const Window3D& window) {
  const AxesOptions& axes = view.axes;
  if (!axes.shown || axes.mode != 1) return;
  const WindowMapping map = WindowMapping::Of(window);
  // The model position of the window's origin, kept inside the cube.
  const std::int32_t ox = ClampToCube(map.x.Map(0.0));
  const std::int32_t oy = ClampToCube(map.z.Map(0.0));
  const std::int32_t oz = ClampToCube(-std::int64_t{map.y.Map(0.0)});
  const std::int32_t top = EveryGraphIsFunction(graphs) ? Units(5.5) : Units(11);
  const std::int32_t one = Units(1);

  for (int axis = 0; axis < 3; ++axis) {
    if (!axes.show[axis]) continue;
    AxisGeometry g;
    if (axis == 0) {
      g.Segment(Units(11), oy, oz, -Units(11), oy, oz);
      if (axes.labels) {  // an X between first = 12 and 14
        g.Segment(Units(12), oy - one, oz, Units(14), oy + one, oz);
        g.Segment(Units(12), oy + one, oz, Units(14), oy - one, oz);
      }
    } else if (axis == 1) {
      g.Segment(ox, oy, Units(11), ox, oy, -Units(11));
      if (axes.labels) {  // a Y at depth -13
        const std::int32_t d = -Units(13);
        g.Segment(ox - one, oy + one, d, ox, oy, d);
        g.Segment(ox + one, oy + one, d, ox, oy, d);
        g.Segment(ox, oy, d, ox, oy - one, d);
      }
    } else {
      g.Segment(ox, top, oz, ox, -top, oz);
      if (axes.labels) {  // a Z above the top end
        const std::int32_t low = top + one, high = top + 3 * one;
        g.Segment(ox - one, high, oz, ox + one, high, oz);
        g.Segment(ox + one, high, oz, ox - one, low, oz);
        g.Segment(ox - one, low, oz, ox + one, low, oz);
      }
    }
    rasterizer_.EnableArray(ClientArray::kVertex, true);
    rasterizer_.EnableArray(ClientArray::kColor, false);
    rasterizer_.EnableArray(ClientArray::kNormal, false);
    rasterizer_.Enable(Capability::kLighting, false);
    rasterizer_.SetVertexArray(g.vertices.data(), g.vertex_count);
    rasterizer_.SetColor(axes.colours[axis]);
    rasterizer_.SetLineWidth(1.0f);
    rasterizer_.DrawLines(g.lines.data(), g.line_indices);
  }
  rasterizer_.SetVertexArray(nullptr, 0);
}

void ScenePainter::DrawZoomBar(draw::Surface& surface, const draw::Rect& viewport,
                               const View3D& view, const Window3D& window,
                               const draw::BitmapFont& font) {
  const int row_height = font.Height() + 2;
  const draw::Rect bar{viewport.left, viewport.top, viewport.right,
                       std::min(viewport.bottom, viewport.top + 3 * row_height)};
  surface.FillRect(&bar, 0xC8C8C8);
  static constexpr const char* kNames[6] = {
      "Xmin= ", "Xmax= ", "Ymin= ", "Ymax= ", "Zmin= ", "Zmax= "};
  const double values[6] = {window.xmin(), window.xmax(), window.ymin(),
                            window.ymax(), window.zmin(), window.zmax()};
  for (int k = 0; k < 6; ++k) {
    char text[64];
    const int written = std::snprintf(text, sizeof text, "%s%.5f", kNames[k], values[k]);
    char16_t wide[64];  // the bar is drawn every frame: no allocation
    const int length = std::clamp(written, 0, 63);
    for (int i = 0; i < length; ++i) wide[i] = static_cast<unsigned char>(text[i]);
    draw::BlitEffect effect;
    effect.effect_color = view.axes.colours[k / 2];
    const int x = viewport.left + 2 + (k % 2) * (viewport.Width() / 2);
    const int y = viewport.top + 1 + (k / 2) * row_height;
    draw::DrawText(surface, x, y, std::u16string_view(wide, length), font,
                   draw::blit_flags::kMultiply, &effect);
  }
}

}  // namespace zentrix::graphing::render3d
