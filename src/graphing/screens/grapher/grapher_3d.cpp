#include "graphing/screens/grapher/grapher_3d.h"

#include <algorithm>
#include <cstring>

#include "graphing/model/graph_preparation.h"
#include "graphing/model/sampling_window.h"
#include "graphing/model/surfaces.h"
#include "graphing/render3d/mesh/mesh_indices.h"
#include "graphing/render3d/sampling/compute_mesh.h"
#include "graphing/screens/window_json.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

using render3d::StylusMode;

const std::array<float, 3> kHomeTranslation{0.0f, 0.0f, -25.0f};

}  // namespace

Grapher3D::Grapher3D(GrapherServices services, TimeSettings& time)
    : Grapher(std::move(services), time, {kGraphsPage, kWindowPage, kTimePage, kDisplayPage}),
      model_(graphs_, [this](std::u16string m) { Tell(std::move(m)); }) {
  SetPanels(&window_editor_, nullptr);
  BuildToolbar();
  BuildDisplay();
}

void Grapher3D::DefaultLook(render3d::View3D& view, Colour& background) {
  const render3d::AxesOptions defaults;
  view.axes.colours = defaults.colours;
  view.axes.labels = true;
  view.axes.mode = 1;
  view.shade = render3d::ShadeModel::kFlat;
  view.lighting = true;
  background = 0x000000;
}

void Grapher3D::BrightLook(render3d::View3D& view, Colour& background) {
  view.axes.colours = {0x008000, 0x0000C0, 0xC00000};
  view.axes.labels = true;
  view.axes.mode = 1;
  view.shade = render3d::ShadeModel::kSmooth;
  view.lighting = true;
  background = 0xFFFFFF;
}

void Grapher3D::BuildToolbar() {
  const StylusMode modes[4] = {StylusMode::kRotate, StylusMode::kMove, StylusMode::kDepthMove,
                               StylusMode::kWindowZoom};
  const ui::Icon icons[4] = {ui::Icon::kRotate, ui::Icon::kMove, ui::Icon::kDepthMove,
                             ui::Icon::kWindowZoom};
  for (int i = 0; i < 4; ++i) {
    const StylusMode mode = modes[i];
    const char* name = render3d::StylusModeName(mode);
    mode_buttons_[i] = &toolbar_.Add(icons[i], std::u16string(name, name + std::strlen(name)),
                                     [this, mode] { view_.mode = mode; });
  }
  toolbar_.Add(ui::Icon::kResetView, u"reset", [this] { view_.translation = kHomeTranslation; });
  render_mode_ = &toolbar_.Add(ui::Icon::kRenderMode, u"render mode", [this] {
    // Faces of every graph on or off together, following the first.
    if (graphs_.empty()) return;
    const bool faces = !graphs_[0].show_faces;
    for (std::size_t i = 0; i < graphs_.size(); ++i) graphs_[i].show_faces = faces;
  });
  graph_axis_ = &toolbar_.Add(ui::Icon::kGraphAxis, u"graph axis",
                              [this] { view_.axes.mode = view_.axes.mode == 1 ? 0 : 1; });
  play_ = &toolbar_.Add(ui::Icon::kPlay, u"play", [this] { TimeControl(0); });
  toolbar_.Add(ui::Icon::kRewind, u"rewind", [this] { TimeControl(1); });
  toolbar_.Add(ui::Icon::kSlower, u"slower", [this] { TimeControl(2); });
  toolbar_.Add(ui::Icon::kFaster, u"faster", [this] { TimeControl(3); });
  toolbar_.Add(ui::Icon::kClose, u"close", [this] { ClosePlot(); });
}

void Grapher3D::TimeControl(int which) {
  TimeState& time = view_.time;
  switch (which) {
    case 0: time.playing = !time.playing; break;
    case 1:
      time.Rewind();
      RecomputeMeshes();
      break;
    case 2: time.Slower(); break;
    default: time.Faster(); break;
  }
}

