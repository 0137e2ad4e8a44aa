#pragma once
// The measured and placed form of one answer box tree, ready to draw.
//
// Building walks the tree once: it flattens the boxes in pre-order, measures
// them children first and places them parent first, recording the lines and
// glyphs each box draws (bars, radicals, brackets drawn as lines, operator
// glyphs, cell frames). Nothing in it recurses, so trees of any depth build in
// time linear in their size. Drawing is one pass over the flat list that skips
// every subtree lying outside the surface's clip rectangle, so a frame costs
// only what is visible.
//
// Box rules:
// - A whole answer that is one text box is a message: mark-up text that keeps
//   its colour tags and wraps at the wrap width. Nested text boxes are plain
//   one-line text.
// - In a row, the first child's operator counts only when it is '-'; a '+'
//   before a child row that starts with '-' keeps only its gap (a + (-b) shows
//   exactly as a - b); '*' is a gap without a glyph; '^' before the text "2"
//   shows the squared glyph in place of the operator and the child.
// - A box whose child count does not fit its kind (or whose kind is unknown)
//   measures 0 x 0 and draws nothing.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "draw/surface.h"
#include "engine/core/answer_layout.h"
#include "notebook/answer/answer_metrics.h"
#include "ui/text/text_renderer.h"

namespace zentrix::notebook {

struct AnswerSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const AnswerSize&, const AnswerSize&) = default;
};

class AnswerPlacement {
 public:
  // Measures and places `layout` with the font. The layout is not owned and
  // must stay unchanged while the placement is drawn. A wrap width of 0 or less
  // does not wrap messages. `color` (a colour or ui::kNoColor) is the colour of
  // a message's untagged text.
  void Build(const engine::AnswerLayout& layout, ui::TextRenderer& font, int wrap_width,
             std::int32_t color);
  void Reset();

  AnswerSize Size() const { return size_; }
  std::size_t BoxCount() const { return nodes_.size(); }

  // Draws with the top-left corner at (x, y), clipped to the surface's clip
  // rectangle; lines, brackets and frames in `color` (native when kNoColor).
  void Draw(draw::Surface& surface, ui::TextRenderer& font, std::int32_t color, int x, int y) const;

 private:
  enum class Role : std::uint8_t {
    kBox,      // drawn by its kind
    kMessage,  // the whole answer as mark-up text
    kGridRow,  // a matrix row: its cells are placed by the matrix
    kHidden,   // the "2" a squared glyph stands for
    kInvalid,  // child count does not fit the kind: 0 x 0, nothing drawn
  };
  struct Node {
    const engine::AnswerLayout* box = nullptr;
    int parent = -1;
    int end = 0;  // one past the last node of the subtree
    Role role = Role::kBox;
    int x = 0;  // relative to the answer's top-left corner
    int y = 0;
    int width = 0;
    int height = 0;
    int cell_width = 0;  // matrices
    int cell_height = 0;
    std::uint32_t first_stroke = 0;
    std::uint32_t stroke_end = 0;
  };
  struct Stroke {
    enum class Kind : std::uint8_t { kLine, kFrame, kGlyph, kName };
    Kind kind = Kind::kLine;
    char16_t glyph = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // kFrame: x, y, width, height
    const std::u16string* name = nullptr;
  };

  void Flatten(const engine::AnswerLayout& root);
  void Measure(int index, ui::TextRenderer& font);
  void MeasureMessage(ui::TextRenderer& font, int wrap_width, std::int32_t color);
  void Place(int index, ui::TextRenderer& font);
  void PlaceFraction(Node& node);
  void PlaceRoot(Node& node);
  void PlaceCall(Node& node, ui::TextRenderer& font);
  void PlaceRow(int index, ui::TextRenderer& font);
  void PlaceMatrix(Node& node);
  void AddLine(int x1, int y1, int x2, int y2);
  void AddBrackets(int x, int y, int content_width, int height);
  void DrawStroke(draw::Surface& surface, ui::TextRenderer& font, const Stroke& stroke,
                  draw::Color line_color, std::int32_t color, int x, int y) const;
  void DrawMessage(draw::Surface& surface, ui::TextRenderer& font, int x, int y) const;

  // Children of a node: the first is index + 1, each next one starts where
  // the previous one's subtree ends.
  template <typename F>
  void ForChildren(int index, F f) const {
    int k = 0;
    for (int c = index + 1; c < nodes_[index].end; c = nodes_[c].end) f(k++, c);
  }

  AnswerMetrics metrics_;
  AnswerSize size_;
  std::vector<Node> nodes_;
  std::vector<Stroke> strokes_;
  std::vector<ui::GlyphRecord> message_;  // the message's glyphs, relative to the corner
  std::vector<std::pair<const engine::AnswerLayout*, int>> stack_;  // flattening work list
};

// The operator a row shows before its child `index`: 0 for none, '*' for a
// gap without a glyph, else the glyph drawn between gaps.
char16_t ShownOperator(const engine::AnswerLayout& row, std::size_t index);

// One-shot measure and draw of a tree (callers that draw a tree every frame
// keep an Answer, which builds once).
AnswerSize MeasureAnswer(const engine::AnswerLayout& layout, ui::TextRenderer& font,
                         int wrap_width = 0);
AnswerSize DrawAnswer(draw::Surface& surface, const engine::AnswerLayout& layout,
                      ui::TextRenderer& font, std::int32_t color, int x, int y, int wrap_width = 0);

}  // namespace zentrix::notebook
