#include "graphing/plot2d/banners/label_bar.h"

#include <cmath>

#include "graphing/stats/number_text.h"

namespace zentrix::graphing {
namespace {

constexpr int kLabelInset = 5;
// Near black: the renderer keeps a font's native colour for 0.
constexpr std::int32_t kLabelTextColour = 0x010101;
constexpr char16_t kTheta = 229;

struct Bar {
  int left;
  int top;
  int second_column;
  int line;
};

Bar FillBar(draw::Surface& surface, const PlotViewport& v, ui::TextRenderer& text, int lines,
            bool double_resolution) {
  text.SetTarget(&surface);
  const int line = text.LineHeight();
  const draw::Rect area = draw::Rect::FromSize(v.left, v.top, v.width, line * lines);
  surface.FillRect(&area, kLabelBarColour);
  return {v.left + kLabelInset, v.top, v.left + kLabelSecondColumn * (double_resolution ? 2 : 1),
          line};
}

// "name=value" at (x, row).
void DrawValue(ui::TextRenderer& text, std::u16string& scratch, std::u16string_view name,
               double value, int decimals, int x, int row) {
  scratch.assign(name);
  scratch += u'=';
  AppendTrimmed(value, decimals, scratch);
  text.DrawPlain(scratch, x, row, kLabelTextColour);
}

}  // namespace

void DrawTraceLabel(draw::Surface& surface, const PlotViewport& viewport, const TraceState& trace,
                    Graph2DKind kind, ui::TextRenderer& text, bool double_resolution,
                    std::u16string& scratch) {
  if (!text.Font()) return;
  const Bar bar = FillBar(surface, viewport, text, trace.has_parameter ? 2 : 1, double_resolution);
  int row = bar.top;
  if (trace.has_parameter) {
    const char16_t theta[] = {kTheta, 0};
    DrawValue(text, scratch, kind == Graph2DKind::kPolar ? theta : u"u", trace.parameter, 9,
              bar.left, row);
    row += bar.line;
  }
  DrawValue(text, scratch, u"x", trace.x, 9, bar.left, row);
  DrawValue(text, scratch, u"y", trace.y, 9, bar.second_column, row);
}

void DrawSelectionLabel(draw::Surface& surface, const PlotViewport& viewport,
                        const FeatureSelection& selection, ui::TextRenderer& text,
                        bool double_resolution, std::u16string& scratch) {
  if (!text.Font()) return;
  const Bar bar = FillBar(surface, viewport, text, 1, double_resolution);
  auto shown = [](double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; };
  DrawValue(text, scratch, u"x", shown(selection.x), 4, bar.left, bar.top);
  DrawValue(text, scratch, u"y", shown(selection.y), 4, bar.second_column, bar.top);
}

}  // namespace zentrix::graphing
