#pragma once
// Drawing the four statistical plot kinds from their statistics.

#include "draw/surface.h"
#include "graphing/model/stat_plots.h"
#include "graphing/plot2d/curves/curve_drawing.h"

namespace zentrix::graphing {

// Size in pixels of the square mark at each Scatter and Normal Probability point.
inline constexpr int kStatMarkSize = 5;

// Scatter: the regression curve when fitted and shown, lines between consecutive points in
// the second colour with Connect (in the plot's colour with the "Line" choice, style 0), then a
// mark at each point in the plot's colour.
void DrawScatterPlot(draw::Surface& surface, const ScatterPlot& plot, const CurveFrame& frame);
// One bar per distinct value, one x unit wide to the right of the value, from the origin row
// up to its count, filled with the second colour ("Fill Bars" style only) and outlined in the
// plot's colour when the outline option is on.
void DrawHistogram(draw::Surface& surface, const HistogramPlot& plot, const PlotViewport& viewport);
// Box plot number `index` among the box plots, in its own band from the top of the plot area:
// whiskers and the box in the plot's colour, the median as a line across the box, outliers of
// the Modified option as marks. The style chooses the box: outlined ("Box"), filled with the
// second colour and outlined ("Fill Box"), absent with the whisker line running through
// ("Line"), or filled alone ("Fill").
void DrawBoxPlot(draw::Surface& surface, const BoxPlot& plot, int index,
                 const PlotViewport& viewport, bool double_resolution);
// Lines between consecutive points in the second colour with Connect, then a mark per point.
void DrawNormalProbabilityPlot(draw::Surface& surface, const NormalProbabilityPlot& plot,
                               const PlotViewport& viewport);

}  // namespace zentrix::graphing
