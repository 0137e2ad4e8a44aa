#include "graphing/plot2d/axes/axes_drawing.h"

#include <cmath>

#include "graphing/stats/number_text.h"

namespace zentrix::graphing {
namespace {

constexpr int kXTickLength = 3;
constexpr int kYTickLength = 2;
constexpr int kYNumberInset = 6;

// Walks the grid values of one axis in single precision, giving each value and its pixel
// (column for x, row for y) until the pixel passes the far edge. Stops early when the float
// values stop advancing or overflow (windows far beyond single precision draw no grid).
template <class Visit>
void ForEachGridValue(const GridAxis& grid, float scale, int origin, bool vertical, int limit,
                      int max_lines, Visit visit) {
  const float step = static_cast<float>(grid.step);
  float g = static_cast<float>(grid.first);
  if (!std::isfinite(step) || !(step > 0) || !std::isfinite(g) || !std::isfinite(scale)) return;
  for (int line = 0; line <= max_lines; ++line) {
    const float position =
        vertical ? scale * g + static_cast<float>(origin) : static_cast<float>(origin) - scale * g;
    if (!std::isfinite(position) || std::fabs(position) > 1e9f) return;
    const int pixel = static_cast<int>(position);
    if (vertical ? pixel > limit : pixel < limit) return;
    visit(g, pixel);
    const float next = g + step;
    if (next == g) return;
    g = next;
  }
}

template <class Visit>
void ForEachGridX(const PlotFrame& f, Visit visit) {
  const PlotViewport& v = f.viewport;
  ForEachGridValue(f.x_grid, static_cast<float>(v.x_scale), v.origin_column, true, v.left + v.width,
                   v.width + 2, visit);
}

template <class Visit>
void ForEachGridY(const PlotFrame& f, Visit visit) {
  const PlotViewport& v = f.viewport;
  ForEachGridValue(f.y_grid, static_cast<float>(v.y_scale), v.origin_row, false, v.top,
                   v.height + 2, visit);
}

// g / (interval · step) is a whole number.
bool NumberedGridValue(float g, const GridAxis& grid, int interval) {
  if (g == 0 || interval <= 0) return false;
  const double q = static_cast<double>(g) / (interval * grid.step);
  return std::fabs(q - std::round(q)) < 1e-4;
}

}  // namespace

void DrawBackground(draw::Surface& surface, const PlotFrame& f) {
  if (!f.display.background_fill) return;
  const draw::Rect area =
      draw::Rect::FromSize(f.viewport.left, f.viewport.top, f.viewport.width, f.viewport.height);
  surface.FillRect(&area, f.display.background_colour);
}

void DrawGrid(draw::Surface& surface, const PlotFrame& f) {
  if (!f.display.grid) return;
  const PlotViewport& v = f.viewport;
  const Colour c = f.display.grid_colour;
  ForEachGridX(f, [&](float, int column) {
    surface.DrawLine(column, v.top, column, v.top + v.height - 1, c);
  });
  ForEachGridY(
      f, [&](float, int row) { surface.DrawLine(v.left, row, v.left + v.width - 1, row, c); });
}

void DrawAxes(draw::Surface& surface, const PlotFrame& f) {
  if (!f.display.axis) return;
  const PlotViewport& v = f.viewport;
  const Colour c = f.display.axis_colour;
  surface.DrawLine(v.left, v.origin_row, v.left + v.width - 1, v.origin_row, c);
  surface.DrawLine(v.origin_column, v.top, v.origin_column, v.top + v.height - 1, c);
}

void DrawSideTicksAndNumbers(draw::Surface& surface, const PlotFrame& f, ui::TextRenderer* text,
                             std::u16string& scratch) {
  const PlotViewport& v = f.viewport;
  const PlotDisplay& d = f.display;
  const int bottom = v.top + v.height - 1;
  const bool numbers = d.numbers && text && text->Font() && text->Font()->IsCreated();
  if (numbers) text->SetTarget(&surface);
  const int line = numbers ? text->LineHeight() : 0;
  ForEachGridX(f, [&](float g, int column) {
    if (d.side_ticks) {
      surface.DrawLine(column, bottom, column, bottom - (kXTickLength - 1), d.side_tick_colour);
    }
    if (numbers && NumberedGridValue(g, f.x_grid, d.number_interval)) {
      scratch.clear();
      AppendTrimmed(g, 9, scratch);
      // A number the plot's edge would cut is left out, not drawn in part.
      const int width = text->SingleLineWidth(scratch);
      const int left = column - width / 2;
      if (left < v.left || left + width > v.left + v.width) return;
      text->DrawPlain(scratch, left, bottom - kXTickLength - line,
                      static_cast<std::int32_t>(d.number_colour));
    }
  });
  ForEachGridY(f, [&](float g, int row) {
    if (d.side_ticks) {
      surface.DrawLine(v.left, row, v.left + kYTickLength - 1, row, d.side_tick_colour);
    }
    if (numbers && NumberedGridValue(g, f.y_grid, d.number_interval)) {
      scratch.clear();
      AppendTrimmed(g, 9, scratch);
      // Nor does one run into the x numbers' row along the bottom.
      const int top = row - line / 2;
      if (top < v.top || top + line > bottom - kXTickLength - line) return;
      text->DrawPlain(scratch, v.left + kYNumberInset, top,
                      static_cast<std::int32_t>(d.number_colour));
    }
  });
}

}  // namespace zentrix::graphing
