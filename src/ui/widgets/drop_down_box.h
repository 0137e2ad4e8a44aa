#pragma once
// DropDownBox: a closed box ("DropDownBox" image cut to its width) showing the
// chosen item; a tap opens the list of items below it (above it when the
// screen has no room below). A tap on an item chooses it, any other tap closes
// the list. While open it takes every tap first and sets the modal flag.

#include <functional>
#include <vector>

#include "ui/core/widget.h"

namespace zentrix::ui {

class DropDownBox : public Widget {
 public:
  static constexpr int kNone = -1;

  DropDownBox() = default;
  DropDownBox(int x, int y, int width, std::vector<std::u16string> items = {});

  std::string_view Kind() const override { return "drop-down box"; }
  void SetItems(std::vector<std::u16string> items);
  const std::vector<std::u16string>& Items() const { return items_; }
  int Selected() const { return selected_; }
  void Select(int index);
  void SetOnChange(std::function<void(int)> f) { on_change_ = std::move(f); }
  bool IsOpen() const { return open_; }
  void Close();

  draw::Rect ItemRect(int index) const;

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  // The open list (screens draw it last, over everything).
  void DrawList(draw::Surface& surface);
  void Describe(WidgetList& out) const override;

 private:
  int ItemHeight() const;

  std::vector<std::u16string> items_;
  int selected_ = kNone;
  bool open_ = false;
  bool list_above_ = false;
  bool swallow_up_ = false;
  int screen_height_ = 0;  // of the surface last drawn on
  std::function<void(int)> on_change_;
};

}  // namespace zentrix::ui
