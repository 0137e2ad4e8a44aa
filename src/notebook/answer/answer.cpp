#include "notebook/answer/answer.h"

#include <utility>

namespace zentrix::notebook {

Answer& Answer::operator=(Answer&& other) noexcept {
  if (this != &other) {
    // The placement points into the tree it was built from: it is rebuilt.
    layout_ = std::move(other.layout_);
    placement_.Reset();
    stale_ = true;
    other.placement_.Reset();
    other.stale_ = true;
  }
  return *this;
}

void Answer::Set(engine::AnswerLayout layout) {
  layout_ = std::move(layout);
  placement_.Reset();
  stale_ = true;
}

void Answer::Update(ui::TextRenderer& font, int wrap_width, std::int32_t color) {
  // Only a message wraps and takes the colour into its glyphs.
  const bool message = layout_.IsText();
  const int wrap = message ? wrap_width : 0;
  const std::int32_t glyph_color = message ? color : ui::kNoColor;
  if (!stale_ && built_font_ == font.Font() && built_line_height_ == font.LineHeight() &&
      built_wrap_ == wrap && built_color_ == glyph_color) {
    return;
  }
  placement_.Build(layout_, font, wrap, glyph_color);
  stale_ = false;
  built_font_ = font.Font();
  built_line_height_ = font.LineHeight();
  built_wrap_ = wrap;
  built_color_ = glyph_color;
}

AnswerSize Answer::Measure(ui::TextRenderer& font, int wrap_width, std::int32_t color) {
  Update(font, wrap_width, color);
  return placement_.Size();
}

AnswerSize Answer::Draw(draw::Surface& surface, ui::TextRenderer& font, std::int32_t color, int x,
                        int y, int wrap_width) {
  Update(font, wrap_width, color);
  placement_.Draw(surface, font, color, x, y);
  return placement_.Size();
}

}  // namespace zentrix::notebook
