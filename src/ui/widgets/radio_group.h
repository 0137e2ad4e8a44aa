#pragma once
// RadioGroup: radio buttons placed relative to the group, at most one
// selected. A tap on a button that is not selected selects it; the previous
// selection is kept for owners that compare.

#include <functional>
#include <vector>

#include "ui/core/widget.h"

namespace zentrix::ui {

class RadioGroup : public Widget {
 public:
  static constexpr int kNone = -1;

  std::string_view Kind() const override { return "radio group"; }
  // A button at (dx, dy) from the group's position; returns its index.
  int Add(int dx, int dy, std::u16string text);
  int Count() const { return static_cast<int>(items_.size()); }

  int Selected() const { return selected_; }
  int Previous() const { return previous_; }
  // Out-of-range indices select none.
  void Select(int index);
  void SetOnChange(std::function<void(int)> on_change) { on_change_ = std::move(on_change); }

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;
  // The tappable area of button i (image and label).
  draw::Rect ItemRect(int index) const;

 private:
  struct Item {
    int dx = 0;
    int dy = 0;
    std::u16string text;
  };
  int ItemAt(Point p) const;

  std::vector<Item> items_;
  int selected_ = kNone;
  int previous_ = kNone;
  std::function<void(int)> on_change_;
};

}  // namespace zentrix::ui
