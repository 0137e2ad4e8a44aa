#include "notebook/answer/answer_placement.h"

#include <algorithm>
#include <limits>

namespace zentrix::notebook {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;

constexpr char16_t kSquaredGlyph = 133;
// Extents are clamped here so that sums over huge trees never overflow.
constexpr std::int64_t kMaxExtent = 1 << 28;

int Clamp(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMaxExtent)); }

bool ChildCountFits(const AnswerLayout& box) {
  const std::size_t n = box.children.size();
  switch (box.kind) {
    case BoxKind::kText: return n == 0;
    case BoxKind::kFraction: return n == 2;
    case BoxKind::kRoot:
    case BoxKind::kCall: return n == 1;
    case BoxKind::kRow:
    case BoxKind::kMatrix: return true;
  }
  return false;  // a kind read from a file that the program does not know
}

bool IsTextTwo(const AnswerLayout& box) {
  return box.kind == BoxKind::kText && box.children.empty() && box.text == u"2";
}

int GlyphWidth(const ui::TextRenderer& font, char16_t c) {
  return font.TextWidth(std::u16string_view(&c, 1));
}

}  // namespace

char16_t ShownOperator(const AnswerLayout& row, std::size_t index) {
  const char16_t op = index < row.operators.size() ? row.operators[index] : 0;
  if (index == 0) return op == u'-' ? op : 0;
  if (op == u'+' && index < row.children.size()) {
    // a + (-b): the child row draws the '-' itself; only the gap stays, so
    // that it looks exactly like a - b.
    const AnswerLayout& child = row.children[index];
    if (child.kind == BoxKind::kRow && !child.operators.empty() && child.operators[0] == u'-') {
      return u'*';
    }
  }
  return op;
}

void AnswerPlacement::Reset() {
  nodes_.clear();
  strokes_.clear();
  message_.clear();
  size_ = {};
}

void AnswerPlacement::Build(const AnswerLayout& layout, ui::TextRenderer& font, int wrap_width,
                            std::int32_t color) {
  Reset();
  metrics_ = AnswerMetrics::For(font.LineHeight());
  Flatten(layout);
  if (nodes_[0].role == Role::kBox && layout.kind == BoxKind::kText) {
    nodes_[0].role = Role::kMessage;
    MeasureMessage(font, wrap_width, color);
  } else {
    for (int i = static_cast<int>(nodes_.size()) - 1; i >= 0; --i) Measure(i, font);
    for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) Place(i, font);
  }
  size_ = {nodes_[0].width, nodes_[0].height};
}

// Pre-order with an explicit work list, so that depth costs no stack.
void AnswerPlacement::Flatten(const AnswerLayout& root) {
  stack_.clear();
  stack_.emplace_back(&root, -1);
  while (!stack_.empty()) {
    const auto [box, parent] = stack_.back();
    stack_.pop_back();
    const int index = static_cast<int>(nodes_.size());
    Node node;
    node.box = box;
    node.parent = parent;
    node.end = index + 1;
    if (!ChildCountFits(*box)) {
      node.role = Role::kInvalid;
    } else if (parent >= 0 && nodes_[parent].box->kind == BoxKind::kMatrix) {
      node.role = Role::kGridRow;
    }
    nodes_.push_back(node);
    if (node.role == Role::kInvalid) continue;
    for (auto it = box->children.rbegin(); it != box->children.rend(); ++it) {
      stack_.emplace_back(&*it, index);
    }
  }
  for (int i = static_cast<int>(nodes_.size()) - 1; i > 0; --i) {
    Node& parent = nodes_[nodes_[i].parent];
    parent.end = std::max(parent.end, nodes_[i].end);
  }
}

void AnswerPlacement::MeasureMessage(ui::TextRenderer& font, int wrap_width, std::int32_t color) {
  Node& node = nodes_[0];
  const int right = wrap_width > 0 ? wrap_width : static_cast<int>(kMaxExtent);
  font.SetColor(color);
  const int lines =
      font.LayOut(node.box->text, draw::Rect{0, 0, right, static_cast<int>(kMaxExtent)}, false);
  font.ResetColor();
  int width = 0;
  for (const ui::GlyphRecord& g : font.Glyphs()) {
    if (g.character == 0) break;
    message_.push_back(g);
    width = std::max(width, g.x + g.advance);
  }
  node.width = width;
  // Every line but the last takes the full line height as drawn, so that a
  // long message never runs into what follows it.
  node.height = Clamp(static_cast<std::int64_t>(std::max(lines, 1) - 1) * metrics_.line_height +
                      metrics_.text_height);
}

