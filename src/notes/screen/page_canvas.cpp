#include "notes/screen/page_canvas.h"

#include <algorithm>

namespace zentrix::notes {
namespace {

// Points read from a file may lie anywhere; far-off ones are pulled in so
// the line arithmetic stays small. Only the part inside the area is seen.
constexpr std::int32_t kFar = 1 << 14;

int Near(std::int32_t v, int origin) {
  return std::clamp(v, -kFar, kFar) - origin;
}

}  // namespace

void PageCanvas::Draw(draw::Surface& surface, const draw::Rect& area, const Page& page,
                      draw::Color background) {
  points_last_frame_ = 0;
  if (area.Empty()) return;
  const bool same =
      !stale_ && area == area_ && background == background_ && &page == page_ &&
      page.strokes.size() >= strokes_seen_ &&
      (strokes_seen_ == 0 || page.strokes[strokes_seen_ - 1].points.size() >= last_points_seen_);
  if (!same) {
    Rebuild(area, page, background);
  } else {
    for (std::size_t i = strokes_seen_ == 0 ? 0 : strokes_seen_ - 1; i < page.strokes.size(); ++i) {
      DrawFrom(page.strokes[i], i + 1 == strokes_seen_ ? last_points_seen_ : 0);
    }
  }
  strokes_seen_ = page.strokes.size();
  last_points_seen_ = page.strokes.empty() ? 0 : page.strokes.back().points.size();
  surface.Blit(area.left, area.top, cache_);
}

void PageCanvas::Rebuild(const draw::Rect& area, const Page& page, draw::Color background) {
  if (!cache_.HasPixels() || area.Width() != area_.Width() || area.Height() != area_.Height()) {
    cache_.Create(0, area.Width(), area.Height());
  }
  area_ = area;
  background_ = background;
  page_ = &page;
  stale_ = false;
  cache_.FillRect(nullptr, background);
  for (const Stroke& stroke : page.strokes) DrawFrom(stroke, 0);
}

void PageCanvas::DrawFrom(const Stroke& stroke, std::size_t from) {
  const std::vector<StrokePoint>& p = stroke.points;
  if (from >= p.size()) return;
  points_last_frame_ += p.size() - from;
  if (p.size() == 1) {
    cache_.SetPixel(Near(p[0].x, area_.left), Near(p[0].y, area_.top), stroke.colour);
    return;
  }
  for (std::size_t i = std::max<std::size_t>(from, 1); i < p.size(); ++i) {
    cache_.DrawLine(Near(p[i - 1].x, area_.left), Near(p[i - 1].y, area_.top),
                    Near(p[i].x, area_.left), Near(p[i].y, area_.top), stroke.colour);
  }
}

}  // namespace zentrix::notes
