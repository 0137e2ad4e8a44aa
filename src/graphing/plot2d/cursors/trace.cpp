#include "graphing/plot2d/cursors/trace.h"

#include "graphing/model/curve_graph.h"

namespace zentrix::graphing {
namespace {

constexpr int kCrosshairArm = 5;

}  // namespace

void TraceAt(Graph2D& graph, int graph_index, const PlotViewport& viewport, int pen_column,
             double t, TraceState& trace) {
  trace.graph = graph_index;
  trace.pen_column = pen_column;
  trace.visible = false;
  trace.has_parameter = false;
  const int column = pen_column - viewport.left;
  double first, second;
  if (graph.kind() == Graph2DKind::kParametric || graph.kind() == Graph2DKind::kPolar) {
    const auto& curve = static_cast<const CurveGraph&>(graph);
    const SamplingRange& range = curve.parameter;
    trace.parameter = range.minimum + (static_cast<double>(column) / viewport.width) *
                                          (range.maximum - range.minimum);
    trace.has_parameter = true;
    first = trace.parameter;
  } else {
    first = viewport.ColumnToX(column);
  }
  if (!graph.EvaluateAt(first, second, t)) return;
  trace.x = first;
  trace.y = second;
  trace.pixel = viewport.ToPixel(first, second);
  trace.visible = true;
}

void DrawCrosshair(draw::Surface& surface, const TraceState& trace, Colour colour) {
  const PlotPoint p = trace.pixel;
  surface.DrawLine(p.column, p.row - kCrosshairArm, p.column, p.row + kCrosshairArm, colour);
  surface.DrawLine(p.column - kCrosshairArm, p.row, p.column + kCrosshairArm, p.row, colour);
}

}  // namespace zentrix::graphing