void Grapher3D::BuildDisplay() {
  const char16_t* axes[3] = {u"X-Axis", u"Y-Axis", u"Z-Axis"};
  for (std::size_t i = 0; i < 3; ++i) {
    display_.AddCheck(
        axes[i], [this, i] { return view_.axes.show[i]; },
        [this, i](bool on) { view_.axes.show[i] = on; });
    display_.SameRow();
    display_.AddColour(u"", &view_.axes.colours[i]);
  }
  display_.AddCheck(u"Label Axis", &view_.axes.labels);
  display_.AddChoice(
      u"Axis Mode", {u"None", u"Lines"}, [this] { return view_.axes.mode == 1 ? 1 : 0; },
      [this](int i) { view_.axes.mode = i; });
  display_.AddChoice(
      u"Shading Mode", {u"Flat", u"Smooth"},
      [this] { return view_.shade == render3d::ShadeModel::kSmooth ? 1 : 0; },
      [this](int i) {
        view_.shade = i == 1 ? render3d::ShadeModel::kSmooth : render3d::ShadeModel::kFlat;
      });
  display_.AddCheck(u"Lighting", &view_.lighting);
  display_.AddColour(u"Background", &background_);
  display_.AddCheck(u"Single Plot", &single_plot_);
  display_.AddButton(u"Default", [this] {
    DefaultLook(view_, background_);
    display_.Refresh();
  });
  display_.SameRow();
  display_.AddButton(u"Bright", [this] {
    BrightLook(view_, background_);
    display_.Refresh();
  });
}

std::span<Graph3D* const> Grapher3D::GraphPointers() {
  const std::size_t count = std::min(graphs_.size(), pointers_.size());
  for (std::size_t i = 0; i < count; ++i) pointers_[i] = &graphs_[i];
  return std::span<Graph3D* const>(pointers_.data(), count);
}

void Grapher3D::RecomputeMeshes() {
  for (Graph3D* g : GraphPointers()) {
    if (g->visible) render3d::ComputeMesh(*g, window_, view_.time.t);
  }
}

bool Grapher3D::CompileGraph(Graph3D& graph, int number) {
  const engine::VariableStore* variables = Variables();
  if (graph.kind() == Graph3DKind::kParametric) {
    auto& p = static_cast<ParametricSurface&>(graph);
    if (p.SetExpressions(std::u16string(p.expression_text), std::u16string(p.y_text),
                         std::u16string(p.z_text))) {
      return true;
    }
    const CompiledExpr* failed[3] = {&p.expression, &p.y_expression, &p.z_expression};
    const int index = std::clamp(p.failing_index(), 0, 2);
    Tell(GraphFailureMessage(graph.KindName(), number, failed[index]->ErrorText()));
    return false;
  }
  const std::u16string text = graph.expression_text;
  if (!graph.SetExpression(text)) {
    graph.compiled = CompileWithSymbolicCalls(graph.expression, text, variables);
    graph.uses_time = graph.compiled && graph.expression.uses_time();
    graph.expression_text = text;
  }
  if (graph.compiled) return true;
  Tell(GraphFailureMessage(graph.KindName(), number, graph.expression.ErrorText()));
  return false;
}

bool Grapher3D::Prepare() {
  const ui::ProgramSettings& s = ui::Settings();
  GraphEvaluation().angle_mode =
      s.always_graph_in_radians || s.angle_mode != 1 ? AngleMode::kRadians : AngleMode::kDegrees;
  bool uses_time = false;
  for (std::size_t i = 0; i < graphs_.size(); ++i) {
    Graph3D& g = graphs_[i];
    if (single_plot_) g.visible = static_cast<int>(i) == graphs_.selected();
    if (!g.visible) continue;
    const int number = static_cast<int>(i) + 1;
    if (!CompileGraph(g, number)) return false;
    const std::u16string failure = ApplySurfaceWindow(g, number, Variables());
    if (!failure.empty()) {
      Tell(failure);
      return false;
    }
    uses_time = uses_time || g.uses_time;
  }
  view_.time.Adopt(time_settings_);
  view_.time.playing = uses_time;
  RecomputeMeshes();
  return true;
}

