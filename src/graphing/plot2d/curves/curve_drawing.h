#pragma once
// Drawing a graph's pixel points in one of the five styles.

#include "draw/surface.h"
#include "graphing/model/graph2d.h"
#include "graphing/plot2d/curves/point_runs.h"

namespace zentrix::graphing {

struct CurveFrame {
  int bottom_row = 0;  // the plot area's bottom row (Bottom Shade)
  int origin_row = 0;  // the x axis (Origin Shade)
};

// Dotted: one pixel per point. Line: with `connect_columns` (Function graphs) a vertical run
// in the point's column from its row to one pixel short of the next point's row (to that row
// itself when both are equal), else a line to the next point; the last point of a run has
// no successor. Bottom, Top and Origin Shade: a vertical line from each point to the bottom
// row, row 0 or the origin row. Clipping is the surface's.
void DrawCurve(draw::Surface& surface, const PointRuns& runs, GraphStyle style,
               bool connect_columns, Colour colour, const CurveFrame& frame);

}  // namespace zentrix::graphing
