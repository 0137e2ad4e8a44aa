#pragma once
// "Hide Jumps": finds where a Function graph is discontinuous between two consecutive samples,
// so that the Line style does not join them with a false vertical run (tan(x), 1/(x−1)).

#include <cstdint>
#include <vector>

#include "graphing/model/function_graph.h"

namespace zentrix::graphing {

// Sets breaks[i] (sized to the point count) for each point i that must not be joined to point
// i + 1: the next point is not in the next column (a sample between failed), or the rows
// differ by more than a few pixels and bisecting the column shows a jump. The bisection
// evaluates the midpoint: a value that fails or lies outside the two ends means a pole;
// otherwise the half holding the larger change is bisected once more, and a quarter column
// that still holds nearly all of the change means a step. Costs nothing for columns that
// change by a few pixels only.
void FindJumps(FunctionGraph& graph, const PlotViewport& viewport, double t,
               std::vector<std::uint8_t>& breaks);

}  // namespace zentrix::graphing
