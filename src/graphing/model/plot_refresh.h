#pragma once
// What a change of the window, the plot area or the 2D graph set does to the
// graphs: points sized for the plot width, the graphs that do not use T sampled
// at once, and playing started when some graph uses T (those are sampled at
// each frame's T instead).

#include "graphing/model/graph_set.h"
#include "graphing/model/time_settings.h"
#include "graphing/model/window2d.h"

namespace zentrix::graphing {

// Recomputes the window's derived values, stops playing, sizes and samples the
// enabled compiled graphs, and starts playing when one of them uses T.
// Answers false (and leaves the graphs alone) for a window with Xmax ≤ Xmin
// or Ymax ≤ Ymin.
bool RefreshGraphs(GraphSet2D& set, Window2D& window, TimeState& time);

// Samples again, at the time's current T, the enabled graphs that use T; run
// before each frame is drawn while playing.
void SampleTimeGraphs(GraphSet2D& set, const PlotViewport& viewport, const TimeState& time);

}  // namespace zentrix::graphing
