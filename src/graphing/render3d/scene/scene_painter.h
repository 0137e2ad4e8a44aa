#pragma once
// Paints the 3D scene into a viewport of a surface: clears it, turns and moves
// the scene by the view, lights it, renders every visible graph, advances the
// animation (recomputing the meshes of graphs that use T), draws the axes and,
// in Window Zoom mode, the bar of window bounds. Owns the rasteriser and its
// depth buffer, so steady frames allocate nothing. A scene that has not
// changed since the last frame (nothing playing, the same view, window,
// meshes and looks) is copied from the picture kept of it instead of being
// rendered again.

#include <cstdint>
#include <span>

#include "draw/bitmap_font.h"
#include "draw/surface.h"
#include "graphing/model/graph3d.h"
#include "graphing/model/window3d.h"
#include "graphing/render3d/raster/rasterizer.h"
#include "graphing/render3d/scene/view3d.h"

namespace zentrix::graphing::render3d {

class ScenePainter {
 public:
  // `font` draws the Window Zoom bar (no bar without it).
  draw::DrawResult Paint(draw::Surface& surface, const draw::Rect& viewport, View3D& view,
                         std::span<Graph3D* const> graphs, Window3D& window,
                         const draw::BitmapFont* font = nullptr, draw::Color background = 0);

  // Recomputes every mesh (after a window change or a compile) at the view's T.
  static void RecomputeAll(std::span<Graph3D* const> graphs, const Window3D& window, double t);

  const Rasterizer::Counters& Stats() const { return rasterizer_.Stats(); }

 private:
  void DrawAxes(const View3D& view, std::span<Graph3D* const> graphs, const Window3D& window);
  void DrawZoomBar(draw::Surface& surface, const draw::Rect& viewport, const View3D& view,
                   const Window3D& window, const draw::BitmapFont& font);

  // A digest of everything the scene's pixels depend on.
  static std::uint64_t SceneKey(const draw::Surface& surface, const draw::Rect& viewport,
                                const View3D& view, std::span<Graph3D* const> graphs,
                                const Window3D& window, draw::Color background);
  void KeepStill(const draw::Surface& surface, const draw::Rect& viewport, std::uint64_t key);

  Rasterizer rasterizer_;
  draw::Surface still_;
  std::uint64_t still_key_ = 0;
  bool still_kept_ = false;
};

}  // namespace zentrix::graphing::render3d
