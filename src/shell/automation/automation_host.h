#pragma once
// What the script runner needs of the running program.

#include <optional>
#include <string>
#include <string_view>

#include "draw/rect.h"
#include "ui/core/widget_info.h"

namespace zentrix::shell {

class AutomationHost {
 public:
  virtual ~AutomationHost() = default;
  // Every visible widget of the last frame, in stylus-routing order.
  virtual void DescribeWidgets(ui::WidgetList& out) = 0;
  // The screen-bar icon of screen `index`, when the bar shows one.
  virtual std::optional<draw::Rect> ScreenIcon(int index) = 0;
  // Types into the focused text box; false when no box has the focus.
  virtual bool TypeText(std::u16string_view text) = 0;
  // The back buffer as a PNG file; false with a reason when it cannot be written.
  virtual bool SaveShot(const std::string& path, std::string* error) = 0;
  // The state dump as JSON text.
  virtual std::string Dump() = 0;
  // The Exit command.
  virtual void Exit() = 0;
};

}  // namespace zentrix::shell
