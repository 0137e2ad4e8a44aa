#pragma once
// Stylus routing: a stylus down goes to the message box, then the main menu,
// the screen bar, the on-screen keyboard, the button pad, the tutorial overlay
// and finally the current screen; the first that takes it ends the routing.
// While a tutorial restricts input, a stylus down outside its allowed
// rectangle is offered to the tutorial overlay alone.
// Stylus up follows the same order. A move goes to whichever took the last
// down (the screen when nothing did), so a drag stays with its widget.
//
// The same order lists the widgets for the state dump and finds a widget for
// the automation script's `click`.

#include <array>
#include <optional>
#include <string_view>

#include "ui/core/point.h"
#include "ui/core/screen.h"
#include "ui/core/widget.h"
#include "ui/core/widget_info.h"

namespace zentrix::ui {

enum class RouteSlot : int {
  kMessageBox,
  kMainMenu,
  kScreenBar,
  kKeyboard,
  kButtonPad,
  kTutorialOverlay,
};
inline constexpr int kRouteSlotCount = 6;

class StylusRouter {
 public:
  // Any widget may fill a slot (null empties it); hidden slot widgets are
  // skipped. Slots and the screen are not owned.
  void SetSlot(RouteSlot slot, Widget* widget) { slots_[static_cast<int>(slot)] = widget; }
  Widget* Slot(RouteSlot slot) const { return slots_[static_cast<int>(slot)]; }
  void SetScreen(Screen* screen) { screen_ = screen; }
  Screen* CurrentScreen() const { return screen_; }

  // True when something took the event. Updates the UI state's stylus flag
  // and last position.
  bool StylusDown(Point p);
  bool StylusMove(Point p);
  bool StylusUp(Point p);
  // The mouse wheel: offered in routing order to whatever scrolls under p.
  bool Wheel(Point p, int steps);

  // Every visible widget, in routing order.
  void DescribeAll(WidgetList& out) const;
  // The first visible, enabled widget whose text without tags (or automation
  // name) is `text`, of kind `kind` unless that is empty.
  std::optional<WidgetInfo> FindForClick(std::u16string_view text,
                                         std::string_view kind = {}) const;

 private:
  static constexpr int kScreenTarget = kRouteSlotCount;
  static constexpr int kNoTarget = -1;

  std::array<Widget*, kRouteSlotCount> slots_{};
  Screen* screen_ = nullptr;
  int down_target_ = kNoTarget;
};

}  // namespace zentrix::ui