void AnswerPlacement::Measure(int index, ui::TextRenderer& font) {
  Node& node = nodes_[index];
  if (node.role == Role::kInvalid || node.role == Role::kGridRow) return;
  const AnswerMetrics& m = metrics_;
  const AnswerLayout& box = *node.box;
  const Node* first = index + 1 < node.end ? &nodes_[index + 1] : nullptr;
  std::int64_t w = 0, h = 0;
  switch (box.kind) {
    case BoxKind::kText:
      w = font.TextWidth(box.text);
      h = m.text_height;
      break;
    case BoxKind::kFraction: {
      const Node& den = nodes_[first->end];
      w = std::max(first->width, den.width);
      h = std::int64_t{first->height} + den.height + 2 * m.quarter;
      break;
    }
    case BoxKind::kRoot: {
      const int e = first->box->kind == BoxKind::kText ? m.root_rise : m.line_height;
      w = std::int64_t{e} + m.root_hook + 2 * m.gap + first->width;
      h = std::int64_t{e} + first->height;
      break;
    }
    case BoxKind::kCall:
      w = std::int64_t{font.TextWidth(box.text)} + (m.call_indent >> 1) + 2 * m.call_indent +
          first->width;
      h = std::int64_t{first->height} + 2 * m.gap;
      break;
    case BoxKind::kRow: {
      w = box.bracketed ? 4 * m.gap : 0;
      ForChildren(index, [&](int k, int c) {
        const Node& child = nodes_[c];
        const char16_t op = ShownOperator(box, static_cast<std::size_t>(k));
        h = std::max<std::int64_t>(h, child.height);
        if (op == u'^' && IsTextTwo(*child.box)) {
          w += GlyphWidth(font, kSquaredGlyph);
          return;
        }
        w += child.width;
        if (op == 0) return;
        if (k == 0) {
          w += m.gap + GlyphWidth(font, op);
        } else {
          w += op == u'*' ? m.gap : 2 * m.gap + GlyphWidth(font, op);
        }
      });
      if (box.bracketed) h += 2 * m.gap;
      break;
    }
    case BoxKind::kMatrix: {
      int rows = 0, columns = 0, widest = 0, tallest = 0;
      ForChildren(index, [&](int, int r) {
        ++rows;
        int cells = 0;
        ForChildren(r, [&](int, int c) {
          ++cells;
          widest = std::max(widest, nodes_[c].width);
          tallest = std::max(tallest, nodes_[c].height);
        });
        columns = std::max(columns, cells);
      });
      node.cell_width = Clamp(std::int64_t{widest} + m.line_height);
      node.cell_height = Clamp(std::int64_t{tallest} + m.line_height);
      w = std::int64_t{columns} * node.cell_width;
      h = std::int64_t{rows} * node.cell_height;
      break;
    }
  }
  node.width = Clamp(w);
  node.height = Clamp(h);
}

void AnswerPlacement::Place(int index, ui::TextRenderer& font) {
  Node& node = nodes_[index];
  node.first_stroke = node.stroke_end = static_cast<std::uint32_t>(strokes_.size());
  if (node.role != Role::kBox) return;
  switch (node.box->kind) {
    case BoxKind::kText: break;
    case BoxKind::kFraction: PlaceFraction(node); break;
    case BoxKind::kRoot: PlaceRoot(node); break;
    case BoxKind::kCall: PlaceCall(node, font); break;
    case BoxKind::kRow: PlaceRow(index, font); break;
    case BoxKind::kMatrix: PlaceMatrix(node); break;
  }
  nodes_[index].stroke_end = static_cast<std::uint32_t>(strokes_.size());
}

void AnswerPlacement::AddLine(int x1, int y1, int x2, int y2) {
  Stroke s;
  s.kind = Stroke::Kind::kLine;
  s.x1 = x1;
  s.y1 = y1;
  s.x2 = x2;
  s.y2 = y2;
  strokes_.push_back(s);
}

// A bracket pair of lines round content `content_width` wide: a vertical line
// with strokes of one gap at both ends, and its mirror image on the right.
void AnswerPlacement::AddBrackets(int x, int y, int content_width, int height) {
  const int u = metrics_.gap;
  const int bottom = y + std::max(height, 1) - 1;
  const int right = x + u + (u >> 1) + content_width;
  AddLine(x, y, x, bottom);
  AddLine(x, y, x + u, y);
  AddLine(x, bottom, x + u, bottom);
  AddLine(right, y, right, bottom);
  AddLine(right - u, y, right, y);
  AddLine(right - u, bottom, right, bottom);
}

