#pragma once
// The notebook on the screen: stacks the entries (input box, then answer)
// inside its rectangle under a vertical scroll bar, colours the bands of the
// Bright style, draws each visible answer in two dimensions, marks answers
// wider than the view with a right arrow and lets the stylus drag them
// sideways. The calculator screen owns it, sets its rectangle, style and font
// every frame and forwards the stylus.
//
// Per frame the layout walks every entry once, but text boxes and answers keep
// their layouts between frames, so only what changed is measured again; only
// entries whose band meets the view are drawn.

#include <vector>

#include "draw/rect.h"
#include "draw/surface.h"
#include "notebook/model/notebook.h"
#include "notebook/view/notebook_style.h"
#include "ui/core/point.h"
#include "ui/core/widget_info.h"
#include "ui/text/text_renderer.h"
#include "ui/widgets/slider.h"

namespace zentrix::notebook {

class NotebookView {
 public:
  explicit NotebookView(Notebook& notebook);
  NotebookView(const NotebookView&) = delete;
  NotebookView& operator=(const NotebookView&) = delete;

  void SetRect(const draw::Rect& rect) { rect_ = rect; }
  const draw::Rect& Rect() const { return rect_; }
  void SetStyle(const NotebookStyle& style) { style_ = style; }
  // The font of entries and answers (the normal or the second font).
  void SetFont(ui::TextRenderer* font) { font_ = font; }
  // Large fonts and high-resolution screens draw a longer arrow head.
  void SetLargeArrow(bool large) { large_arrow_ = large; }

  // Lays the entries out (consuming the notebook's scroll requests) and draws
  // the visible ones.
  void LayoutAndDraw(draw::Surface& surface);
  // The layout alone, as LayoutAndDraw does it.
  void Layout();

  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  // Positive steps scroll towards the top.
  bool Wheel(ui::Point p, int steps);

  int Scroll() const { return scroll_; }
  int ContentHeight() const { return content_height_; }
  int PageHeight() const { return rect_.Height(); }
  // The band of an entry in screen pixels, as the last layout placed it.
  draw::Rect EntryBand(std::size_t index) const;
  // The answer's top-left corner in screen pixels (offset included).
  ui::Point AnswerOrigin(std::size_t index) const;
  // Whether the last layout found the answer wider than the view.
  bool AnswerIsWide(std::size_t index);

  // The entries' text boxes on the screen and the scroll bar when shown.
  void Describe(ui::WidgetList& out) const;

 private:
  struct Metrics {
    int line_height = 0;
    int space = 0;
  };
  bool ScrollBarShown() const { return content_height_ > PageHeight(); }
  int VisibleWidth() const;
  int WrapWidth() const;
  void ClampScroll();
  void PlaceEntries();
  void DrawEntry(draw::Surface& surface, std::size_t index);
  void DrawArrow(draw::Surface& surface, std::size_t index);
  bool InteractionBlocked(ui::Point p) const;

  Notebook& notebook_;
  draw::Rect rect_;
  NotebookStyle style_;
  ui::TextRenderer* font_ = nullptr;
  bool large_arrow_ = false;
  Metrics metrics_;

  // Per-frame layout, relative to the top of the content; reused every frame.
  std::vector<int> tops_;  // entry i's band starts here; tops_[n] = content height
  std::vector<int> answer_tops_;
  int content_height_ = 0;
  int scroll_ = 0;
  ui::Slider scroll_bar_{0, 0, 0, ui::Slider::Orientation::kVertical};
  bool scroll_bar_held_ = false;

  // Dragging an answer sideways.
  int dragged_ = -1;
  int drag_x_ = 0;
  int drag_offset_ = 0;
};

}  // namespace zentrix::notebook
