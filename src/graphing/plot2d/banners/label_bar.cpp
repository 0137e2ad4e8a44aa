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

void DrawPair(ui::TextRenderer& text, const Bar& bar, int row, std::u16string_view x,
              std::u16string_view y) {
  std::u16string label = u"x=";
  label += x;
  text.DrawPlain(label, bar.left, row, kLabelTextColour);
  label = u"y=";
  label += y;
  text.DrawPlain(label, bar.second_column, row, kLabelTextColour);
}

}  // namespace

void DrawTraceLabel(draw::Surface& surface, const PlotViewport& viewport, const TraceState& trace,
                    Graph2DKind kind, ui::TextRenderer& text, bool double_resolution) {
  if (!text.Font()) return;
  const Bar bar = FillBar(surface, viewport, text, trace.has_parameter ? 2 : 1, double_resolution);
  int row = bar.top;
  if (trace.has_parameter) {
    std::u16string label = kind == Graph2DKind::kPolar ? std::u16string{kTheta, u'='} : u"u=";
    label += FormatTrimmed(trace.parameter, 9);
    text.DrawPlain(label, bar.left, row, kLabelTextColour);
    row += bar.line;
  }
  DrawPair(text, bar, row, FormatTrimmed(trace.x, 9), FormatTrimmed(trace.y, 9));
}

void DrawSelectionLabel(draw::Surface& surface, const PlotViewport& viewport,
                        const FeatureSelection& selection, ui::TextRenderer& text,
                        bool double_resolution) {
  if (!text.Font()) return;
  const Bar bar = FillBar(surface, viewport, text, 1, double_resolution);
  auto shown = [](double v) { return FormatTrimmed(std::fabs(v) < 1e-9 ? 0.0 : v, 4); };
  DrawPair(text, bar, bar.top, shown(selection.x), shown(selection.y));
}

}  // namespace zentrix::graphing
