#include "shell/buttons/icon_in_text.h"

#include <algorithm>

#include "ui/core/ui_state.h"
#include "ui/text/text_renderer.h"

namespace zentrix::shell {

draw::Rect DrawIconInText(draw::Surface& surface, const IconInText& note, int x, int y,
                          std::int32_t colour) {
  ui::TextRenderer* font = ui::CurrentFont();
  const ui::Skin* skin = ui::Ui().skin;
  if (!font) return draw::Rect::FromSize(x, y, 0, 0);
  font->SetTarget(&surface);
  const int line = font->LineHeight();
  const int gap = ui::ScaledPx(4);
  const int icon_width = skin ? skin->FrameWidth(note.image) : 0;
  const int icon_height = skin ? skin->FrameHeight(note.image) : 0;
  const int row = std::max(line, icon_height);

  // Mark-up drawing tints the Bright style's black glyphs too.
  font->DrawMarkup(note.before, x, y + (row - line) / 2, colour);
  int icon_x = x + font->TextWidth(note.before) + gap;
  const int right = surface.Width() - font->RightMargin();
  if (icon_x + icon_width > right) icon_x = x;  // a narrow screen: the picture starts a line
  if (skin && icon_x != x) skin->DrawFrame(surface, note.image, note.frame, icon_x, y);
  int after_x = icon_x + icon_width + gap;
  int after_y = y + (row - line) / 2;
  if (icon_x == x) {
    after_y = y + row;
    if (skin) skin->DrawFrame(surface, note.image, note.frame, x, after_y);
    after_y += (row - line) / 2;
  }
  if (after_x + font->TextWidth(note.after) > right) {
    after_x = x;
    after_y = y + row + (icon_x == x ? row : 0);
  }
  const int lines = font->DrawMarkup(note.after, after_x, after_y, colour);
  font->ResetColor();
  font->SetTarget(nullptr);
  const int bottom = after_y + lines * line;
  return draw::Rect{x, y, right, std::max(bottom, y + row)};
}

}  // namespace zentrix::shell