void AnswerPlacement::PlaceFraction(Node& node) {
  const AnswerMetrics& m = metrics_;
  const int index = static_cast<int>(&node - nodes_.data());
  Node& num = nodes_[index + 1];
  Node& den = nodes_[num.end];
  const int bar_y = node.y + m.quarter + num.height;
  const int wide = std::max(num.width, den.width);
  if (den.width < num.width) {
    num.x = node.x;
    den.x = node.x + ((num.width >> 1) - (den.width >> 1));
  } else {
    num.x = node.x + ((den.width >> 1) - (num.width >> 1));
    den.x = node.x;
  }
  num.y = node.y;
  den.y = node.y + 2 * m.quarter + num.height;
  AddLine(node.x, bar_y, node.x + std::max(wide, 1) - 1, bar_y);
}

void AnswerPlacement::PlaceRoot(Node& node) {
  const AnswerMetrics& m = metrics_;
  const int index = static_cast<int>(&node - nodes_.data());
  Node& child = nodes_[index + 1];
  const int e = child.box->kind == BoxKind::kText ? m.root_rise : m.line_height;
  const int p = e + child.height;
  const int x = node.x, y = node.y, d = m.root_hook;
  child.x = x + m.gap + e + d;
  child.y = y + (e >> 1);
  const int bottom = y + p - 1;
  AddLine(x, y + p - (p >> 2), x + d, bottom);      // the short stroke
  AddLine(x + d, bottom, x + d + e, y);             // the rising stroke
  AddLine(x + d + e, y, child.x + child.width, y);  // the bar over the child
}

void AnswerPlacement::PlaceCall(Node& node, ui::TextRenderer& font) {
  const AnswerMetrics& m = metrics_;
  const int index = static_cast<int>(&node - nodes_.data());
  Node& child = nodes_[index + 1];
  const int e = font.TextWidth(node.box->text) + m.quarter;
  child.x = node.x + e + m.call_indent;
  child.y = node.y + m.gap;
  Stroke name;
  name.kind = Stroke::Kind::kName;
  name.name = &node.box->text;
  name.x1 = node.x;
  name.y1 = node.y + ((child.height + 2 * m.gap) >> 1) - (m.text_height >> 1);
  strokes_.push_back(name);
  AddBrackets(node.x + e, node.y, m.call_indent + child.width - m.quarter,
              child.height + 2 * m.gap);
}

void AnswerPlacement::PlaceRow(int index, ui::TextRenderer& font) {
  const AnswerMetrics& m = metrics_;
  const Node row = nodes_[index];
  const AnswerLayout& box = *row.box;
  const int left = row.x + (box.bracketed ? 2 * m.gap : 0);
  const int top = row.y + (box.bracketed ? m.gap : 0);
  int tallest = 0;
  ForChildren(index, [&](int, int c) { tallest = std::max(tallest, nodes_[c].height); });
  const int glyph_y = top + (tallest >> 1) - (m.text_height >> 1);
  int pen = left;
  auto add_glyph = [&](char16_t c, int x, int y) {
    Stroke s;
    s.kind = Stroke::Kind::kGlyph;
    s.glyph = c;
    s.x1 = x;
    s.y1 = y;
    strokes_.push_back(s);
  };
  ForChildren(index, [&](int k, int c) {
    Node& child = nodes_[c];
    const char16_t op = ShownOperator(box, static_cast<std::size_t>(k));
    if (op == u'^' && IsTextTwo(*child.box)) {
      add_glyph(kSquaredGlyph, pen + 2, top);
      child.role = Role::kHidden;
      pen += GlyphWidth(font, kSquaredGlyph);
      return;
    }
    if (op != 0) {
      if (k == 0) {
        add_glyph(op, pen, glyph_y);
        pen += GlyphWidth(font, op) + m.gap;
      } else if (op == u'*') {
        pen += m.gap;
      } else {
        pen += m.gap;
        add_glyph(op, pen, glyph_y);
        pen += GlyphWidth(font, op) + m.gap;
      }
    }
    child.x = pen;
    child.y = top + (tallest >> 1) - (child.height >> 1);
    pen += child.width;
  });
  if (box.bracketed) {
    AddBrackets(row.x, row.y, 2 * m.gap + (pen - left), tallest + 2 * m.gap);
  }
}

void AnswerPlacement::PlaceMatrix(Node& node) {
  const int index = static_cast<int>(&node - nodes_.data());
  const int cw = node.cell_width, ch = node.cell_height;
  ForChildren(index, [&](int r, int row_index) {
    Node& row = nodes_[row_index];
    row.x = node.x;
    row.y = node.y + r * ch;
    row.width = node.width;
    row.height = ch;
    ForChildren(row_index, [&](int column, int c) {
      Node& cell = nodes_[c];
      const int fx = node.x + column * cw, fy = row.y;
      Stroke frame;
      frame.kind = Stroke::Kind::kFrame;
      frame.x1 = fx;
      frame.y1 = fy;
      frame.x2 = cw;
      frame.y2 = ch;
      strokes_.push_back(frame);
      cell.x = fx + ((cw >> 1) - (cell.width >> 1));
      cell.y = fy + ((ch >> 1) - (cell.height >> 1));
    });
  });
}

