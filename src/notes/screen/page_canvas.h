#pragma once
// PageCanvas: the picture of one page, kept between frames so that a frame
// costs the same however many points the page holds. The strokes are drawn
// into a cache the size of the drawing area once; after that each frame only
// adds the points appended since the last frame (a held stylus adds a few per
// frame), and blits the cache. Anything that removes or replaces strokes
// calls Invalidate, and the next frame draws the page again from its strokes.

#include <cstddef>

#include "draw/rect.h"
#include "draw/surface.h"
#include "notes/book/notes_book.h"

namespace zentrix::notes {

class PageCanvas {
 public:
  void Invalidate() { stale_ = true; }
  // Draws the page into the area of `surface`. `background` fills the area
  // under the strokes.
  void Draw(draw::Surface& surface, const draw::Rect& area, const Page& page,
            draw::Color background);

  // How many points were drawn into the cache by the last Draw (tests).
  std::size_t PointsDrawnLastFrame() const { return points_last_frame_; }

 private:
  void Rebuild(const draw::Rect& area, const Page& page, draw::Color background);
  // Draws the points of `stroke` from index `from` on (joined to the point
  // before it).
  void DrawFrom(const Stroke& stroke, std::size_t from);

  draw::Surface cache_;
  draw::Rect area_;
  draw::Color background_ = 0;
  const Page* page_ = nullptr;
  std::size_t strokes_seen_ = 0;      // strokes of the page at the last frame
  std::size_t last_points_seen_ = 0;  // points of its last stroke then
  std::size_t points_last_frame_ = 0;
  bool stale_ = true;
};

}  // namespace zentrix::notes