void Grapher3D::LayOutPlot(const draw::Rect& plot_area) {
  view_.viewport_width = plot_area.Width();
  view_.viewport_height = plot_area.Height();
}

void Grapher3D::DrawPlot(draw::Surface& surface) {
  // The window bar tints its texts: the font with white glyphs takes the tint.
  const ui::TextRenderer* font = ui::Ui().white_font ? ui::Ui().white_font : ui::CurrentFont();
  painter_.Paint(surface, PlotArea(), view_, GraphPointers(), window_,
                 font ? font->Font() : nullptr, background_);
}

void Grapher3D::PlotDown(ui::Point p) { view_.PenDown(p.x, p.y, window_); }

void Grapher3D::PlotMove(ui::Point p) {
  if (view_.PenMove(p.x, p.y, window_)) RecomputeMeshes();
}

void Grapher3D::PlotUp(ui::Point) { view_.PenUp(); }

void Grapher3D::UpdateToolbar() {
  const StylusMode modes[4] = {StylusMode::kRotate, StylusMode::kMove, StylusMode::kDepthMove,
                               StylusMode::kWindowZoom};
  for (int i = 0; i < 4; ++i) mode_buttons_[i]->SetChecked(view_.mode == modes[i]);
  play_->SetIcon(view_.time.playing ? ui::Icon::kPause : ui::Icon::kPlay);
  render_mode_->SetChecked(!graphs_.empty() && graphs_[0].show_faces);
  graph_axis_->SetChecked(view_.axes.mode == 1);
}

void Grapher3D::WriteState(ui::JsonWriter& json) const {
  json.Key("mode").String(render3d::StylusModeName(view_.mode));
  json.Key("rotation").BeginArray();
  for (float a : view_.rotation) json.Number(a);
  json.EndArray();
  json.Key("translation").BeginArray();
  for (float v : view_.translation) json.Number(v);
  json.EndArray();
  json.Key("t").Number(view_.time.t);
  json.Key("playing").Bool(view_.time.playing);
  json.Key("window");
  WriteWindowJson(window_, json);
  json.Key("selected").Integer(graphs_.selected());
  json.Key("graphs").BeginArray();
  for (std::size_t i = 0; i < graphs_.size(); ++i) {
    const Graph3D& g = graphs_[i];
    json.BeginObject();
    json.Key("kind").Text(g.KindName());
    json.Key("texts").BeginArray();
    json.Text(g.expression_text);
    if (g.kind() == Graph3DKind::kParametric) {
      const auto& p = static_cast<const ParametricSurface&>(g);
      json.Text(p.y_text).Text(p.z_text);
    }
    if (g.kind() != Graph3DKind::kFunction) {
      json.Text(g.u_range.minimum_text).Text(g.u_range.maximum_text);
    }
    json.Text(g.u_range.count_text);
    if (g.kind() != Graph3DKind::kFunction) {
      json.Text(g.v_range.minimum_text).Text(g.v_range.maximum_text);
    }
    json.Text(g.v_range.count_text);
    json.EndArray();
    json.Key("visible").Bool(g.visible);
    json.Key("colour").Integer(g.scheme_colours[0]);
    const render3d::MeshCounts counts = render3d::CountMesh(g.mesh);
    json.Key("vertices").Integer(counts.vertices);
    json.Key("valid").Integer(counts.valid);
    json.Key("triangles").Integer(counts.triangles);
    json.Key("lines").Integer(counts.lines);
    json.Key("error");
    if (g.compiled || g.expression_text.empty()) {
      json.Null();
    } else {
      json.Integer(g.expression.error_code());
    }
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace zentrix::graphing::screens
