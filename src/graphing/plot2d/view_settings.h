#pragma once
// The display options of the 2D view: what is drawn besides the graphs, in which colours, and
// which analysis overlays are on.

#include "graphing/model/colours.h"

namespace zentrix::graphing {

enum class StylusMode : int { kMoving = 1, kZooming = 2, kTracing = 3 };

struct PlotDisplay {
  bool grid = true;
  bool side_ticks = true;
  bool numbers = true;
  bool axis = true;
  bool background_fill = true;
  int number_interval = 5;  // numbers at every 5th grid line
  // Do not join two Function samples across a discontinuity (off: every sample is joined).
  bool hide_jumps = false;
  // Double-resolution screens double the analysis circles and the label's second column.
  bool double_resolution = false;
  // Sampling, tracing and refinement take angles in radians whatever the angle mode.
  bool always_radians = false;

  Colour axis_colour = colour::kWhite;
  Colour grid_colour = colour::kDarkGrey;
  Colour side_tick_colour = colour::kWhite;
  Colour number_colour = colour::kWhite;
  Colour tracer_colour = colour::kWhite;
  Colour zeros_colour = colour::kWhite;
  Colour maxima_colour = colour::kWhite;
  Colour minima_colour = colour::kWhite;
  Colour intersections_colour = colour::kWhite;
  Colour background_colour = colour::kBlack;

  bool zeros = false;
  bool maxima = false;
  bool minima = false;
  bool intersections = false;
};

}  // namespace zentrix::graphing
