#pragma once
// NotesBook: the pages of a sketch book and the pen. Each page holds its
// strokes in drawing order; a stroke is a colour and the points the stylus
// passed, in screen pixels. The book always has at least one page.

#include <cstdint>
#include <vector>

#include "draw/color.h"

namespace zentrix::notes {

struct StrokePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend constexpr bool operator==(const StrokePoint&, const StrokePoint&) = default;
};

struct Stroke {
  draw::Color colour = 0;
  std::vector<StrokePoint> points;
  friend bool operator==(const Stroke&, const Stroke&) = default;
};

struct Page {
  std::vector<Stroke> strokes;
  friend bool operator==(const Page&, const Page&) = default;
};

class NotesBook {
 public:
  static constexpr int kFormat = 100;

  NotesBook() { Reset(); }

  const std::vector<Page>& Pages() const { return pages_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int PageIndex() const { return index_; }
  const Page& CurrentPage() const { return pages_[static_cast<std::size_t>(index_)]; }
  int Format() const { return format_; }

  draw::Color Pen() const { return pen_; }
  void SetPen(draw::Color colour) { pen_ = colour; }
  bool Erasing() const { return erasing_; }
  void SetErasing(bool on) { erasing_ = on; }

  // One empty page, shown as page 1, and the format number of this version.
  void Reset();
  // Takes pages read from a file (an empty list becomes one empty page).
  void Replace(std::vector<Page> pages, int format);

  // The following page; on the last page a new empty one is appended, but
  // only when the last page holds a stroke. True when the page changed.
  bool Next();
  // The previous page, not below the first. True when the page changed.
  bool Back();
  // An empty page at the current index (it becomes the current page).
  void InsertPage();
  // Removes the current page; the index moves back when it was the last. The
  // only page is emptied instead, so the book keeps one.
  void DeletePage();
  // Removes every stroke of the current page.
  void ClearPage();

  // A new stroke in the pen colour, starting at p, on the current page.
  void BeginStroke(StrokePoint p);
  // Adds a point to the stroke begun last (nothing when there is none).
  void AppendPoint(StrokePoint p);
  // Removes every stroke of the current page with a point strictly inside
  // the square of half-side `half_side` around `centre`. The number removed.
  int EraseAround(StrokePoint centre, int half_side);

 private:
  Page& Current() { return pages_[static_cast<std::size_t>(index_)]; }

  std::vector<Page> pages_;
  int index_ = 0;
  int format_ = kFormat;
  draw::Color pen_ = 0xFFFFFF;
  bool erasing_ = false;
  bool stroke_open_ = false;
};

}  // namespace zentrix::notes
