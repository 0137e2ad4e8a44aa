#pragma once
// The 2D view's part of the automation state dump: the stylus mode, T and playing, the
// window, the graphs with their point counts, errors and regressions, the feature counts,
// the trace and the selection (its refined point rounded to the four decimals its bar
// shows). The grapher screen adds its own fields (tab, plot, table).

#include "graphing/plot2d/plot_view.h"
#include "ui/core/json_writer.h"

namespace zentrix::graphing {

// Writes the fields into the object the caller has begun.
void WritePlotState(ui::JsonWriter& json, const PlotView2D& view);

}  // namespace zentrix::graphing
