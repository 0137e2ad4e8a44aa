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
      three_(services_.grapher, time_),
      files_(GraphFileServices{services_.data_folder, services_.grapher.show_message,
                               [this](Dimension d) { SetChanged(d); }},
             GraphDocuments{two_.Graphs(), two_.DataTable(), three_.Graphs()}) {
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

void GraphingScreen::SetChanged(Dimension d) {
  Grapher& grapher = Of(d);
  grapher.ClosePlot();
  grapher.List().CloseEditor();
  grapher.Enter();
}

void GraphingScreen::Enter(Dimension d) {
  shown_ = d;
  switch_.Select(static_cast<int>(d));
  was_shown_[static_cast<int>(d)] = true;
  files_.LoadDefaultOnce(d);
  Of(d).Enter();
}

files::GraphSettingsRefs GraphingScreen::SettingsRefs() {
  dimensions_value_ = static_cast<int>(shown_);
  return {dimensions_value_,   two_.Window(),     three_.Window(), time_,
          two_.View().display, two_.SinglePlot(), three_.View(),   three_.Background(),
          three_.SinglePlot()};
}

bool GraphingScreen::Close() { return files_.WriteBackDefaults(); }

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

void GraphingScreen::LayoutAndDraw(Dimension d, draw::Surface& surface, const draw::Rect& content) {
  content_ = content;
  Grapher& grapher = Of(d);
  // Across the whole width of a landscape screen the plot's toolbar goes to
  // its right side (a narrower area, such as a test's column, keeps it on top).
  const bool whole_width = content.left == 0 && content.right == surface.Width();
  grapher.SetToolbarAtSide(whole_width && surface.Width() > surface.Height());
  if (grapher.PlotShown()) {
    grapher.LayoutAndDraw(surface, content);
  } else {
    grapher.ExpectPlotIn(content);
    LayOutSwitch(content);
    switch_label_.Draw(surface);
    switch_.Draw(surface);
    grapher.LayoutAndDraw(surface,
                          draw::Rect{content.left, switch_bottom_, content.right, content.bottom});
  }
  if (files_.DialogShown()) files_.DrawDialogs(surface);
}

bool GraphingScreen::StylusDown(Dimension d, ui::Point p) {
  if (files_.DialogShown()) return files_.StylusDown(p);
  Grapher& grapher = Of(d);
  if (!grapher.PlotShown() && !grapher.List().PopupOpen() && !grapher.Display().PopupOpen() &&
      switch_.StylusDown(p)) {
    return true;
  }
  return grapher.StylusDown(p);
}

bool GraphingScreen::StylusMove(Dimension d, ui::Point p) {
  if (files_.DialogShown()) return files_.StylusMove(p);
  return Of(d).StylusMove(p);
}

bool GraphingScreen::StylusUp(Dimension d, ui::Point p) {
  if (files_.DialogShown()) return files_.StylusUp(p);
  const bool taken = !Of(d).PlotShown() && switch_.StylusUp(p);
  return Of(d).StylusUp(p) || taken;
}

bool GraphingScreen::Wheel(Dimension d, ui::Point p, int steps) {
  if (files_.DialogShown()) return files_.Wheel(p, steps);
  return Of(d).Wheel(p, steps);
}

bool GraphingScreen::KeyDown(Dimension d, const ui::KeyEvent& key) { return Of(d).KeyDown(key); }

void GraphingScreen::DescribeWidgets(Dimension d, ui::WidgetList& out) const {
  if (files_.DialogShown()) {
    files_.DescribeDialogs(out);
    return;
  }
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
  menu.file = GraphFileCommands::FileMenu(d);
  return menu;
}

bool GraphingScreen::OnMenuCommand(Dimension d, ui::MenuCommand command) {
  using ui::MenuCommand;
  switch (command) {
    case MenuCommand::kNew:
    case MenuCommand::kOpen:
    case MenuCommand::kSave:
    case MenuCommand::kSaveAs: Of(d).ClosePlot(); return files_.OnMenuCommand(d, command, content_);
    default: return Of(d).OnMenuCommand(command);
  }
}

bool GrapherScreen::DescribeState(ui::JsonWriter& json) const {
  if (!host_->WasShown(dimension_)) return false;
  host_->Of(dimension_).DescribeState(json);
  return true;
}

}  // namespace zentrix::graphing::screens
