#include "notebook/view/notebook_view.h"

#include <algorithm>

#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/widgets/text_box.h"

namespace zentrix::notebook {
namespace {

// Entries and their boxes are laid out with the notebook's font: the text
// boxes measure with the program's current font, so it is lent for a while.
class ScopedCurrentFont {
 public:
  explicit ScopedCurrentFont(ui::TextRenderer* font) : saved_(ui::Ui().current_font) {
    if (font) ui::Ui().current_font = font;
  }
  ~ScopedCurrentFont() { ui::Ui().current_font = saved_; }
  ScopedCurrentFont(const ScopedCurrentFont&) = delete;
  ScopedCurrentFont& operator=(const ScopedCurrentFont&) = delete;

 private:
  ui::TextRenderer* saved_;
};

}  // namespace

NotebookView::NotebookView(Notebook& notebook) : notebook_(notebook) {
  scroll_bar_.SetKind("scroll bar");
}

int NotebookView::VisibleWidth() const { return std::max(rect_.Width() - scroll_bar_.Width(), 0); }

int NotebookView::WrapWidth() const { return std::max(VisibleWidth() - 2 * metrics_.space, 1); }

void NotebookView::ClampScroll() {
  scroll_ = std::clamp(scroll_, 0, std::max(content_height_ - PageHeight(), 0));
}

void NotebookView::Layout() {
  ScopedCurrentFont scoped(font_);
  ui::TextRenderer* font = ui::CurrentFont();
  const std::size_t n = notebook_.EntryCount();
  tops_.resize(n + 1);
  answer_tops_.resize(n);
  if (!font) {
    std::fill(tops_.begin(), tops_.end(), 0);
    content_height_ = 0;
    return;
  }
  const int h = font->LineHeight();
  metrics_ = {h, font->SpaceWidth()};
  // The scroll bar's thickness comes from the skin; its room is always kept.
  scroll_bar_.SetLength(rect_.Height());
  const int box_width = VisibleWidth();
  int y = 0;
  for (std::size_t i = 0; i < n; ++i) {
    NotebookEntry& entry = notebook_.Entry(i);
    ui::TextBox& box = entry.Input();
    box.SetBackground(static_cast<std::int32_t>(style_.entry_box_color));
    // Changing the option relays the box out: set only on a change.
    if (box.ColorParentheses() != style_.color_parentheses) {
      box.SetColorParentheses(style_.color_parentheses);
    }
    box.SetSize(box_width, box.Height());
    box.Layout();
    tops_[i] = y;
    answer_tops_[i] = y + h / 2 + box.Height();
    const int answer_height =
        entry.GetAnswer().Measure(*font, WrapWidth(), style_.answer_color).height;
    y = answer_tops_[i] + answer_height + h;
  }
  tops_[n] = y;
  content_height_ = y;

  if (notebook_.TakeScrollToBottom() && content_height_ > PageHeight()) {
    scroll_ = content_height_ - PageHeight();
  }
  if (notebook_.TakeScrollIntoView()) {
    const int focused = notebook_.FocusedIndex();
    if (focused >= 0) {
      const int bottom = tops_[static_cast<std::size_t>(focused) + 1] - scroll_;
      if (bottom > PageHeight()) scroll_ += bottom - PageHeight();
    }
  }
  ClampScroll();
  scroll_bar_.SetPosition(rect_.right - scroll_bar_.Width(), rect_.top);
  scroll_bar_.SetRange(std::max(content_height_ - PageHeight() + 1, 1));
  scroll_bar_.SetPageSize(std::max(PageHeight(), 1));
  scroll_bar_.SetPosition(scroll_);
  scroll_bar_.SetVisible(ScrollBarShown());
  PlaceEntries();
}

void NotebookView::PlaceEntries() {
  const int h = metrics_.line_height;
  for (std::size_t i = 0; i < notebook_.EntryCount(); ++i) {
    notebook_.Entry(i).Input().SetPosition(rect_.left, rect_.top - scroll_ + tops_[i] + h / 4);
  }
}

draw::Rect NotebookView::EntryBand(std::size_t index) const {
  if (index + 1 >= tops_.size()) return {};
  const int top = rect_.top - scroll_;
  return draw::Rect{rect_.left, top + tops_[index], rect_.left + VisibleWidth(),
                    top + tops_[index + 1]};
}

ui::Point NotebookView::AnswerOrigin(std::size_t index) const {
  if (index >= answer_tops_.size()) return {};
  return {rect_.left + notebook_.Entry(index).AnswerOffset() + metrics_.space,
          rect_.top - scroll_ + answer_tops_[index]};
}

bool NotebookView::AnswerIsWide(std::size_t index) {
  if (!font_ && !ui::CurrentFont()) return false;
  ui::TextRenderer& font = font_ ? *font_ : *ui::CurrentFont();
  const int width =
      notebook_.Entry(index).GetAnswer().Measure(font, WrapWidth(), style_.answer_color).width;
  return width + 2 * metrics_.space > VisibleWidth();
}

void NotebookView::LayoutAndDraw(draw::Surface& surface) {
  Layout();
  ScopedCurrentFont scoped(font_);
  if (!ui::CurrentFont()) return;
  const draw::Rect saved = surface.ClipRect();
  const draw::Rect clip = saved.Intersect(rect_);
  if (clip.Empty()) return;
  surface.SetClipRect(&clip);
  // Only the entries whose band meets the view: found by binary search.
  const int first_top = clip.top - (rect_.top - scroll_);
  const auto first = std::upper_bound(tops_.begin(), tops_.end() - 1, first_top);
  std::size_t i = first == tops_.begin() ? 0 : static_cast<std::size_t>(first - tops_.begin()) - 1;
  for (; i < notebook_.EntryCount(); ++i) {
    if (EntryBand(i).top >= clip.bottom) break;
    DrawEntry(surface, i);
  }
  surface.SetClipRect(&saved);
  if (scroll_bar_.Visible()) scroll_bar_.Draw(surface);
}

void NotebookView::DrawEntry(draw::Surface& surface, std::size_t index) {
  NotebookEntry& entry = notebook_.Entry(index);
  ui::TextRenderer& font = *ui::CurrentFont();
  const draw::Rect band = EntryBand(index);
  const ui::Point origin = AnswerOrigin(index);
  Answer& answer = entry.GetAnswer();
  const AnswerSize size = answer.Measure(font, WrapWidth(), style_.answer_color);
  if (style_.cell_coloring && index % 2 == 0) {
    surface.FillRect(&band, style_.cell_color);
    const int line_y = origin.y + size.height;
    surface.DrawLine(band.left, line_y, band.right - 1, line_y, style_.entry_box_color);
  }
  entry.Input().Draw(surface);
  const draw::Rect saved = surface.ClipRect();
  const draw::Rect answer_clip = saved.Intersect(band);
  surface.SetClipRect(&answer_clip);
  answer.Draw(surface, font, style_.answer_color, origin.x, origin.y, WrapWidth());
  if (entry.AnswerOffset() == 0 && size.width + 2 * metrics_.space > VisibleWidth()) {
    DrawArrow(surface, index);
  }
  surface.SetClipRect(&saved);
}

// A right-pointing arrow near the right edge, half a line above the bottom
// of the entry's band: the answer goes on past the edge.
void NotebookView::DrawArrow(draw::Surface& surface, std::size_t index) {
  const int w = metrics_.space;
  const draw::Rect band = EntryBand(index);
  const int y = band.bottom - metrics_.line_height / 2;
  const int end = band.right - w;
  const draw::Color color = ui::CurrentFont()->NativeColor();
  surface.DrawLine(end - 2 * w, y, end, y, color);
  const int heads = large_arrow_ ? 3 : 2;
  for (int k = 1; k <= heads; ++k) surface.DrawLine(end - k, y - k, end - k, y + k, color);
}

bool NotebookView::InteractionBlocked(ui::Point p) const {
  const ui::UiState& ui = ui::Ui();
  if (ui.modal_open || ui.message_box_open) return true;
  return ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y);
}

