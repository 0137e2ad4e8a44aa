#include "graphing/plot2d/curves/point_runs.h"

#include "graphing/model/function_graph.h"

namespace zentrix::graphing {

PointRuns RunsOf(const Graph2D& graph, std::span<const std::uint8_t> breaks) {
  PointRuns runs{std::span(graph.points(), graph.point_count()), {}, breaks};
  if (graph.kind() == Graph2DKind::kFunction) {
    const auto& function = static_cast<const FunctionGraph&>(graph);
    if (function.list_count() > 0) runs.run_starts = function.list_offsets();
  }
  return runs;
}

}  // namespace zentrix::graphing
