#include "graphing/screens/list/graph_list_3d.h"

#include <string>

#include "graphing/model/surfaces.h"

namespace zentrix::graphing::screens {
namespace {

constexpr Graph3DKind kKinds[] = {Graph3DKind::kFunction, Graph3DKind::kParametric,
                                  Graph3DKind::kSpherical, Graph3DKind::kCylindrical};
constexpr char16_t kTheta = 229;
constexpr char16_t kRho = 238;
constexpr char16_t kPhi = 242;
constexpr char16_t kOmega = 245;

constexpr float kLargePoint = 4.0f;
constexpr float kSmallPoint = 2.0f;
constexpr float kThickLine = 2.0f;
constexpr float kThinLine = 1.0f;

std::u16string Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string Named(char16_t variable, std::u16string_view tail) {
  std::u16string text(1, variable);
  text.append(tail);
  return text;
}

// The window fields of one sampling variable: minimum, maximum and points.
void AddRange(SettingsForm& form, char16_t variable, SamplingRange& range) {
  form.AddField(Named(variable, u"min="), &range.minimum_text);
  form.SameRow();
  form.AddField(Named(variable, u"max="), &range.maximum_text);
  form.AddField(Named(variable, u"points="), &range.count_text);
}

}  // namespace

int RenderChoiceOf(const Graph3D& graph) {
  if (!graph.show_faces) return 0;
  return graph.show_lines ? 1 : 2;
}

void ApplyRenderChoice(Graph3D& graph, int choice) {
  graph.show_faces = choice != 0;
  graph.show_lines = choice != 2;
}

ui::Icon GraphList3D::IconOf(int index) const {
  switch (graphs_[Index(index)].kind()) {
    case Graph3DKind::kParametric: return ui::Icon::kParametric3D;
    case Graph3DKind::kSpherical: return ui::Icon::kSpherical;
    case Graph3DKind::kCylindrical: return ui::Icon::kCylindrical;
    default: return ui::Icon::kFunction3D;
  }
}

std::vector<RowField> GraphList3D::FieldsOf(int index) {
  Graph3D& g = graphs_[Index(index)];
  switch (g.kind()) {
    case Graph3DKind::kParametric: {
      auto& p = static_cast<ParametricSurface&>(g);
      return {{u"x=", &g.expression_text}, {u"y=", &p.y_text}, {u"z=", &p.z_text}};
    }
    case Graph3DKind::kSpherical: return {{Named(kRho, u"="), &g.expression_text}};
    case Graph3DKind::kCylindrical: return {{u"r=", &g.expression_text}};
    default: return {{u"z=", &g.expression_text}};
  }
}

std::u16string GraphList3D::TitleOf(int index) const {
  return std::u16string(graphs_[Index(index)].KindName()) + u" #" + Number(Index(index) + 1);
}

std::vector<std::u16string> GraphList3D::KindItems() const {
  std::vector<std::u16string> items;
  for (Graph3DKind kind : kKinds) items.emplace_back(MakeGraph3D(kind, 0)->KindName());
  return items;
}

bool GraphList3D::Create(int item) {
  if (item < 0 || item >= static_cast<int>(std::size(kKinds))) return false;
  const CreateResult result = graphs_.Create(kKinds[item]);
  if (!result.ok && tell_) tell_(std::u16string(result.message));
  return result.ok;
}

void GraphList3D::BuildEditor(int index, SettingsForm& form) {
  Graph3D& g = graphs_[Index(index)];
  form.AddCheck(u"Plot", &g.visible);
  switch (g.kind()) {
    case Graph3DKind::kFunction:
      form.AddField(u"z=", &g.expression_text);
      form.AddField(u"Xpoints=", &g.u_range.count_text);
      form.SameRow();
      form.AddField(u"Ypoints=", &g.v_range.count_text);
      break;
    case Graph3DKind::kParametric: {
      auto& p = static_cast<ParametricSurface&>(g);
      form.AddField(u"x=", &g.expression_text);
      form.AddField(u"y=", &p.y_text);
      form.AddField(u"z=", &p.z_text);
      AddRange(form, u'u', g.u_range);
      AddRange(form, u'v', g.v_range);
      break;
    }
    case Graph3DKind::kSpherical:
      form.AddField(Named(kRho, u"="), &g.expression_text);
      AddRange(form, kTheta, g.u_range);
      AddRange(form, kPhi, g.v_range);
      break;
    default:
      form.AddField(u"r=", &g.expression_text);
      AddRange(form, kTheta, g.u_range);
      AddRange(form, kOmega, g.v_range);
      break;
  }
  form.AddCheck(u"Points", &g.show_points);
  form.SameRow();
  form.AddCheck(u"Lines", &g.show_lines);
  form.SameRow();
  form.AddCheck(u"Solid", &g.show_faces);
  form.AddColour(u"Point Color", &g.point_colour);
  form.SameRow();
  form.AddColour(u"Line Color", &g.line_colour);
  form.AddCheck(
      u"Large Points", [&g] { return g.point_size > kSmallPoint; },
      [&g](bool on) { g.point_size = on ? kLargePoint : kSmallPoint; });
  form.SameRow();
  form.AddCheck(
      u"Thick Lines", [&g] { return g.line_width > kThinLine; },
      [&g](bool on) { g.line_width = on ? kThickLine : kThinLine; });
  form.AddChoice(
      u"Colors", {u"One Color", u"Two Colors", u"Four Colors"},
      [&g] {
        const int scheme = static_cast<int>(g.colour_scheme);
        return scheme == 4 ? 2 : scheme - 1;
      },
      [&g](int i) {
        g.colour_scheme = i == 2 ? ColourScheme::kFourColours : static_cast<ColourScheme>(i + 1);
      });
  const int colours = static_cast<int>(g.colour_scheme);
  for (int c = 0; c < colours && c < 4; ++c) {
    if (c % 2 == 1) form.SameRow();
    form.AddColour(u"Color " + Number(static_cast<std::size_t>(c) + 1),
                   &g.scheme_colours[static_cast<std::size_t>(c)]);
  }
  form.AddChoice(
      u"Render", {u"Wireframe", u"Solid", u"Solid Color"}, [&g] { return RenderChoiceOf(g); },
      [&g](int i) { ApplyRenderChoice(g, i); });
}

int GraphList3D::EditorShape(int index) const {
  const Graph3D& g = graphs_[Index(index)];
  return static_cast<int>(g.colour_scheme) * 4 + RenderChoiceOf(g);
}

}  // namespace zentrix::graphing::screens
