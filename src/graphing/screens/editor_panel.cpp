#include "graphing/screens/editor_panel.h"

#include "ui/widgets/text_box.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

void EditorPanel::Layout(const draw::Rect& area) {
  const int scale = ui::Px(1);
  const int heights = FieldHeights();
  if (laid_out_scale_ == scale && laid_out_heights_ == heights && area.left == area_.left &&
      area.top == area_.top && area.right == area_.right && area.bottom == area_.bottom) {
    return;
  }
  area_ = area;
  laid_out_scale_ = scale;
  Arrange(area);
  laid_out_heights_ = FieldHeights();
}

// A field grows when its text wraps onto more lines; the widgets below it
// then move down.
int EditorPanel::FieldHeights() {
  int sum = 0;
  for (ui::Widget* w : widgets_) {
    if (auto* box = dynamic_cast<ui::TextBox*>(w)) {
      box->Layout();
      sum += box->Height();
    }
  }
  return sum;
}

void EditorPanel::Draw(draw::Surface& surface) {
  DrawBackground(surface);
  for (auto it = widgets_.rbegin(); it != widgets_.rend(); ++it) (*it)->Draw(surface);
}

bool EditorPanel::StylusDown(ui::Point p) {
  for (ui::Widget* w : widgets_) {
    if (w->StylusDown(p)) return true;
  }
  return false;
}

bool EditorPanel::StylusMove(ui::Point p) {
  for (ui::Widget* w : widgets_) {
    if (w->Pressed() && w->StylusMove(p)) return true;
  }
  return false;
}

bool EditorPanel::StylusUp(ui::Point p) {
  // Every pressed widget hears the release, so none stays pressed.
  bool taken = false;
  for (ui::Widget* w : widgets_) {
    if (w->StylusUp(p)) taken = true;
  }
  return taken;
}

bool EditorPanel::KeyDown(const ui::KeyEvent& key) {
  if (key.code != ui::keys::kEnter) return false;
  Apply();
  return true;
}

void EditorPanel::DescribeWidgets(ui::WidgetList& out) const {
  for (const ui::Widget* w : widgets_) w->Describe(out);
}

void EditorPanel::Report(std::u16string message) {
  message_ = std::move(message);
  if (on_message_ && !message_.empty()) on_message_(message_);
}

}  // namespace zentrix::graphing::screens
