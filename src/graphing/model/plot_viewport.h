#pragma once
// The transform from graph units to pixels of the 2D plot area, derived from
// the 2D window (see Window2D) and handed to the sampling passes.

#include <cstdint>

namespace zentrix::graphing {

struct PlotPoint {
  std::int32_t column = 0;
  std::int32_t row = 0;
  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

struct PlotViewport {
  double xmin = -10.0;
  double xmax = 10.0;
  double ymin = -10.0;
  double ymax = 10.0;
  int left = 0;
  int top = 0;
  int width = 100;
  int height = 100;
  double x_scale = 5.0;  // pixels per unit
  double y_scale = 5.0;
  int origin_column = 50;
  int origin_row = 50;

  // The pixel point of (x, y), each coordinate limited to ±2³⁰ so that a far
  // sample still points the right way while the drawing layer clips it.
  PlotPoint ToPixel(double x, double y) const;
  // The x of a pixel column counted from the plot's left edge.
  double ColumnToX(double column) const { return xmin + column * (xmax - xmin) / width; }
};

}  // namespace zentrix::graphing
