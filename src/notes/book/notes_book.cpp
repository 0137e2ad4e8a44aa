#include "notes/book/notes_book.h"

#include <algorithm>
#include <cstdlib>

namespace zentrix::notes {

void NotesBook::Reset() {
  pages_.assign(1, Page{});
  index_ = 0;
  format_ = kFormat;
  stroke_open_ = false;
}

void NotesBook::Replace(std::vector<Page> pages, int format) {
  pages_ = std::move(pages);
  if (pages_.empty()) pages_.emplace_back();
  index_ = 0;
  format_ = format;
  stroke_open_ = false;
}

bool NotesBook::Next() {
  stroke_open_ = false;
  if (index_ + 1 < PageCount()) {
    ++index_;
    return true;
  }
  if (pages_.back().strokes.empty()) return false;
  pages_.emplace_back();
  ++index_;
  return true;
}

bool NotesBook::Back() {
  stroke_open_ = false;
  if (index_ == 0) return false;
  --index_;
  return true;
}

void NotesBook::InsertPage() {
  stroke_open_ = false;
  pages_.insert(pages_.begin() + index_, Page{});
}

void NotesBook::DeletePage() {
  stroke_open_ = false;
  if (pages_.size() == 1) {
    pages_.front().strokes.clear();
    return;
  }
  pages_.erase(pages_.begin() + index_);
  if (index_ >= PageCount()) index_ = PageCount() - 1;
}

void NotesBook::ClearPage() {
  stroke_open_ = false;
  Current().strokes.clear();
}

void NotesBook::BeginStroke(StrokePoint p) {
  Stroke& stroke = Current().strokes.emplace_back();
  stroke.colour = pen_;
  stroke.points.push_back(p);
  stroke_open_ = true;
}

void NotesBook::AppendPoint(StrokePoint p) {
  if (!stroke_open_ || Current().strokes.empty()) return;
  Current().strokes.back().points.push_back(p);
}

int NotesBook::EraseAround(StrokePoint centre, int half_side) {
  // 64-bit differences: points read from a file may lie anywhere.
  auto inside = [&](const StrokePoint& p) {
    return std::llabs(static_cast<long long>(p.x) - centre.x) < half_side &&
           std::llabs(static_cast<long long>(p.y) - centre.y) < half_side;
  };
  std::vector<Stroke>& strokes = Current().strokes;
  const auto removed = std::remove_if(strokes.begin(), strokes.end(), [&](const Stroke& s) {
    return std::any_of(s.points.begin(), s.points.end(), inside);
  });
  const int count = static_cast<int>(strokes.end() - removed);
  strokes.erase(removed, strokes.end());
  if (count > 0) stroke_open_ = false;
  return count;
}

}  // namespace zentrix::notes
