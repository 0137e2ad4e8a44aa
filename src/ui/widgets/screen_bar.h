#pragma once
// ScreenBar: the bar at the top of the screen ("MenuSystemHeader" cut to the
// screen width) with one icon per screen ("ImageList" 0..7, the current one on
// the "MenuSelector"), then the style toggle and the close button
// ("MenuSystemIconList"). A tap on icon k (1..9) makes screen k − 1 current.

#include <functional>

#include "ui/core/widget.h"

namespace zentrix::ui {

class ScreenBar : public Widget {
 public:
  static constexpr int kScreenCount = 8;
  // The automation names of the screen icons, in screen order.
  static const std::u16string_view kIconNames[kScreenCount];

  ScreenBar();
  std::string_view Kind() const override { return "screen bar"; }

  // Lays the bar out across the screen's width (at the top).
  void Place(int screen_width);
  void SetCurrent(int screen) { current_ = screen; }
  int Current() const { return current_; }
  void SetOnSelect(std::function<void(int)> f) { on_select_ = std::move(f); }
  void SetOnClose(std::function<void()> f) { on_close_ = std::move(f); }
  void SetOnStyleToggle(std::function<void()> f) { on_style_ = std::move(f); }

  // Part rectangles: icon k (0-based screen index), the style toggle, close.
  draw::Rect IconRect(int screen) const;
  draw::Rect StyleRect() const;
  draw::Rect CloseRect() const;

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  enum Part { kNoPart = -3, kStyle = -2, kClose = -1 };
  int PartAt(Point p) const;

  int current_ = 0;
  int pressed_part_ = kNoPart;
  std::function<void(int)> on_select_;
  std::function<void()> on_close_;
  std::function<void()> on_style_;
};

}  // namespace zentrix::ui
