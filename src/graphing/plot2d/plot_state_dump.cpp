#include "graphing/plot2d/plot_state_dump.h"

#include <cmath>

#include "graphing/model/parametric_graph.h"
#include "graphing/stats/stat_plot_data.h"

namespace zentrix::graphing {
namespace {

std::string_view ModeWord(StylusMode mode) {
  switch (mode) {
    case StylusMode::kMoving: return "moving";
    case StylusMode::kZooming: return "zooming";
    case StylusMode::kTracing: break;
  }
  return "tracing";
}

std::string_view FeatureWord(FeatureKind kind) {
  switch (kind) {
    case FeatureKind::kMinimum: return "minimum";
    case FeatureKind::kMaximum: return "maximum";
    case FeatureKind::kZero: return "zero";
    case FeatureKind::kIntersection: break;
  }
  return "intersection";
}

// A refined value as the bar shows it: four decimals, and 0 below 10^-9.
double AsShown(double v) {
  if (std::fabs(v) < 1e-9) return 0.0;
  return std::round(v * 1e4) / 1e4;
}

void WriteTexts(ui::JsonWriter& json, const Graph2D& graph) {
  json.Key("texts").BeginArray();
  if (graph.is_statistical()) {
    const auto& plot = static_cast<const StatPlot&>(graph);
    json.Text(plot.data_text);
    if (!plot.frequency_text.empty()) json.Text(plot.frequency_text);
  } else {
    json.Text(graph.expression_text);
    if (graph.kind() == Graph2DKind::kParametric) {
      json.Text(static_cast<const ParametricGraph&>(graph).y_text);
    }
  }
  json.EndArray();
}

// The error code, or null: compile errors of equations, statistics errors of plots.
void WriteError(ui::JsonWriter& json, const Graph2D& graph) {
  json.Key("error");
  const bool failed = graph.is_statistical() ? graph.ErrorCode() != 0 : !graph.compiled;
  if (failed) {
    json.Integer(graph.ErrorCode());
  } else {
    json.Null();
  }
}

void WriteRegression(ui::JsonWriter& json, const ScatterPlot& plot) {
  const ScatterStatistics* stats = StatisticsOf<ScatterStatistics>(plot);
  if (!stats || stats->fit.model == RegressionModel::kNone) return;
  const RegressionResult& fit = stats->fit;
  json.Key("regression").BeginObject();
  json.Key("model").Text(RegressionModelName(fit.model));
  json.Key("equation").Text(plot.equation_text);
  json.Key("coefficients").BeginArray();
  for (double c : fit.coefficients) json.Number(c);
  json.EndArray();
  json.Key("r_squared").Number(fit.r_squared);
  json.Key("error").Integer(static_cast<int>(fit.error));
  json.EndObject();
}

void WriteGraph(ui::JsonWriter& json, const Graph2D& graph) {
  json.BeginObject();
  json.Key("kind").Text(graph.KindName());
  WriteTexts(json, graph);
  json.Key("enabled").Bool(graph.enabled);
  json.Key("colour").Integer(graph.colour);
  json.Key("style").Integer(static_cast<int>(graph.style));
  json.Key("points").Integer(static_cast<std::int64_t>(graph.point_count()));
  WriteError(json, graph);
  if (graph.kind() == Graph2DKind::kScatter) {
    WriteRegression(json, static_cast<const ScatterPlot&>(graph));
  }
  json.EndObject();
}

}  // namespace

void WritePlotState(ui::JsonWriter& json, const PlotView2D& view) {
  json.Key("mode").String(ModeWord(view.mode));
  json.Key("t").Number(view.time.t);
  json.Key("playing").Bool(view.time.playing);
  const Window2D& w = view.window();
  json.Key("window").BeginObject();
  json.Key("xmin").Number(w.value(Window2D::kXmin));
  json.Key("xmax").Number(w.value(Window2D::kXmax));
  json.Key("ymin").Number(w.value(Window2D::kYmin));
  json.Key("ymax").Number(w.value(Window2D::kYmax));
  json.EndObject();

  json.Key("graphs").BeginArray();
  for (std::size_t i = 0; i < view.graphs().size(); ++i) WriteGraph(json, view.graphs()[i]);
  json.EndArray();

  const FeatureLists& f = view.features();
  json.Key("features").BeginObject();
  json.Key("zeros").Integer(f.Count(FeatureKind::kZero));
  json.Key("maxima").Integer(f.Count(FeatureKind::kMaximum));
  json.Key("minima").Integer(f.Count(FeatureKind::kMinimum));
  json.Key("intersections").Integer(f.Count(FeatureKind::kIntersection));
  json.EndObject();

  const TraceState& trace = view.trace();
  json.Key("trace");
  if (view.mode == StylusMode::kTracing && trace.visible) {
    json.BeginObject();
    json.Key("graph").Integer(trace.graph);
    json.Key("x").Number(trace.x);
    json.Key("y").Number(trace.y);
    if (trace.has_parameter) json.Key("parameter").Number(trace.parameter);
    json.EndObject();
  } else {
    json.Null();
  }

  const FeatureSelection& s = view.selection();
  json.Key("selection");
  if (s.visible) {
    json.BeginObject();
    json.Key("kind").String(FeatureWord(s.kind));
    json.Key("x").Number(AsShown(s.x));
    json.Key("y").Number(AsShown(s.y));
    json.EndObject();
  } else {
    json.Null();
  }
}

}  // namespace zentrix::graphing
