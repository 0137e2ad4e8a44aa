#pragma once
// The spacing of two-dimensional answers, derived from the font's line height
// H with integer shifts, so that every font size keeps the same proportions.

namespace zentrix::notebook {

struct AnswerMetrics {
  int line_height = 0;  // H
  int gap = 0;          // u: space around operators, bracket strokes
  int quarter = 0;      // q: space above and below a fraction bar
  int call_indent = 0;  // c: room between a function name and its argument
  int root_rise = 0;    // r: height of the radical over a plain text
  int root_hook = 0;    // d: width of the radical's hook
  int text_height = 0;  // t: the height of one line of answer text

  static constexpr AnswerMetrics For(int h) {
    AnswerMetrics m;
    m.line_height = h;
    m.gap = 2 * (h >> 2);
    m.quarter = h >> 2;
    m.call_indent = (h >> 1) + (h >> 3);
    m.root_rise = (h >> 2) - (h >> 3) + (h >> 1);
    m.root_hook = h >> 1;
    m.text_height = h - (h >> 2);
    return m;
  }
};

}  // namespace zentrix::notebook
