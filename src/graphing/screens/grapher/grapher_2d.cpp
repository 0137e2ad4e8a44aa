#include "graphing/screens/grapher/grapher_2d.h"

#include <algorithm>
#include <string>

#include "graphing/model/graph_preparation.h"
#include "graphing/model/stat_plots.h"
#include "graphing/plot2d/plot_state_dump.h"
#include "graphing/screens/list/data_lists.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::graphing::screens {
namespace {

constexpr int kDataColumns = 6;
constexpr int kMaxInterval = 1000;

engine::DecimalFormat NotebookFormat() {
  const ui::ProgramSettings& s = ui::Settings();
  return {s.precision, static_cast<engine::Notation>(std::clamp(s.notation, 0, 2)), s.show_zeros};
}

std::u16string Number(int n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

Grapher2D::Grapher2D(GrapherServices services, TimeSettings& time)
    : Grapher(std::move(services), time,
              {kGraphsPage, kWindowPage, kTimePage, kTablePage, kDisplayPage}),
      model_(graphs_, data_.grid, [this](std::u16string m) { Tell(std::move(m)); }),
      table_(table_settings_, &graphs_, &data_.grid) {
  for (int c = 0; c < kDataColumns; ++c) data_.grid.AddColumn();
  SetPanels(&window_editor_, &table_);
  BuildToolbar();
  BuildDisplay();
}

void Grapher2D::Enter() {
  // The interval may have come from the registry since the form was built.
  interval_text_ = Number(view_.display.number_interval);
  Grapher::Enter();
}

void Grapher2D::DefaultColours(PlotDisplay& display) {
  const PlotDisplay defaults;
  display.axis_colour = defaults.axis_colour;
  display.grid_colour = defaults.grid_colour;
  display.side_tick_colour = defaults.side_tick_colour;
  display.number_colour = defaults.number_colour;
  display.tracer_colour = defaults.tracer_colour;
  display.zeros_colour = defaults.zeros_colour;
  display.maxima_colour = defaults.maxima_colour;
  display.minima_colour = defaults.minima_colour;
  display.intersections_colour = defaults.intersections_colour;
  display.background_colour = defaults.background_colour;
}

void Grapher2D::BrightColours(PlotDisplay& display) {
  display.background_colour = 0xFFFFFF;
  display.axis_colour = 0x000000;
  display.grid_colour = 0xC8C8C8;
  display.side_tick_colour = 0x000000;
  display.number_colour = 0x000000;
  display.tracer_colour = 0x0000FF;
  display.zeros_colour = 0x0000FF;
  display.maxima_colour = 0x00A000;
  display.minima_colour = 0xC00000;
  display.intersections_colour = 0xC000C0;
}

void Grapher2D::BuildToolbar() {
  toolbar_.Add(ui::Icon::kCenterView, u"center view", [this] { view_.CenterView(); });
  const StylusMode modes[3] = {StylusMode::kTracing, StylusMode::kZooming, StylusMode::kMoving};
  const ui::Icon icons[3] = {ui::Icon::kTrace, ui::Icon::kZoom, ui::Icon::kMove};
  const char16_t* names[3] = {u"tracing", u"zooming", u"moving"};
  for (int i = 0; i < 3; ++i) {
    const StylusMode mode = modes[i];
    mode_buttons_[i] = &toolbar_.Add(icons[i], names[i], [this, mode] { view_.mode = mode; });
  }
  play_ = &toolbar_.Add(ui::Icon::kPlay, u"play", [this] { TimeControl(0); });
  toolbar_.Add(ui::Icon::kRewind, u"rewind", [this] { TimeControl(1); });
  toolbar_.Add(ui::Icon::kSlower, u"slower", [this] { TimeControl(2); });
  toolbar_.Add(ui::Icon::kFaster, u"faster", [this] { TimeControl(3); });
  const ui::Icon analysis_icons[4] = {ui::Icon::kZeros, ui::Icon::kMaxima, ui::Icon::kMinima,
                                      ui::Icon::kIntersections};
  const char16_t* analysis_names[4] = {u"zeros", u"maxima", u"minima", u"intersections"};
  bool* switches[4] = {&view_.display.zeros, &view_.display.maxima, &view_.display.minima,
                       &view_.display.intersections};
  for (int i = 0; i < 4; ++i) {
    bool* on = switches[i];
    analysis_[i] = &toolbar_.Add(analysis_icons[i], analysis_names[i], [this, on] {
      *on = !*on;
      // A paused view shows the circles at once.
      if (!view_.time.playing) view_.draw_once = true;
    });
  }
  toolbar_.Add(ui::Icon::kClose, u"close", [this] { ClosePlot(); });
}

void Grapher2D::TimeControl(int which) {
  TimeState& time = view_.time;
  switch (which) {
    case 0:  // a paused view plays; a playing one draws one more frame and stops
      if (time.playing) {
        view_.draw_once = true;
      } else {
        time.playing = true;
        view_.draw_once = false;
      }
      break;
    case 1:  // rewind, drawing the one frame at Tmin
      time.Rewind();
      if (!time.playing) {
        time.playing = true;
        view_.draw_once = true;
      }
      break;
    case 2: time.Slower(); break;
    default: time.Faster(); break;
  }
}

void Grapher2D::BuildDisplay() {
  PlotDisplay& d = view_.display;
  const auto check_colour = [this](std::u16string label, bool* on, Colour* colour) {
    display_.AddCheck(std::move(label), on);
    display_.SameRow();
    display_.AddColour(u"", colour);
  };
  check_colour(u"Axis", &d.axis, &d.axis_colour);
  display_.SameRow();
  check_colour(u"Grid", &d.grid, &d.grid_colour);
  check_colour(u"Side-Ticks", &d.side_ticks, &d.side_tick_colour);
  display_.SameRow();
  check_colour(u"Numbers", &d.numbers, &d.number_colour);
  interval_text_ = Number(d.number_interval);
  display_.AddField(u"Numbers every ", &interval_text_);
  display_.SameRow();
  display_.AddLabel(u" side-ticks");
  display_.AddColour(u"Background", &d.background_colour);
  display_.SameRow();
  display_.AddColour(u"Tracer", &d.tracer_colour);
  display_.AddColour(u"Zeros", &d.zeros_colour);
  display_.SameRow();
  display_.AddColour(u"Maxima", &d.maxima_colour);
  display_.AddColour(u"Minima", &d.minima_colour);
  display_.SameRow();
  display_.AddColour(u"Intersections", &d.intersections_colour);
  display_.AddCheck(u"Single Plot", &single_plot_);
  display_.AddButton(u"Default", [this] {
    DefaultColours(view_.display);
    display_.Refresh();
  });
  display_.SameRow();
  display_.AddButton(u"Bright", [this] {
    BrightColours(view_.display);
    display_.Refresh();
  });
  display_.SetOnChange([this] { TakeInterval(); });
}

void Grapher2D::TakeInterval() {
  int n = 0;
  bool digits = !interval_text_.empty() && interval_text_.size() <= 4;
  for (char16_t c : interval_text_) {
    if (c < u'0' || c > u'9') digits = false;
    if (digits) n = n * 10 + (c - u'0');
  }
  // A count that is not a whole number from 1 up keeps the last good one.
  if (digits && n >= 1) view_.display.number_interval = std::min(n, kMaxInterval);
}

void Grapher2D::GraphsChanged() {
  for (std::size_t i = 0; i < graphs_.size(); ++i) {
    if (graphs_[i].is_statistical()) static_cast<StatPlot&>(graphs_[i]).data_changed = true;
  }
}

bool Grapher2D::Prepare() {
  const ui::ProgramSettings& s = ui::Settings();
  PreparationSettings settings;
  settings.angle_mode = s.angle_mode == 1 ? AngleMode::kDegrees : AngleMode::kRadians;
  settings.always_radians = s.always_graph_in_radians;
  settings.single_plot = single_plot_;
  settings.variables = Variables();
  settings.load_lists = [this](StatPlot& plot) { LoadPlotLists(data_.grid, plot); };
  const PreparationResult result = PrepareGraphSet(graphs_, settings);
  if (!result.ok) {
    Tell(result.message);
    return false;
  }
  GraphsChanged();
  view_.display.always_radians = s.always_graph_in_radians;
  view_.regression_decimals = s.precision >= 0 ? s.precision : 5;
  view_.time.Adopt(time_settings_);
  return true;
}

void Grapher2D::PrepareQuietly() {
  const ui::ProgramSettings& s = ui::Settings();
  PreparationSettings settings;
  settings.angle_mode = s.angle_mode == 1 ? AngleMode::kDegrees : AngleMode::kRadians;
  settings.always_radians = s.always_graph_in_radians;
  settings.variables = Variables();
  PrepareGraphSet(graphs_, settings);
}

void Grapher2D::PageShown(Page page) {
  if (page != kTablePage) return;
  PrepareQuietly();
  table_.SetFormat(NotebookFormat());
  table_.Refresh();
}

void Grapher2D::LayOutPlot(const draw::Rect& plot_area) {
  view_.display.double_resolution = ui::Ui().high_resolution;
  view_.SetPlotArea(plot_area.left, plot_area.top, plot_area.Width(), plot_area.Height());
}

// Numbers and labels take their colours from the display settings: they are
// drawn with the font whose glyphs are white, whatever the skin's style.
void Grapher2D::DrawPlot(draw::Surface& surface) {
  ui::TextRenderer* font = ui::Ui().white_font ? ui::Ui().white_font : ui::CurrentFont();
  view_.Draw(surface, font);
}

void Grapher2D::PlotDown(ui::Point p) { view_.PenDown(p.x, p.y); }
void Grapher2D::PlotMove(ui::Point p) { view_.PenMove(p.x, p.y); }
void Grapher2D::PlotUp(ui::Point p) { view_.PenUp(p.x, p.y); }

bool Grapher2D::PlotKey(const ui::KeyEvent& key) {
  if (view_.mode != StylusMode::kTracing) return false;
  if (key.code == ui::keys::kRight || key.code == ui::keys::kLeft) {
    view_.TraceNextGraph(key.code == ui::keys::kRight ? 1 : -1);
    return true;
  }
  return false;
}

void Grapher2D::UpdateToolbar() {
  const StylusMode modes[3] = {StylusMode::kTracing, StylusMode::kZooming, StylusMode::kMoving};
  for (int i = 0; i < 3; ++i) mode_buttons_[i]->SetChecked(view_.mode == modes[i]);
  const bool playing = view_.time.playing && !view_.draw_once;
  play_->SetIcon(playing ? ui::Icon::kPause : ui::Icon::kPlay);
  const bool switches[4] = {view_.display.zeros, view_.display.maxima, view_.display.minima,
                            view_.display.intersections};
  for (int i = 0; i < 4; ++i) analysis_[i]->SetChecked(switches[i]);
}

void Grapher2D::WriteState(ui::JsonWriter& json) const {
  WritePlotState(json, view_);
  json.Key("selected").Integer(graphs_.selected());
  json.Key("single_plot").Bool(single_plot_);
  json.Key("table");
  WriteTableJson(table_.Table(), json);
  json.Key("data").BeginArray();
  const ui::CellGrid& grid = data_.grid;
  for (int c = 0; c < grid.ColumnCount(); ++c) {
    json.BeginArray();
    for (int r = 0; r < grid.CellCount(c); ++r) json.Text(grid.CellText(c, r));
    json.EndArray();
  }
  json.EndArray();
}

bool Grapher2D::OnMenuCommand(ui::MenuCommand command) {
  using ui::MenuCommand;
  switch (command) {
    case MenuCommand::kInsertCell: data_.grid.InsertCell(); return true;
    case MenuCommand::kDeleteCell: data_.grid.DeleteCell(); return true;
    case MenuCommand::kInsertRow: data_.grid.InsertRow(); return true;
    case MenuCommand::kDeleteRow: data_.grid.DeleteRow(); return true;
    default: return Grapher::OnMenuCommand(command);
  }
}

}  // namespace zentrix::graphing::screens
