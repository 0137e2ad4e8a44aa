#pragma once
// The calculator screen's frame until the notebook fills it: the calculator's
// menu (File, Edit, Solve) over an empty content area.

#include "ui/core/screen.h"

namespace zentrix::shell {

class CalculatorFrameScreen : public ui::Screen {
 public:
  std::string_view Name() const override { return "calculator"; }
  void LayoutAndDraw(draw::Surface&, const draw::Rect&) override {}
  ui::ScreenMenu Menu() const override { return ui::StandardMenu(ui::MenuKind::kCalculator); }
};

}  // namespace zentrix::shell
