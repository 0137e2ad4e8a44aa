#pragma once
// An entry's answer: the box tree the printer laid out, with its placement
// kept between frames. The placement is rebuilt only when the tree, the font,
// the wrap width or the colour changes, so each box is measured at most once
// per frame and usually once per answer.

#include <cstdint>

#include "draw/surface.h"
#include "engine/core/answer_layout.h"
#include "notebook/answer/answer_placement.h"
#include "ui/text/text_renderer.h"

namespace zentrix::notebook {

class Answer {
 public:
  Answer() = default;
  explicit Answer(engine::AnswerLayout layout) : layout_(std::move(layout)) {}
  Answer(Answer&& other) noexcept { *this = std::move(other); }
  Answer& operator=(Answer&& other) noexcept;
  Answer(const Answer&) = delete;
  Answer& operator=(const Answer&) = delete;

  const engine::AnswerLayout& Layout() const { return layout_; }
  void Set(engine::AnswerLayout layout);
  void SetMessage(std::u16string text) { Set(engine::AnswerLayout::Text(std::move(text))); }
  void Clear() { Set(engine::AnswerLayout{}); }
  bool Empty() const { return layout_.IsEmpty(); }

  AnswerSize Measure(ui::TextRenderer& font, int wrap_width, std::int32_t color);
  // Draws with the top-left corner at (x, y), clipped to the surface's clip.
  AnswerSize Draw(draw::Surface& surface, ui::TextRenderer& font, std::int32_t color, int x, int y,
                  int wrap_width);

 private:
  void Update(ui::TextRenderer& font, int wrap_width, std::int32_t color);

  engine::AnswerLayout layout_;
  AnswerPlacement placement_;
  bool stale_ = true;
  const draw::BitmapFont* built_font_ = nullptr;
  int built_line_height_ = 0;
  int built_wrap_ = 0;
  std::int32_t built_color_ = ui::kNoColor;
};

}  // namespace zentrix::notebook
