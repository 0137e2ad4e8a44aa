#pragma once
// ToolButton: a picture-only button of a grapher's toolbar: one "ImageList"
// icon, named by its automation name ("tracing", "play" ...). A switch shows
// its state: a checked button is drawn on a highlighted square. A tap runs
// the action.

#include <functional>
#include <optional>

#include "ui/core/widget.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::graphing::screens {

class ToolButton : public ui::Widget {
 public:
  ToolButton(ui::Icon icon, std::u16string name, std::function<void()> action)
      : Widget(0, 0, 0, 0, std::move(name)), icon_(icon), action_(std::move(action)) {}

  std::string_view Kind() const override { return "button"; }
  void Draw(draw::Surface& surface) override;
  void OnClick(const draw::Rect& rect) override;
  void Describe(ui::WidgetList& out) const override;

  void SetIcon(ui::Icon icon) { icon_ = icon; }
  // A switch: shown checked or not (plain buttons have no state).
  void SetChecked(bool checked) { checked_ = checked; }
  std::optional<bool> Checked() const { return checked_; }

 private:
  ui::Icon icon_;
  std::function<void()> action_;
  std::optional<bool> checked_;
};

}  // namespace zentrix::graphing::screens