bool NotebookView::StylusDown(ui::Point p) {
  if (!rect_.Contains(p.x, p.y) || InteractionBlocked(p)) return false;
  if (ScrollBarShown() && scroll_bar_.StylusDown(p)) {
    scroll_bar_held_ = true;
    scroll_ = scroll_bar_.Position();
    PlaceEntries();
    return true;
  }
  ScopedCurrentFont scoped(font_);
  const std::size_t n = notebook_.EntryCount();
  // The entry whose band holds the point.
  const int content_y = p.y - (rect_.top - scroll_);
  const auto after = std::upper_bound(tops_.begin(), tops_.end(), content_y);
  if (after == tops_.begin() || after == tops_.end()) return true;
  const auto index = static_cast<std::size_t>(after - tops_.begin()) - 1;
  if (index >= n) return true;
  NotebookEntry& entry = notebook_.Entry(index);
  if (entry.Input().StylusDown(p)) {
    entry.Input().StylusUp(p);  // the tap is complete: the box does nothing on release
    return true;
  }
  notebook_.FocusEntry(static_cast<int>(index));
  entry.Input().CaretToEnd();
  dragged_ = static_cast<int>(index);
  drag_x_ = p.x;
  drag_offset_ = entry.AnswerOffset();
  return true;
}

bool NotebookView::StylusMove(ui::Point p) {
  if (scroll_bar_held_) {
    scroll_bar_.StylusMove(p);
    scroll_ = scroll_bar_.Position();
    PlaceEntries();
    return true;
  }
  if (dragged_ < 0 || static_cast<std::size_t>(dragged_) >= notebook_.EntryCount()) return false;
  ScopedCurrentFont scoped(font_);
  ui::TextRenderer* font = ui::CurrentFont();
  if (!font) return true;
  NotebookEntry& entry = notebook_.Entry(static_cast<std::size_t>(dragged_));
  const int width = entry.GetAnswer().Measure(*font, WrapWidth(), style_.answer_color).width;
  const int limit = width + 2 * metrics_.space - VisibleWidth();
  if (limit > 0) entry.SetAnswerOffset(std::clamp(p.x - drag_x_ + drag_offset_, -limit, 0));
  return true;
}

bool NotebookView::StylusUp(ui::Point p) {
  if (scroll_bar_held_) {
    scroll_bar_held_ = false;
    scroll_bar_.StylusUp(p);
    return true;
  }
  if (dragged_ >= 0) {
    dragged_ = -1;
    return true;
  }
  return false;
}

bool NotebookView::Wheel(ui::Point p, int steps) {
  if (!rect_.Contains(p.x, p.y) || InteractionBlocked(p)) return false;
  scroll_ -= steps * 3 * std::max(metrics_.line_height, 1);
  ClampScroll();
  scroll_bar_.SetPosition(scroll_);
  PlaceEntries();
  return true;
}

void NotebookView::Describe(ui::WidgetList& out) const {
  for (std::size_t i = 0; i + 1 < tops_.size() && i < notebook_.EntryCount(); ++i) {
    const draw::Rect band = EntryBand(i);
    if (band.bottom <= rect_.top) continue;
    if (band.top >= rect_.bottom) break;
    notebook_.Entry(i).Input().Describe(out);
  }
  if (scroll_bar_.Visible()) scroll_bar_.Describe(out);
}

}  // namespace zentrix::notebook
