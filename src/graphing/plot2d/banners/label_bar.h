#pragma once
// The bar across the top of the plot that labels the trace point or the selected feature.

#include "draw/surface.h"
#include "graphing/model/plot_viewport.h"
#include "graphing/plot2d/cursors/trace.h"
#include "graphing/plot2d/features/analysis_overlay.h"
#include "ui/text/text_renderer.h"

namespace zentrix::graphing {

inline constexpr Colour kLabelBarColour = 0xC8C8C8;
// Column of the "y=" label on a single-resolution screen (doubled on double resolution).
inline constexpr int kLabelSecondColumn = 125;

// `scratch` holds each label's text, so that drawing allocates nothing once it has grown.
// The trace values with nine decimals: "x=" 5 pixels in and "y=" at the second column, under a
// first line with the parameter ("u=" or θ"=") for Parametric and Polar graphs.
void DrawTraceLabel(draw::Surface& surface, const PlotViewport& viewport, const TraceState& trace,
                    Graph2DKind kind, ui::TextRenderer& text, bool double_resolution,
                    std::u16string& scratch);
// The refined feature with four decimals (magnitudes below 1e-9 shown as 0).
void DrawSelectionLabel(draw::Surface& surface, const PlotViewport& viewport,
                        const FeatureSelection& selection, ui::TextRenderer& text,
                        bool double_resolution, std::u16string& scratch);

}  // namespace zentrix::graphing
