#include "graphing/screens/window_editor.h"

#include <algorithm>

#include "graphing/screens/panel_layout.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

WindowEditor::WindowEditor(int field_count) {
  std::vector<ui::Widget*> widgets;
  for (int i = 0; i < field_count; ++i) {
    fields_.push_back(std::make_unique<ui::TextBox>());
    widgets.push_back(fields_.back().get());
  }
  standard_.SetAction([this] { Standard(); });
  zoom_in_.SetAction([this] { ZoomIn(); });
  zoom_out_.SetAction([this] { ZoomOut(); });
  trig_.SetAction([this] { Trig(); });
  for (ui::Widget* b : {&standard_, &zoom_in_, &zoom_out_, &trig_}) widgets.push_back(b);
  SetWidgets(std::move(widgets));
}

void WindowEditor::TakeTexts() {
  for (int i = 0; i < FieldCount(); ++i) ModelField(i).text = FieldBox(i).Text();
}

void WindowEditor::Refresh() {
  for (int i = 0; i < FieldCount(); ++i) {
    WindowField& field = ModelField(i);
    ui::TextBox& box = FieldBox(i);
    if (box.Prefix().empty()) SetUpFieldBox(box, std::u16string(field.label) + u"=");
    if (box.Text() != field.text) box.SetText(field.text);
  }
}

bool WindowEditor::Apply() {
  TakeTexts();
  const ApplyResult result = ModelApply();
  if (!result.ok) {
    Report(result.message);
    return false;
  }
  ClearMessage();
  return true;
}

void WindowEditor::Standard() {
  ModelStandard();
  ClearMessage();
  Refresh();
}

void WindowEditor::Trig() {
  ModelTrig();
  ClearMessage();
  Refresh();
}

void WindowEditor::ZoomIn() {
  Zoom(true);
}
void WindowEditor::ZoomOut() {
  Zoom(false);
}

void WindowEditor::Zoom(bool zoom_in) {
  TakeTexts();
  if (!ModelScale(zoom_in)) {
    // A field that does not evaluate changes nothing; say which one rather
    // than doing nothing silently.
    std::u16string failure = FirstFailure();
    if (!failure.empty()) {
      Report(std::move(failure));
      return;
    }
  }
  ClearMessage();
  Refresh();
}

void WindowEditor::Arrange(const draw::Rect& area) {
  const int margin = PanelMargin();
  const int gap = PanelGap();
  const int width = area.Width() - 2 * margin;
  // Fields in pairs (minimum beside maximum) when the area is wide enough for
  // two readable columns, else one field per row.
  const bool pairs = width >= ui::Px(300);
  const int column_width = pairs ? (width - gap) / 2 : width;
  int y = area.top + margin;
  for (int i = 0; i < FieldCount(); ++i) {
    ui::TextBox& box = FieldBox(i);
    StyleFieldBox(box);
    const int column = pairs ? i % 2 : 0;
    box.SetPosition(area.left + margin + column * (column_width + gap), y);
    box.SetSize(column_width, box.Height());
    box.Layout();
    if (!pairs || column == 1) y += box.Height() + gap;
  }
  ui::Widget* buttons[] = {&standard_, &zoom_in_, &zoom_out_, &trig_};
  PlaceButtonRows(buttons, 4, area.left + margin, y + gap, width, ui::Px(54));
}

}  // namespace zentrix::graphing::screens
