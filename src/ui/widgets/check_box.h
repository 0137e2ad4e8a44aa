#pragma once
// CheckBox: the "CheckBox" image (frame 1 when checked and enabled, else 0)
// with its label 4 pixels to the right, centred on the image's height (2
// pixels lower on high-resolution screens). A press toggles it.

#include <functional>

#include "ui/core/widget.h"

namespace zentrix::ui {

class CheckBox : public Widget {
 public:
  CheckBox() = default;
  CheckBox(int x, int y, std::u16string text, bool checked = false);

  std::string_view Kind() const override { return "check box"; }
  void Draw(draw::Surface& surface) override;
  void OnPress(const draw::Rect& rect) override;
  void Describe(WidgetList& out) const override;

  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  void SetOnChange(std::function<void(bool)> on_change) { on_change_ = std::move(on_change); }
  int Frame() const { return checked_ && enabled_ ? 1 : 0; }

 private:
  void Measure();

  bool checked_ = false;
  std::function<void(bool)> on_change_;
};

}  // namespace zentrix::ui
