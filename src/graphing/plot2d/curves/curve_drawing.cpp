#include "graphing/plot2d/curves/curve_drawing.h"

namespace zentrix::graphing {
namespace {

void DrawLines(draw::Surface& surface, const PointRuns& runs, bool connect_columns, Colour colour) {
  runs.ForEachRun([&](int first, int last) {
    for (int i = first; i < last; ++i) {
      const PlotPoint p = runs.points[i];
      if (i + 1 == last || runs.Broken(i)) {
        surface.SetPixel(p.column, p.row, colour);
        continue;
      }
      const PlotPoint next = runs.points[i + 1];
      if (!connect_columns) {
        surface.DrawLine(p.column, p.row, next.column, next.row, colour);
      } else if (next.row == p.row) {
        surface.SetPixel(p.column, p.row, colour);
      } else {
        const int end = next.row > p.row ? next.row - 1 : next.row + 1;
        surface.DrawLine(p.column, p.row, p.column, end, colour);
      }
    }
  });
}

void DrawShade(draw::Surface& surface, const PointRuns& runs, int to_row, Colour colour) {
  for (const PlotPoint& p : runs.points)
    surface.DrawLine(p.column, p.row, p.column, to_row, colour);
}

}  // namespace

void DrawCurve(draw::Surface& surface, const PointRuns& runs, GraphStyle style,
               bool connect_columns, Colour colour, const CurveFrame& frame) {
  switch (style) {
    case GraphStyle::kDotted:
      for (const PlotPoint& p : runs.points) surface.SetPixel(p.column, p.row, colour);
      break;
    case GraphStyle::kLine: DrawLines(surface, runs, connect_columns, colour); break;
    case GraphStyle::kBottomShade: DrawShade(surface, runs, frame.bottom_row, colour); break;
    case GraphStyle::kTopShade: DrawShade(surface, runs, 0, colour); break;
    case GraphStyle::kOriginShade: DrawShade(surface, runs, frame.origin_row, colour); break;
  }
}

}  // namespace zentrix::graphing
