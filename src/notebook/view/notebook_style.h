#pragma once
// The notebook's colours and font choice, set by the calculator screen from
// the style and the settings each time it lays the screen out.

#include <cstdint>

#include "draw/color.h"

namespace zentrix::notebook {

struct NotebookStyle {
  std::int32_t answer_color = 0x0000FF;  // 0x00BBGGRR
  draw::Color entry_box_color = 0x505050;
  bool cell_coloring = false;  // fill every even entry's band
  draw::Color cell_color = 0xE6E6FF;
  bool color_parentheses = false;

  // Classic: answers in the AnswerColor setting on dark entry boxes.
  static NotebookStyle Classic(std::int32_t answer_color, bool color_parentheses = false) {
    NotebookStyle s;
    s.answer_color = answer_color;
    s.color_parentheses = color_parentheses;
    return s;
  }
  // Bright: black answers, light entry boxes, bands in the CellColor1 setting.
  static NotebookStyle Bright(draw::Color cell_color, bool color_parentheses = false) {
    NotebookStyle s;
    s.answer_color = 0x000000;
    s.entry_box_color = 0xB4B4B4;
    s.cell_coloring = true;
    s.cell_color = cell_color;
    s.color_parentheses = color_parentheses;
    return s;
  }
};

// The second font is used on a high-resolution screen with UseSmallFont on,
// or on a low-resolution screen with UseLargeFont on.
constexpr bool UseSecondFont(bool high_resolution, bool use_small_font, bool use_large_font) {
  return high_resolution ? use_small_font : use_large_font;
}

}  // namespace zentrix::notebook
