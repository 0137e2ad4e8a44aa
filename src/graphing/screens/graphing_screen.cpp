#include "graphing/screens/graphing_screen.h"

#include "graphing/screens/panel_layout.h"
#include "ui/core/focus.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

constexpr int kSwitchGap = 40;  // Small-skin pixels between the two choices

}  // namespace

GraphingScreen::GraphingScreen(GraphingServices services)
    : services_(std::move(services)),
      two_(services_.grapher, time_),
      three_(services_.grapher, time_) {
  switch_label_.SetAcceptsInput(false);
  switch_.Add(0, 0, u"2D");
  switch_.Add(ui::Px(kSwitchGap), 0, u"3D");
  switch_.Select(0);
  switch_.SetOnChange([this](int index) {
    const Dimension d = index == 1 ? Dimension::k3D : Dimension::k2D;
    if (d != shown_ && services_.show_dimension) services_.show_dimension(d);
  });
  // Applying the time settings in either grapher sets both live states.
  for (Grapher* g : {static_cast<Grapher*>(&two_), static_cast<Grapher*>(&three_)}) {
    g->Time().SetAppliedHandler([this](const TimeSettings& settings) {
      two_.View().time.Adopt(settings);
      three_.View().time.Adopt(settings);
    });
  }
}

void GraphingScreen::Enter(Dimension d) {
  shown_ = d;
  switch_.Select(static_cast<int>(d));
  if (!was_shown_[static_cast<int>(d)]) {
    was_shown_[static_cast<int>(d)] = true;
    if (services_.first_shown) services_.first_shown(d);
  }
  Of(d).Enter();
}

void GraphingScreen::LayOutSwitch(const draw::Rect& content) {
  const int margin = PanelMargin();
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::Px(12);
  const int row = std::max(line, ui::Px(14)) + PanelGap();
  switch_label_.SetPosition(content.left + margin, content.top + PanelGap());
  const int label_width = font ? font->TextWidth(switch_label_.Text()) : ui::Px(60);
  switch_.SetPosition(content.left + margin + label_width + ui::Px(10), content.top + PanelGap());
  switch_bottom_ = content.top + row + PanelGap();
}

void GraphingScreen::LayoutAndDraw(Dimension d, draw::Surface& surface,
                                   const draw::Rect& content) {
  Grapher& grapher = Of(d);
  if (grapher.PlotShown()) {
    grapher.LayoutAndDraw(surface, content);
    return;
  }
  LayOutSwitch(content);
  switch_label_.Draw(surface);
  switch_.Draw(surface);
  grapher.LayoutAndDraw(surface,
                        draw::Rect{content.left, switch_bottom_, content.right, content.bottom});
}

bool GraphingScreen::StylusDown(Dimension d, ui::Point p) {
  Grapher& grapher = Of(d);
  if (!grapher.PlotShown() && !grapher.List().PopupOpen() && !grapher.Display().PopupOpen() &&
      switch_.StylusDown(p)) {
    return true;
  }
  return grapher.StylusDown(p);
}

bool GraphingScreen::StylusMove(Dimension d, ui::Point p) { return Of(d).StylusMove(p); }

bool GraphingScreen::StylusUp(Dimension d, ui::Point p) {
  const bool taken = !Of(d).PlotShown() && switch_.StylusUp(p);
  return Of(d).StylusUp(p) || taken;
}

bool GraphingScreen::Wheel(Dimension d, ui::Point p, int steps) { return Of(d).Wheel(p, steps); }

bool GraphingScreen::KeyDown(Dimension d, const ui::KeyEvent& key) { return Of(d).KeyDown(key); }

void GraphingScreen::DescribeWidgets(Dimension d, ui::WidgetList& out) const {
  const Grapher& grapher = const_cast<GraphingScreen*>(this)->Of(d);
  if (!grapher.PlotShown()) {
    switch_label_.Describe(out);
    switch_.Describe(out);
  }
  grapher.DescribeWidgets(out);
}

ui::ScreenMenu GraphingScreen::Menu(Dimension d) const {
  ui::ScreenMenu menu =
      ui::StandardMenu(d == Dimension::k2D ? ui::MenuKind::kGrapher2D : ui::MenuKind::kGrapher3D);
  // The save items name the grapher they save.
  for (ui::MenuItem& item : menu.file) {
    if (item.command == ui::MenuCommand::kSave) item.text = d == Dimension::k2D ? u"Save 2D" : u"Save 3D";
    if (item.command == ui::MenuCommand::kSaveAs) {
      item.text = d == Dimension::k2D ? u"Save 2D As..." : u"Save 3D As...";
    }
  }
  return menu;
}

bool GraphingScreen::OnMenuCommand(Dimension d, ui::MenuCommand command) {
  using ui::MenuCommand;
  switch (command) {
    case MenuCommand::kNew:
    case MenuCommand::kOpen:
    case MenuCommand::kSave:
    case MenuCommand::kSaveAs:
      if (Of(d).PlotShown()) Of(d).ClosePlot();
      return file_commands_ && file_commands_(d, command);
    default: return Of(d).OnMenuCommand(command);
  }
}

bool GrapherScreen::DescribeState(ui::JsonWriter& json) const {
  if (!host_->WasShown(dimension_)) return false;
  host_->Of(dimension_).DescribeState(json);
  return true;
}

}  // namespace zentrix::graphing::screens
