#include "graphing/plot2d/curves/stat_plot_drawing.h"

#include <algorithm>
#include <cmath>

#include "graphing/stats/stat_plot_data.h"

namespace zentrix::graphing {
namespace {

// Box bands: height and top margin in pixels on a single-resolution screen.
constexpr int kBoxBand = 20;
constexpr int kBoxMargin = 4;

void DrawMark(draw::Surface& surface, PlotPoint p, Colour colour) {
  const int half = kStatMarkSize / 2;
  const int l = p.column - half, t = p.row - half, r = p.column + half, b = p.row + half;
  surface.DrawLine(l, t, r, t, colour);
  surface.DrawLine(l, b, r, b, colour);
  surface.DrawLine(l, t, l, b, colour);
  surface.DrawLine(r, t, r, b, colour);
}

void OutlineRect(draw::Surface& surface, int l, int t, int r, int b, Colour colour) {
  surface.DrawLine(l, t, r, t, colour);
  surface.DrawLine(l, b, r, b, colour);
  surface.DrawLine(l, t, l, b, colour);
  surface.DrawLine(r, t, r, b, colour);
}

void FillBetween(draw::Surface& surface, int l, int t, int r, int b, Colour colour) {
  const draw::Rect rect{std::min(l, r), std::min(t, b), std::max(l, r) + 1, std::max(t, b) + 1};
  surface.FillRect(&rect, colour);
}

}  // namespace

void DrawScatterPlot(draw::Surface& surface, const ScatterPlot& plot, const CurveFrame& frame) {
  const FunctionGraph& curve = plot.regression_curve;
  if (plot.show_regression && curve.compiled) {
    DrawCurve(surface, RunsOf(curve), GraphStyle::kLine, true, curve.colour, frame);
  }
  const PlotPoint* points = plot.points();
  const std::size_t count = std::min(plot.point_count(), plot.data().size());
  // A pair holding NaN or an infinity has no place on the plot (its pixel would be made up).
  auto plotted = [&](std::size_t i) {
    return std::isfinite(plot.data()[i]) && std::isfinite(plot.frequencies()[i]);
  };
  const bool line_style = plot.style == GraphStyle::kDotted;  // the "Line" choice
  if (plot.connect || line_style) {
    const Colour colour = line_style ? plot.colour : plot.second_colour;
    for (std::size_t i = 0; i + 1 < count; ++i) {
      if (!plotted(i) || !plotted(i + 1)) continue;
      surface.DrawLine(points[i].column, points[i].row, points[i + 1].column, points[i + 1].row,
                       colour);
    }
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (plotted(i)) DrawMark(surface, points[i], plot.colour);
  }
}

void DrawHistogram(draw::Surface& surface, const HistogramPlot& plot,
                   const PlotViewport& viewport) {
  const auto* stats = StatisticsOf<HistogramStatistics>(plot);
  if (!stats || stats->error_code != kStatOk) return;
  const WeightedValues& bars = stats->bars;
  for (std::size_t i = 0; i < bars.values.size(); ++i) {
    const PlotPoint top_left = viewport.ToPixel(bars.values[i], bars.counts[i]);
    const PlotPoint bottom_right = viewport.ToPixel(bars.values[i] + 1, 0);
    if (plot.style != GraphStyle::kDotted) {  // "Bar" draws outlines only
      FillBetween(surface, top_left.column, top_left.row, bottom_right.column, bottom_right.row,
                  plot.second_colour);
    }
    if (plot.outline) {
      OutlineRect(surface, top_left.column, top_left.row, bottom_right.column, bottom_right.row,
                  plot.colour);
    }
  }
}

void DrawBoxPlot(draw::Surface& surface, const BoxPlot& plot, int index,
                 const PlotViewport& viewport, bool double_resolution) {
  const auto* stats = StatisticsOf<BoxPlotStatistics>(plot);
  if (!stats || !stats->has_data) return;
  const BoxStatistics& box = stats->box;
  const int scale = double_resolution ? 2 : 1;
  const int top = viewport.top + scale * (kBoxMargin + index * kBoxBand);
  const int bottom = top + scale * (kBoxBand - 2 * kBoxMargin);
  const int middle = (top + bottom) / 2;
  auto column = [&](double x) { return viewport.ToPixel(x, 0).column; };

  const int q1 = column(box.q1), q3 = column(box.q3);
  const int variant = static_cast<int>(plot.style);  // 0 Box, 1 Fill Box, 2 Line, 3 Fill
  if (variant == 1 || variant == 3) FillBetween(surface, q1, top, q3, bottom, plot.second_colour);
  if (variant != 2 && variant != 3) OutlineRect(surface, q1, top, q3, bottom, plot.colour);
  const int median = column(box.median);
  surface.DrawLine(median, top, median, bottom, plot.colour);
  if (variant == 2) {
    surface.DrawLine(column(box.low_whisker), middle, column(box.high_whisker), middle,
                     plot.colour);
  } else {
    surface.DrawLine(column(box.low_whisker), middle, q1, middle, plot.colour);
    surface.DrawLine(q3, middle, column(box.high_whisker), middle, plot.colour);
  }
  for (double v : box.low_outliers) DrawMark(surface, {column(v), middle}, plot.colour);
  for (double v : box.high_outliers) DrawMark(surface, {column(v), middle}, plot.colour);
}

void DrawNormalProbabilityPlot(draw::Surface& surface, const NormalProbabilityPlot& plot,
                               const PlotViewport& viewport) {
  const auto* stats = StatisticsOf<NormalProbabilityStatistics>(plot);
  if (!stats || stats->sorted.empty()) return;
  const std::size_t n = stats->sorted.size();
  auto point = [&](std::size_t i) {
    return viewport.ToPixel(stats->X(i, plot.data_axis), stats->Y(i, plot.data_axis));
  };
  if (plot.connect) {
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const PlotPoint a = point(i), b = point(i + 1);
      surface.DrawLine(a.column, a.row, b.column, b.row, plot.second_colour);
    }
  }
  for (std::size_t i = 0; i < n; ++i) DrawMark(surface, point(i), plot.colour);
}

}  // namespace zentrix::graphing
