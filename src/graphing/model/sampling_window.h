#pragma once
// Applying the sampling windows of graphs: evaluating their texts, clamping
// the counts (a clamped count is written back into its text), and the
// messages of a window that does not evaluate.

#include <string>
#include <string_view>

#include "engine/core/variable_store.h"
#include "graphing/model/graph3d.h"
#include "graphing/model/sampling_range.h"

namespace zentrix::graphing {

struct RangeApply {
  bool ok = true;
  std::u16string error;  // the engine's message
};

// Evaluates minimum, maximum and count; on a failure nothing changes.
RangeApply ApplySamplingRange(SamplingRange& range, CountLimits limits,
                              const engine::VariableStore* variables);

// "<window> for graph #<n> could not be solved." and the red engine message.
std::u16string WindowFailureMessage(std::u16string_view window, int graph_number,
                                    std::u16string_view error);

// Applies a 3D graph's sampling window: both ranges for Parametric, Spherical
// and Cylindrical surfaces; only the point counts (1 to 100) for Function
// surfaces, whose ranges are the 3D window's. Empty on success, else the
// message for graph number `graph_number`.
std::u16string ApplySurfaceWindow(Graph3D& graph, int graph_number,
                                  const engine::VariableStore* variables);

}  // namespace zentrix::graphing
