#pragma once
// The frame of the 2D plot: background, grid, axes, side-ticks and axis numbers.

#include <string>

#include "draw/surface.h"
#include "graphing/model/grid_step.h"
#include "graphing/model/plot_viewport.h"
#include "graphing/plot2d/view_settings.h"
#include "ui/text/text_renderer.h"

namespace zentrix::graphing {

struct PlotFrame {
  const PlotViewport& viewport;
  const GridAxis& x_grid;
  const GridAxis& y_grid;
  const PlotDisplay& display;
};

// Fills the plot area with the background colour (when background fill is on).
void DrawBackground(draw::Surface& surface, const PlotFrame& frame);
// Grid lines at every grid value, full plot width or height; the grid arithmetic runs in
// single precision.
void DrawGrid(draw::Surface& surface, const PlotFrame& frame);
// The lines at the origin row and origin column.
void DrawAxes(draw::Surface& surface, const PlotFrame& frame);
// Side-ticks on the bottom and left edges and, with a text renderer that has a font, numbers
// at every Number Interval-th grid value other than 0 (`scratch` holds each number's text).
void DrawSideTicksAndNumbers(draw::Surface& surface, const PlotFrame& frame, ui::TextRenderer* text,
                             std::u16string& scratch);

}  // namespace zentrix::graphing
