#include "shell/screens/about_screen.h"

#include "ui/core/ui_state.h"
#include "ui/text/text_renderer.h"

namespace zentrix::shell {

void AboutScreen::LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) {
  ui::TextRenderer* font = ui::Ui().normal_font;
  if (!font || !font->Font()) return;
  if (measured_font_ != font->Font()) {
    // Measured once per font: a frame allocates nothing.
    measured_font_ = font->Font();
    for (int i = 0; i < kLineCount; ++i)
      widths_[i] = font->TextWidth(ui::StripMarkup(kLines[i].text));
  }
  font->SetTarget(&surface);
  const int line_height = font->LineHeight();
  int y = content.top + ui::ScaledPx(24);
  for (int i = 0; i < kLineCount; ++i) {
    const std::u16string_view text = kLines[i].text;
    const int width = widths_[i];
    const int x = content.left + (content.Width() - width) / 2;
    rects_[i] = draw::Rect::FromSize(x, y, width, line_height);
    font->DrawMarkup(text, x, y);
    if (kLines[i].title) {
      // The product name stands out with a rule below it.
      const int rule_y = y + line_height + 1;
      draw::Rect rule = draw::Rect::FromSize(x, rule_y, width, ui::ScaledPx(1));
      surface.FillRect(&rule, 0x7D7D7D);
    }
    y += line_height + (kLines[i].title ? ui::ScaledPx(6) : 0);
  }
  font->SetTarget(nullptr);
}

void AboutScreen::DescribeWidgets(ui::WidgetList& out) const {
  for (int i = 0; i < kLineCount; ++i) {
    if (kLines[i].text[0] == 0) continue;
    ui::WidgetInfo info;
    info.kind = "label";
    info.text = kLines[i].text;
    info.rect = rects_[i];
    out.push_back(std::move(info));
  }
}

}  // namespace zentrix::shell
