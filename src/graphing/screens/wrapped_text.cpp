#include "graphing/screens/wrapped_text.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

int WrappedText::LinesAt(int width) const {
  ui::TextRenderer* font = ui::CurrentFont();
  if (!font) return 1;
  return std::max(font->LayOut(text_, draw::Rect{0, 0, std::max(width, 1), 1 << 20}, false), 1);
}

void WrappedText::Draw(draw::Surface& surface) {
  ui::TextRenderer* font = ui::CurrentFont();
  if (!visible_ || !font || width_ <= 0) return;
  font->SetTarget(&surface);
  font->DrawMarkupIn(text_, Bounds(), false);
  font->ResetColor();
  font->SetTarget(nullptr);
}

}  // namespace zentrix::graphing::screens
