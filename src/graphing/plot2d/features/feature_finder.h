#pragma once
// Minima, maxima, zeros and intersections located on a Function graph's pixel points, cheap
// enough for every frame of an animation. Rows grow downward, so a smaller row is a larger y.

#include <cstdint>
#include <span>
#include <vector>

#include "graphing/model/plot_viewport.h"

namespace zentrix::graphing {

// Appends the marked points of one run of points (a single function, or one sub-function of
// a list) to `out`; `out` keeps its capacity between frames.
void FindMinima(std::span<const PlotPoint> run, std::vector<PlotPoint>& out);
void FindMaxima(std::span<const PlotPoint> run, std::vector<PlotPoint>& out);
// A run of points on the origin row marks its middle column; a step that crosses the origin
// row from one side to the other marks the later point (on the origin row), unless
// `breaks[i]` marks the step from point i as a jump (Hide Jumps: a pole is not a zero).
void FindZeros(std::span<const PlotPoint> run, int origin_row, std::vector<PlotPoint>& out,
               std::span<const std::uint8_t> breaks = {});
// Points of two graphs are compared column by column: equal rows mark the point and skip the
// next column; otherwise a point of one graph lying strictly between the other's rows at the
// previous and this column marks it; failing both, graphs that swapped sides between the two
// columns mark the first graph's point (rows that touch at an end would otherwise hide the
// crossing). Columns that only one graph has (a failed sample) are passed over, so the graphs
// stay aligned.
void FindIntersections(std::span<const PlotPoint> a, std::span<const PlotPoint> b,
                       std::vector<PlotPoint>& out);

}  // namespace zentrix::graphing
