#include "ui/core/widget.h"

#include "ui/core/ui_state.h"

namespace zentrix::ui {

bool Widget::InputAllowed(Point p) const {
  const UiState& ui = Ui();
  if (ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y)) return false;
  if (ui.message_box_open && layer_ != WidgetLayer::kMessageBox) return false;
  if (ui.modal_open && layer_ == WidgetLayer::kNormal) return false;
  return visible_ && enabled_ && accepts_input_;
}

bool Widget::StylusDown(Point p) {
  if (!InputAllowed(p) || !Contains(p)) return false;
  pressed_ = true;
  OnPress(Bounds());
  return true;
}

bool Widget::StylusUp(Point p) {
  if (!pressed_) return false;
  // A refused or outside release still ends the press, so no widget stays
  // drawn pressed after the stylus has left the screen.
  pressed_ = false;
  if (!InputAllowed(p) || !Contains(p)) return false;
  OnClick(Bounds());
  return true;
}

bool Widget::StylusMove(Point) { return true; }

bool Widget::Wheel(Point, int) { return false; }

void Widget::OnPress(const draw::Rect&) {}
void Widget::OnClick(const draw::Rect&) {}
void Widget::Draw(draw::Surface&) {}

void Widget::SetPosition(int x, int y) {
  x_ = x;
  y_ = y;
}

void Widget::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
}

WidgetInfo Widget::BasicInfo() const {
  WidgetInfo info;
  info.kind = std::string(Kind());
  info.text = text_;
  info.rect = Bounds();
  info.enabled = enabled_;
  return info;
}

void Widget::Describe(WidgetList& out) const {
  if (visible_) out.push_back(BasicInfo());
}

}  // namespace zentrix::ui
