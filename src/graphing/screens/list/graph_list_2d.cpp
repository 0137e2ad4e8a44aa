#include "graphing/screens/list/graph_list_2d.h"

#include <string>

#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/stat_plots.h"
#include "graphing/screens/list/data_lists.h"
#include "graphing/stats/regression_model.h"

namespace zentrix::graphing::screens {
namespace {

constexpr char16_t kTheta = 229;

std::u16string Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string WithTheta(std::u16string_view tail) {
  std::u16string text(1, kTheta);
  text.append(tail);
  return text;
}

// The style field as a choice index, and back (statistical plots keep their
// drawing variant in it).
std::function<int()> StyleOf(Graph2D& g) {
  return [&g] { return static_cast<int>(g.style); };
}
std::function<void(int)> SetStyle(Graph2D& g) {
  return [&g](int i) { g.style = static_cast<GraphStyle>(i); };
}

}  // namespace

ui::Icon GraphList2D::IconOf(int index) const {
  switch (graphs_[Index(index)].kind()) {
    case Graph2DKind::kParametric: return ui::Icon::kParametric;
    case Graph2DKind::kPolar: return ui::Icon::kPolar;
    case Graph2DKind::kScatter: return ui::Icon::kScatter;
    case Graph2DKind::kHistogram: return ui::Icon::kHistogram;
    case Graph2DKind::kBox: return ui::Icon::kBoxPlot;
    case Graph2DKind::kNormalProbability: return ui::Icon::kNormalProbability;
    default: return ui::Icon::kFunction;
  }
}

std::vector<RowField> GraphList2D::FieldsOf(int index) {
  Graph2D& g = graphs_[Index(index)];
  switch (g.kind()) {
    case Graph2DKind::kFunction: return {{u"y=", &g.expression_text}};
    case Graph2DKind::kParametric:
      return {{u"x=", &g.expression_text}, {u"y=", &static_cast<ParametricGraph&>(g).y_text}};
    case Graph2DKind::kPolar: return {{u"r=", &g.expression_text}};
    default: return {};
  }
}

std::u16string GraphList2D::SummaryOf(int index) const {
  const Graph2D& g = graphs_[Index(index)];
  if (!g.is_statistical()) return {};
  const auto& plot = static_cast<const StatPlot&>(g);
  std::u16string text(g.KindName());
  text += u": ";
  text += plot.data_text.empty() ? u"-" : plot.data_text;
  if (!plot.frequency_text.empty()) text += u", " + plot.frequency_text;
  return text;
}

std::u16string GraphList2D::TitleOf(int index) const {
  return std::u16string(graphs_[Index(index)].KindName()) + u" #" + Number(Index(index) + 1);
}

std::vector<std::u16string> GraphList2D::KindItems() const {
  std::vector<std::u16string> items;
  for (Graph2DKind kind : kKindMenu2D) {
    items.emplace_back(MakeGraph2D(kind, 0)->KindName());
  }
  return items;
}

bool GraphList2D::Create(int item) {
  if (item < 0 || item >= static_cast<int>(std::size(kKindMenu2D))) return false;
  const Graph2DKind kind = kKindMenu2D[item];
  const CreateResult result = graphs_.Create(kind);
  if (!result.ok) {
    if (tell_) tell_(std::u16string(result.message));
    return false;
  }
  Graph2D& g = graphs_[graphs_.size() - 1];
  if (g.is_statistical()) {
    // A new plot reads the first columns of the data table.
    auto& plot = static_cast<StatPlot&>(g);
    plot.data_text = ListOfColumn(0);
    if (kind == Graph2DKind::kScatter) plot.frequency_text = ListOfColumn(1);
    plot.data_changed = true;
  }
  return true;
}

std::vector<std::u16string> GraphList2D::Columns() const {
  std::vector<std::u16string> items;
  for (int c = 0; c < data_.ColumnCount(); ++c) items.push_back(ListOfColumn(c));
  return items;
}

void GraphList2D::AddListChoice(SettingsForm& form, std::u16string label, std::u16string* text) {
  form.AddChoice(
      std::move(label), Columns(), [text] { return ColumnOfList(*text); },
      [text](int column) { *text = ListOfColumn(column); });
}

void GraphList2D::BuildEditor(int index, SettingsForm& form) {
  Graph2D& g = graphs_[Index(index)];
  form.AddCheck(u"Plot", &g.enabled);
  switch (g.kind()) {
    case Graph2DKind::kFunction: form.AddField(u"y=", &g.expression_text); break;
    case Graph2DKind::kParametric:
    case Graph2DKind::kPolar: {
      auto& curve = static_cast<CurveGraph&>(g);
      const bool polar = g.kind() == Graph2DKind::kPolar;
      if (polar) {
        form.AddField(u"r=", &g.expression_text);
      } else {
        form.AddField(u"x=", &g.expression_text);
        form.AddField(u"y=", &static_cast<ParametricGraph&>(g).y_text);
      }
      form.AddField(polar ? WithTheta(u"min=") : u"umin=", &curve.parameter.minimum_text);
      form.SameRow();
      form.AddField(polar ? WithTheta(u"max=") : u"umax=", &curve.parameter.maximum_text);
      form.AddField(u"Steps=", &curve.parameter.count_text);
      break;
    }
    default: break;
  }
  if (!g.is_statistical()) {
    form.AddChoice(u"Style", {u"Dotted", u"Line", u"Bottom Shade", u"Top Shade", u"Origin Shade"},
                   StyleOf(g), SetStyle(g));
    form.AddColour(u"Color", &g.colour);
    return;
  }

  auto& plot = static_cast<StatPlot&>(g);
  const auto changed = [&plot] { plot.data_changed = true; };
  switch (g.kind()) {
    case Graph2DKind::kScatter: {
      auto& scatter = static_cast<ScatterPlot&>(g);
      AddListChoice(form, u"X", &plot.data_text);
      form.SameRow();
      AddListChoice(form, u"Y", &plot.frequency_text);
      form.AddCheck(u"Connect", &scatter.connect);
      // "Point" is style 1 (a new plot's), "Line" style 0.
      form.AddChoice(
          u"Draw", {u"Point", u"Line"}, [&g] { return g.style == GraphStyle::kDotted ? 1 : 0; },
          [&g](int i) { g.style = i == 1 ? GraphStyle::kDotted : GraphStyle::kLine; });
      std::vector<std::u16string> models{u"None"};
      for (int m = 0; m < kRegressionModelCount; ++m) {
        models.emplace_back(RegressionModelName(RegressionModelFromIndex(m)));
      }
      form.AddChoice(
          u"Regression", std::move(models), [&scatter] { return scatter.regression_model + 1; },
          [&scatter, changed](int i) {
            scatter.regression_model = i - 1;
            scatter.show_regression = i > 0;
            changed();
          });
      if (!scatter.equation_text.empty()) form.AddLabel(u"y = " + scatter.equation_text);
      form.AddColour(u"Color", &g.colour);
      form.AddColour(u"Connect Color", &plot.second_colour);
      return;
    }
    case Graph2DKind::kHistogram:
    case Graph2DKind::kBox: {
      const bool frequencies = !plot.frequency_text.empty();
      form.AddCheck(
          u"Use Frequency List", [&plot] { return !plot.frequency_text.empty(); },
          [&plot, changed](bool on) {
            plot.frequency_text = on ? ListOfColumn(ColumnOfList(plot.data_text) + 1) : u"";
            if (!on) plot.SetFrequencies({});
            changed();
          });
      AddListChoice(form, frequencies ? u"Data" : u"Values", &plot.data_text);
      if (frequencies) AddListChoice(form, u"Frequency", &plot.frequency_text);
      if (g.kind() == Graph2DKind::kHistogram) {
        form.AddChoice(u"Draw", {u"Bar", u"Fill Bars"}, StyleOf(g), SetStyle(g));
      } else {
        form.AddCheck(u"Modified", &static_cast<BoxPlot&>(g).modified);
        form.AddChoice(u"Draw", {u"Box", u"Fill Box", u"Line", u"Fill"}, StyleOf(g), SetStyle(g));
      }
      break;
    }
    default: {
      auto& normal = static_cast<NormalProbabilityPlot&>(g);
      AddListChoice(form, u"Data", &plot.data_text);
      form.AddCheck(u"Connect", &normal.connect);
      form.AddChoice(
          u"Data Axis", {u"X", u"Y"}, [&normal] { return normal.data_axis == 1 ? 1 : 0; },
          [&normal](int i) { normal.data_axis = i; });
      break;
    }
  }
  form.AddColour(u"Color", &g.colour);
  form.AddColour(g.kind() == Graph2DKind::kNormalProbability ? u"Connect Color" : u"Fill Color",
                 &plot.second_colour);
}

int GraphList2D::EditorShape(int index) const {
  const Graph2D& g = graphs_[Index(index)];
  if (!g.is_statistical()) return 0;
  const auto& plot = static_cast<const StatPlot&>(g);
  int shape = plot.frequency_text.empty() ? 1 : 2;
  if (g.kind() == Graph2DKind::kScatter) {
    shape += static_cast<int>(
                 std::hash<std::u16string>{}(static_cast<const ScatterPlot&>(g).equation_text) %
                 1000003) *
             4;
  }
  return shape + data_.ColumnCount() * 8;
}

}  // namespace zentrix::graphing::screens
