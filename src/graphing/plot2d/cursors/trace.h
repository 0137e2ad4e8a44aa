#pragma once
// The trace cursor: the point of the traced graph under the pen's column, and its crosshair.

#include "draw/surface.h"
#include "graphing/model/graph2d.h"

namespace zentrix::graphing {

struct TraceState {
  int graph = -1;      // traced graph index, −1 none
  int pen_column = 0;  // the pen's column in screen pixels
  PlotPoint pixel;     // where the crosshair is
  double x = 0;
  double y = 0;
  double parameter = 0;  // u or θ of Parametric and Polar graphs
  bool has_parameter = false;
  bool visible = false;
};

// Evaluates `graph` at the pen's column: Function graphs at the column's x, Parametric and
// Polar graphs at minimum + (column / plot width) · (maximum − minimum). On failure the trace
// is not visible (no crosshair).
void TraceAt(Graph2D& graph, int graph_index, const PlotViewport& viewport, int pen_column,
             double t, TraceState& trace);

// A vertical line from row − 5 to row + 5 and a horizontal one from column − 5 to column + 5.
void DrawCrosshair(draw::Surface& surface, const TraceState& trace, Colour colour);

}  // namespace zentrix::graphing
