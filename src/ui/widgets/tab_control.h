#pragma once
// TabControl: a row of tab captions ("TabControlLeft", one "TabControlButton"
// per tab, frame 1 for the chosen one, then "TabControlRight" to the end of
// the row). A tap on a tab chooses it. Each tab is its caption with a margin;
// when the row is too narrow for them all the margins shrink so that every
// tab stays on it.

#include <functional>
#include <vector>

#include "ui/core/widget.h"

namespace zentrix::ui {

class TabControl : public Widget {
 public:
  TabControl() = default;
  TabControl(int x, int y, int width, std::vector<std::u16string> captions);

  std::string_view Kind() const override { return "tab control"; }
  void SetCaptions(std::vector<std::u16string> captions);
  int Count() const { return static_cast<int>(captions_.size()); }
  int Selected() const { return selected_; }
  void Select(int index);
  void SetOnChange(std::function<void(int)> f) { on_change_ = std::move(f); }
  draw::Rect TabRect(int index) const;

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  int TabWidth(int index) const;
  // The margin beside each caption, narrowed to fit the row (measured when
  // drawn, so a tap hits the tabs as last shown).
  void FitMargin();

  std::vector<std::u16string> captions_;
  int selected_ = 0;
  int margin_ = -1;  // -1: not measured yet
  std::function<void(int)> on_change_;
};

}  // namespace zentrix::ui
