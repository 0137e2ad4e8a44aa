#pragma once
// TutorialList: the calculator's list of tutorials, one button per caption in
// a framed panel over the screen. The menu bar's tutorials element shows and
// hides it; tapping a button hides it and reports the button's index. While
// shown it takes every tap on the screen: one outside its buttons hides it.

#include <array>
#include <functional>
#include <span>
#include <string_view>

#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/core/widget.h"
#include "ui/widgets/button.h"

namespace zentrix::tutorials {

class TutorialList : public ui::Widget {
 public:
  static constexpr int kMaxButtons = 6;

  TutorialList();
  std::string_view Kind() const override { return "tutorial list"; }

  // The captions, at most kMaxButtons.
  void SetCaptions(std::span<const std::u16string_view> captions);
  void SetOnChoose(std::function<void(int)> choose) { choose_ = std::move(choose); }
  void Toggle() { SetVisible(!visible_); }
  // Centres the panel in the area.
  void Place(const draw::Rect& area);

  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(ui::WidgetList& out) const override;

 private:
  std::array<ui::Button, kMaxButtons> buttons_;
  int count_ = 0;
  std::function<void(int)> choose_;
  bool swallowing_ = false;  // a tap outside the buttons, hiding the list on release
};

}  // namespace zentrix::tutorials
