#include "ui/core/stylus_router.h"

#include "ui/core/ui_state.h"

namespace zentrix::ui {

namespace {

// The slots in the order they hear the stylus. A running tutorial's overlay
// lies over the button pad and the keyboard (on short screens its bar sits on
// the pad), so it hears taps right after a message box does.
constexpr int kNormalOrder[kRouteSlotCount] = {0, 1, 2, 3, 4, 5};
constexpr int kTutorialOrder[kRouteSlotCount] = {
    static_cast<int>(RouteSlot::kMessageBox), static_cast<int>(RouteSlot::kTutorialOverlay),
    static_cast<int>(RouteSlot::kMainMenu),   static_cast<int>(RouteSlot::kScreenBar),
    static_cast<int>(RouteSlot::kKeyboard),   static_cast<int>(RouteSlot::kButtonPad)};

const int* SlotOrder() { return Ui().tutorial.active ? kTutorialOrder : kNormalOrder; }

}  // namespace

bool StylusRouter::StylusDown(Point p) {
  Ui().stylus_down = true;
  Ui().last_stylus = p;
  down_target_ = kNoTarget;
  // While a tutorial restricts input, a tap outside its allowed rectangle
  // reaches only the overlay, whatever a widget's own gate would do.
  const TutorialRestriction& tutorial = Ui().tutorial;
  const bool refused = tutorial.active && !tutorial.allowed.Contains(p.x, p.y);
  const int* order = SlotOrder();
  for (int k = 0; k < kRouteSlotCount; ++k) {
    const int i = order[k];
    if (refused && i != static_cast<int>(RouteSlot::kTutorialOverlay)) continue;
    Widget* w = slots_[i];
    if (w && w->Visible() && w->StylusDown(p)) {
      down_target_ = i;
      return true;
    }
  }
  if (!refused && screen_ && screen_->StylusDown(p)) {
    down_target_ = kScreenTarget;
    return true;
  }
  return false;
}

bool StylusRouter::StylusMove(Point p) {
  Ui().last_stylus = p;
  if (down_target_ >= 0 && down_target_ < kRouteSlotCount) {
    Widget* w = slots_[down_target_];
    return w && w->StylusMove(p);
  }
  return screen_ && screen_->StylusMove(p);
}

bool StylusRouter::StylusUp(Point p) {
  Ui().stylus_down = false;
  Ui().last_stylus = p;
  down_target_ = kNoTarget;
  const int* order = SlotOrder();
  for (int k = 0; k < kRouteSlotCount; ++k) {
    Widget* w = slots_[order[k]];
    if (w && w->Visible() && w->StylusUp(p)) return true;
  }
  return screen_ && screen_->StylusUp(p);
}

bool StylusRouter::Wheel(Point p, int steps) {
  for (Widget* w : slots_) {
    if (w && w->Visible() && w->Wheel(p, steps)) return true;
  }
  return screen_ && screen_->Wheel(p, steps);
}

void StylusRouter::DescribeAll(WidgetList& out) const {
  for (const Widget* w : slots_) {
    if (w && w->Visible()) w->Describe(out);
  }
  if (screen_) screen_->DescribeWidgets(out);
}

std::optional<WidgetInfo> StylusRouter::FindForClick(std::u16string_view text,
                                                     std::string_view kind) const {
  WidgetList list;
  DescribeAll(list);
  const WidgetInfo* found = ui::FindForClick(list, text, kind);
  if (!found) return std::nullopt;
  return *found;
}

}  // namespace zentrix::ui
