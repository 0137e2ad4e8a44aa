#pragma once
// KindMenu: the list of graph kinds the add button opens, above the button
// (below it when there is no room above). A tap on a kind chooses it; any
// other tap closes the list. While open it takes every tap and sets the
// modal flag.

#include <functional>
#include <string>
#include <vector>

#include "ui/core/widget.h"

namespace zentrix::graphing::screens {

class KindMenu : public ui::Widget {
 public:
  std::string_view Kind() const override { return "menu"; }
  void SetItems(std::vector<std::u16string> items) { items_ = std::move(items); }
  void SetOnChoose(std::function<void(int)> f) { on_choose_ = std::move(f); }

  // Opens the list beside the anchor (the add button) inside `bounds`.
  void Open(const draw::Rect& anchor, const draw::Rect& bounds);
  void Close();
  bool IsOpen() const { return open_; }
  draw::Rect ItemRect(int index) const;

  bool StylusDown(ui::Point p) override;
  bool StylusUp(ui::Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(ui::WidgetList& out) const override;

 private:
  int ItemHeight() const;

  std::vector<std::u16string> items_;
  std::function<void(int)> on_choose_;
  bool open_ = false;
  bool swallow_up_ = false;
};

}  // namespace zentrix::graphing::screens
