// The Graph2D.dat format: one record per graph after the graph count.

#include <algorithm>

#include "graphing/files/graph_set_files.h"
#include "graphing/files/record_fields.h"
#include "graphing/model/stat_plots.h"

namespace zentrix::graphing::files {
namespace {

constexpr int kReservedStatInts = 5;
constexpr int kReservedTailInts = 2;
constexpr int kLastRegressionModel = 10;

bool ValidKind(int code) {
  return (code >= 0 && code <= kLastEquationKind && code != 3) || (code >= 4 && code <= 7);
}

bool StyleField(GraphStream& stream, GraphStyle& style) {
  int code = static_cast<int>(style);
  CheckedInt(stream, code, [](int v) { return v >= 0 && v <= 4; });
  style = static_cast<GraphStyle>(code);
  return stream.ok();
}

// The first of the two flags: "Connect" where the kind has it, else unused.
bool* FirstStatFlag(StatPlot& plot) {
  if (auto* scatter = dynamic_cast<ScatterPlot*>(&plot)) return &scatter->connect;
  if (auto* normal = dynamic_cast<NormalProbabilityPlot*>(&plot)) return &normal->connect;
  return nullptr;
}

// The data table in the grid's own form. A grid that refuses what it reads
// (impossible counts) marks the stream failed.
bool DataTableField(GraphStream& stream, DataTable& table) {
  if (!stream.reading()) {
    table.grid.Save(stream, table.title);
  } else if (!table.grid.Load(stream, &table.title)) {
    stream.MarkFailed();
  }
  return stream.ok();
}

void ScatterFields(GraphStream& stream, ScatterPlot& plot) {
  ColourField(stream, plot.regression_curve.colour);
  StyleField(stream, plot.regression_curve.style);
  CheckedInt(stream, plot.regression_model,
             [](int v) { return v >= -1 && v <= kLastRegressionModel; });
  if (stream.reading()) plot.show_regression = plot.regression_model >= 0;
}

void StatPlotRecord(GraphStream& stream, StatPlot& plot, DataTable& table) {
  stream.Text(plot.data_text);
  stream.Text(plot.frequency_text);
  bool unused_flag = false;
  bool* first = FirstStatFlag(plot);
  stream.Bool(first ? *first : unused_flag);
  stream.Bool(plot.use_frequency);
  ColourField(stream, plot.second_colour);
  DataTableField(stream, table);
  stream.ReservedInts(kReservedStatInts);
  if (auto* scatter = dynamic_cast<ScatterPlot*>(&plot)) ScatterFields(stream, *scatter);
  if (auto* box = dynamic_cast<BoxPlot*>(&plot)) stream.Bool(box->modified);
  if (auto* normal = dynamic_cast<NormalProbabilityPlot*>(&plot)) stream.Int(normal->data_axis);
  if (plot.kind() != Graph2DKind::kHistogram) stream.ReservedInts(kReservedTailInts);
}

// Everything of a graph after its kind code.
void GraphRecord(GraphStream& stream, Graph2D& graph, DataTable& table) {
  stream.Bool(graph.enabled);
  ColourField(stream, graph.colour);
  StyleField(stream, graph.style);
  if (graph.is_statistical()) {
    StatPlotRecord(stream, static_cast<StatPlot&>(graph), table);
  } else {
    EditorRowField(stream, EditorRowOf(graph));
  }
}

LoadStatus ReadGraphs(GraphStream& stream, GraphSet2D& graphs, DataTable& table) {
  int count = 0;
  if (!stream.Int(count) || count < 0) return LoadStatus::kDamaged;
  graphs.Clear();
  const int readable = std::min<int>(count, static_cast<int>(kMaxGraphs));
  for (int i = 0; i < readable; ++i) {
    int kind = -1;
    if (!stream.Int(kind)) return LoadStatus::kDamaged;
    if (!ValidKind(kind)) return LoadStatus::kDamaged;
    std::unique_ptr<Graph2D> graph = MakeGraph2D(static_cast<Graph2DKind>(kind), graphs.size());
    GraphRecord(stream, *graph, table);
    graphs.Append(std::move(graph));
    if (!stream.ok()) return LoadStatus::kDamaged;
  }
  return count > readable ? LoadStatus::kDamaged : LoadStatus::kLoaded;
}

}  // namespace

LoadStatus ExchangeGraphSet2D(GraphStream& stream, GraphSet2D& graphs, DataTable& table) {
  if (stream.reading()) return ReadGraphs(stream, graphs, table);
  int count = static_cast<int>(graphs.size());
  stream.Int(count);
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    int kind = static_cast<int>(graphs[i].kind());
    stream.Int(kind);
    GraphRecord(stream, graphs[i], table);
  }
  return LoadStatus::kLoaded;
}

}  // namespace zentrix::graphing::files
