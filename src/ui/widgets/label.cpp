#include "ui/widgets/label.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

void Label::Draw(draw::Surface& surface) {
  TextRenderer* font = CurrentFont();
  if (!visible_ || !font) return;
  font->SetTarget(&surface);
  const int line_height = font->LineHeight();
  int text_width = font->TextWidth(text_);
  if (centred_) x_ = (surface.Width() - font->SingleLineWidth(text_)) / 2;
  int lines = 1;
  if (max_width_ > 0) {
    font->SetColor(static_cast<std::int32_t>(color_));
    font->DrawPlainTruncated(text_, x_, y_, max_width_);
    font->ResetColor();
    text_width = std::min(text_width, max_width_);
  } else {
    lines = font->DrawMarkup(text_, x_, y_, static_cast<std::int32_t>(color_));
    font->ResetColor();
    text_width = font->SingleLineWidth(text_);
    if (lines > 1) text_width = surface.Width() - font->RightMargin() - x_;
  }
  width_ = text_width;
  height_ = lines * line_height;
  if (underlined_) {
    const int y = y_ + line_height - line_height / 4;
    surface.DrawLine(x_, y, x_ + text_width - 1, y, font->NativeColor());
  }
  font->SetTarget(nullptr);
}

}  // namespace zentrix::ui
