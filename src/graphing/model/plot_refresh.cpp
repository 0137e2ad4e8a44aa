#include "graphing/model/plot_refresh.h"

namespace zentrix::graphing {

bool RefreshGraphs(GraphSet2D& set, Window2D& window, TimeState& time) {
  if (!window.Recompute()) return false;
  time.playing = false;
  const PlotViewport& viewport = window.viewport();
  bool uses_time = false;
  for (std::size_t i = 0; i < set.size(); ++i) {
    Graph2D& graph = set[i];
    if (!graph.enabled || !graph.compiled) continue;
    graph.AllocatePoints(viewport.width);
    if (graph.uses_time) {
      uses_time = true;
    } else {
      graph.ComputePoints(viewport, time.t);
    }
  }
  time.playing = uses_time;
  return true;
}

void SampleTimeGraphs(GraphSet2D& set, const PlotViewport& viewport, const TimeState& time) {
  for (std::size_t i = 0; i < set.size(); ++i) {
    Graph2D& graph = set[i];
    if (graph.enabled && graph.compiled && graph.uses_time) graph.ComputePoints(viewport, time.t);
  }
}

}  // namespace zentrix::graphing
