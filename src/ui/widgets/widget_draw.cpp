#include "ui/widgets/widget_draw.h"

#include "ui/core/ui_state.h"

namespace zentrix::ui {

void DrawCentredText(draw::Surface& surface, TextRenderer& font, std::u16string_view text,
                     const draw::Rect& rect, std::int32_t color) {
  font.SetTarget(&surface);
  const int x = rect.left + (rect.Width() - font.TextWidth(text)) / 2;
  const int y = rect.top + (rect.Height() - font.LineHeight()) / 2;
  font.DrawPlain(text, x, y, color);
  font.SetTarget(nullptr);
}

void DrawFrameRect(draw::Surface& surface, const draw::Rect& r, draw::Color color) {
  if (r.Empty()) return;
  surface.DrawLine(r.left, r.top, r.right - 1, r.top, color);
  surface.DrawLine(r.left, r.bottom - 1, r.right - 1, r.bottom - 1, color);
  surface.DrawLine(r.left, r.top, r.left, r.bottom - 1, color);
  surface.DrawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, color);
}

const Skin* CurrentSkin() { return Ui().skin; }

int Px(int small) { return ScaledPx(small); }

}  // namespace zentrix::ui