void AnswerPlacement::Draw(draw::Surface& surface, ui::TextRenderer& font, std::int32_t color,
                           int x, int y) const {
  if (nodes_.empty() || !font.Font()) return;
  const draw::Rect clip = surface.ClipRect();
  if (clip.Empty()) return;
  // Glyphs reach below a box's text height and squared glyphs past its right
  // edge: boxes are tested with a margin of one line.
  const int margin = metrics_.line_height + 2;
  const draw::Color line_color =
      color == ui::kNoColor ? font.NativeColor() : static_cast<draw::Color>(color);
  font.SetTarget(&surface);
  const int count = static_cast<int>(nodes_.size());
  for (int i = 0; i < count;) {
    const Node& node = nodes_[i];
    const bool visible =
        node.role != Role::kInvalid && node.role != Role::kHidden &&
        x + node.x - margin < clip.right && x + node.x + node.width + margin > clip.left &&
        y + node.y - margin < clip.bottom && y + node.y + node.height + margin > clip.top;
    if (!visible) {
      i = node.end;
      continue;
    }
    if (node.role == Role::kMessage) {
      DrawMessage(surface, font, x, y);
    } else if (node.box->kind == BoxKind::kText && node.role == Role::kBox) {
      font.DrawPlain(node.box->text, x + node.x, y + node.y, color);
    }
    for (std::uint32_t s = node.first_stroke; s < node.stroke_end; ++s) {
      DrawStroke(surface, font, strokes_[s], line_color, color, x, y);
    }
    ++i;
  }
  font.SetTarget(nullptr);
}

void AnswerPlacement::DrawStroke(draw::Surface& surface, ui::TextRenderer& font, const Stroke& s,
                                 draw::Color line_color, std::int32_t color, int x, int y) const {
  const draw::Rect clip = surface.ClipRect();
  switch (s.kind) {
    case Stroke::Kind::kLine:
      if (std::max(s.x1, s.x2) + x < clip.left || std::min(s.x1, s.x2) + x >= clip.right) return;
      surface.DrawLine(x + s.x1, y + s.y1, x + s.x2, y + s.y2, line_color);
      return;
    case Stroke::Kind::kFrame: {
      const int l = x + s.x1, t = y + s.y1, r = l + s.x2 - 1, b = t + s.y2 - 1;
      if (r < clip.left || l >= clip.right || b < clip.top || t >= clip.bottom) return;
      surface.DrawLine(l, t, r, t, line_color);
      surface.DrawLine(l, b, r, b, line_color);
      surface.DrawLine(l, t, l, b, line_color);
      surface.DrawLine(r, t, r, b, line_color);
      return;
    }
    case Stroke::Kind::kGlyph: {
      const int gx = x + s.x1;
      if (gx >= clip.right || gx + metrics_.line_height < clip.left) return;
      font.DrawPlain(std::u16string_view(&s.glyph, 1), gx, y + s.y1, color);
      return;
    }
    case Stroke::Kind::kName: font.DrawPlain(*s.name, x + s.x1, y + s.y1, color); return;
  }
}

void AnswerPlacement::DrawMessage(draw::Surface& surface, ui::TextRenderer& font, int x,
                                  int y) const {
  const draw::Rect clip = surface.ClipRect();
  const int line_height = metrics_.line_height;
  // Glyphs are in line order: start at the first line that meets the clip.
  const auto first =
      std::lower_bound(message_.begin(), message_.end(), clip.top - y,
                       [&](const ui::GlyphRecord& g, int top) { return g.y + line_height <= top; });
  auto last = first;
  while (last != message_.end() && last->y + y < clip.bottom) ++last;
  if (first == last) return;
  font.DrawGlyphs(surface, &*first, &*first + (last - first), x, y);
}

AnswerSize MeasureAnswer(const engine::AnswerLayout& layout, ui::TextRenderer& font,
                         int wrap_width) {
  AnswerPlacement placement;
  placement.Build(layout, font, wrap_width, ui::kNoColor);
  return placement.Size();
}

AnswerSize DrawAnswer(draw::Surface& surface, const engine::AnswerLayout& layout,
                      ui::TextRenderer& font, std::int32_t color, int x, int y, int wrap_width) {
  AnswerPlacement placement;
  placement.Build(layout, font, wrap_width, color);
  placement.Draw(surface, font, color, x, y);
  return placement.Size();
}

}  // namespace zentrix::notebook
