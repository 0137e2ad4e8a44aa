#pragma once
// Toolbar: a row of tool buttons along the top of a shown plot, or on a
// landscape screen a side panel of button columns at the plot's right, where
// the short screen keeps its height for the plot. Buttons are added once; each
// frame the owner updates their states and lays the toolbar out.

#include <memory>
#include <vector>

#include "graphing/screens/toolbar/tool_button.h"

namespace zentrix::graphing::screens {

class Toolbar {
 public:
  ToolButton& Add(ui::Icon icon, std::u16string name, std::function<void()> action);

  // Lays the buttons out from the left of `row`, square, as tall as the row.
  void Layout(const draw::Rect& row);
  // The height of the row on the current screen.
  static int Height();
  // Lays the buttons out in columns at the right edge of `area`, as few
  // columns as its height allows; returns their width.
  int LayoutSide(const draw::Rect& area);
  // The width LayoutSide takes in an area `height` pixels tall.
  int SideWidth(int height) const;

  void Draw(draw::Surface& surface);
  bool StylusDown(ui::Point p);
  bool StylusUp(ui::Point p);
  void DescribeWidgets(ui::WidgetList& out) const;
  void SetVisible(bool visible) { visible_ = visible; }
  bool Visible() const { return visible_; }

 private:
  std::vector<std::unique_ptr<ToolButton>> buttons_;
  draw::Rect row_;
  bool visible_ = true;
};

}  // namespace zentrix::graphing::screens
