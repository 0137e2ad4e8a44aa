#pragma once
// Slider and scroll bar: a range of n positions (asking for fewer than 2 gives
// 1), the position clamped to 0..n-1, a page size and a pixel length,
// horizontal or vertical. The thumb's offset is
// position × (length − thumb size) / (n − 1). Dragging the thumb follows the
// stylus; a tap on the track beside the thumb moves one page towards the tap.

#include <functional>

#include "ui/core/widget.h"

namespace zentrix::ui {

class Slider : public Widget {
 public:
  enum class Orientation { kHorizontal, kVertical };

  Slider() = default;
  Slider(int x, int y, int length, Orientation orientation);

  std::string_view Kind() const override { return "slider"; }
  void SetKind(std::string kind) { kind_ = std::move(kind); }

  // Positions 0..count-1 (count < 2 gives one position).
  void SetRange(int count);
  int Count() const { return count_; }
  using Widget::SetPosition;
  void SetPosition(int position);
  int Position() const { return position_; }
  void SetPageSize(int page) { page_ = page < 1 ? 1 : page; }
  int PageSize() const { return page_; }
  void SetLength(int length);
  int Length() const { return length_; }
  Orientation Direction() const { return orientation_; }
  void SetOnChange(std::function<void(int)> on_change) { on_change_ = std::move(on_change); }

  // Thumb size along the bar: in proportion to the page, at least the skin's
  // minimum thumb, at most the length.
  int ThumbSize() const;
  int ThumbOffset() const;
  draw::Rect ThumbRect() const;

  bool StylusDown(Point p) override;
  bool StylusMove(Point p) override;
  bool StylusUp(Point p) override;
  // One position per step, towards the start for positive steps.
  bool Wheel(Point p, int steps) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  int Along(Point p) const;
  void Change(int position);
  void Resize();

  Orientation orientation_ = Orientation::kHorizontal;
  int count_ = 1;
  int position_ = 0;
  int page_ = 1;
  int length_ = 0;
  bool dragging_ = false;
  int grab_ = 0;  // stylus offset inside the thumb while dragging
  std::string kind_ = "slider";
  std::function<void(int)> on_change_;
};

}  // namespace zentrix::ui
