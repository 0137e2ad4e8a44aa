#include "cli/layout_pretty.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/core/answer_glyphs.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"

namespace zentrix::cli {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;
using engine::IsList;
using engine::MultiplySeparator;
using engine::StartsWithMinus;

// A rectangle of character cells (one UTF-8 glyph each) with the row that
// lines up with its neighbours' main lines.
struct Block {
  std::vector<std::vector<std::string>> rows;
  int baseline = 0;

  int height() const { return static_cast<int>(rows.size()); }
  int width() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }
};

// Nested blocks copy their insides at every level, so deep fractions cost
// far more cells than they show. Past this many cells in all, a drawing
// would be too slow and too large for a terminal to be of use.
constexpr std::int64_t kMaxDrawnCells = 4'000'000;

// Boxes nested deeper than this would draw taller than any terminal; the
// bound also keeps the recursion's stack small.
constexpr int kMaxDrawDepth = 200;

struct TooLargeToDraw {};

// What the drawing in progress has used; reset by RenderPretty.
struct DrawUse {
  std::int64_t cells = 0;
  int depth = 0;
};

DrawUse& Use() {
  static DrawUse use;
  return use;
}

void CountCells(int width, int height) {
  Use().cells += static_cast<std::int64_t>(width) * height;
  if (Use().cells > kMaxDrawnCells) throw TooLargeToDraw{};
}

Block Blank(int width, int height) {
  CountCells(width, height);
  Block block;
  block.rows.assign(height, std::vector<std::string>(width, " "));
  return block;
}

void Paste(Block& target, const Block& source, int x, int y) {
  for (int r = 0; r < source.height(); ++r) {
    for (int c = 0; c < source.width(); ++c) target.rows[y + r][x + c] = source.rows[r][c];
  }
}

// One line of glyphs; the inverse mark takes its two cells.
std::vector<std::string> Glyphs(std::u16string_view text) {
  std::vector<std::string> cells;
  for (char16_t c : text) {
    if (c == chars::kInverseMark) {
      cells.push_back("\u207B");
      cells.push_back("\u00B9");
    } else {
      cells.push_back(chars::ToUtf8(std::u16string_view(&c, 1)));
    }
  }
  return cells;
}

Block TextBlock(std::u16string_view text) {
  std::vector<std::vector<std::string>> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(u'\n', start);
    lines.push_back(
        Glyphs(text.substr(start, end == std::u16string_view::npos ? end : end - start)));
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  std::size_t width = 0;
  for (const auto& line : lines) width = std::max(width, line.size());
  // Lines shorter than the widest are padded with blanks.
  CountCells(static_cast<int>(width), static_cast<int>(lines.size()));
  for (auto& line : lines) line.resize(width, " ");
  Block block;
  block.rows = std::move(lines);
  return block;
}

// Operators and separators are drawn thousands of times in a long answer;
// each is decoded once and copied after that.
Block Ascii(const std::string& utf8) {
  thread_local std::map<std::string, Block, std::less<>> drawn;
  auto it = drawn.find(utf8);
  if (it == drawn.end()) return drawn.emplace(utf8, TextBlock(chars::U16(utf8))).first->second;
  CountCells(it->second.width(), it->second.height());
  return it->second;
}

// Blocks side by side, each with its baseline `lift` rows above the common one.
struct Placed {
  Block block;
  int lift = 0;
};

Block Beside(const std::vector<Placed>& items) {
  int above = 0, below = 0, width = 0;
  for (const Placed& p : items) {
    above = std::max(above, p.block.baseline + p.lift);
    below = std::max(below, p.block.height() - 1 - p.block.baseline - p.lift);
    width += p.block.width();
  }
  Block out = Blank(width, above + below + 1);
  out.baseline = above;
  int x = 0;
  for (const Placed& p : items) {
    Paste(out, p.block, x, above - p.lift - p.block.baseline);
    x += p.block.width();
  }
  return out;
}

// Brackets as tall as the block: ( ) on one line, ⎛ ⎜ ⎝ and ⎞ ⎟ ⎠ above that.
Block Bracket(const Block& inner, const char* open, const char* close, const char* top_left,
              const char* middle_left, const char* bottom_left, const char* top_right,
              const char* middle_right, const char* bottom_right) {
  Block out = Blank(inner.width() + 2, inner.height());
  out.baseline = inner.baseline;
  Paste(out, inner, 1, 0);
  int last = inner.height() - 1;
  for (int r = 0; r <= last; ++r) {
    bool single = last == 0;
    out.rows[r][0] = single ? open : r == 0 ? top_left : r == last ? bottom_left : middle_left;
    out.rows[r].back() = single      ? close
                         : r == 0    ? top_right
                         : r == last ? bottom_right
                                     : middle_right;
  }
  return out;
}

Block Parens(const Block& inner) {
  return Bracket(inner, "(", ")", "\u239B", "\u239C", "\u239D", "\u239E", "\u239F", "\u23A0");
}
Block Braces(const Block& inner) {
  return Bracket(inner, "{", "}", "\u23A7", "\u23AA", "\u23A9", "\u23AB", "\u23AA", "\u23AD");
}
Block SquareBrackets(const Block& inner) {
  return Bracket(inner, "[", "]", "\u23A1", "\u23A2", "\u23A3", "\u23A4", "\u23A5", "\u23A6");
}

// With `drop_leading_minus`, a '-' before the first child of a row has
// already been drawn by the row around it.
Block Draw(const AnswerLayout& box, bool drop_leading_minus = false);
// The box without brackets of its own, at one more level of nesting.
Block DrawInside(const AnswerLayout& box);

Block DrawFraction(const AnswerLayout& box) {
  Block top = Draw(box.children[0]), bottom = Draw(box.children[1]);
  int width = std::max(top.width(), bottom.width()) + 2;
  Block out = Blank(width, top.height() + 1 + bottom.height());
  Paste(out, top, (width - top.width()) / 2, 0);
  for (int c = 0; c < width; ++c) out.rows[top.height()][c] = "\u2500";
  Paste(out, bottom, (width - bottom.width()) / 2, top.height() + 1);
  out.baseline = top.height();
  return out;
}

// A bar over the radicand and the radical sign down its left side.
Block DrawRoot(const AnswerLayout& box) {
  Block inner = Draw(box.children[0]);
  Block out = Blank(inner.width() + 1, inner.height() + 1);
  Paste(out, inner, 1, 1);
  const std::string bar = "_", sign = "\u221A", stroke = "\u2502";
  std::fill(out.rows[0].begin() + 1, out.rows[0].end(), bar);
  for (int r = 1; r < out.height(); ++r) out.rows[r][0] = r == out.height() - 1 ? sign : stroke;
  out.baseline = inner.baseline + 1;
  return out;
}

Block DrawCall(const AnswerLayout& box) {
  // The call's own brackets stand for any the argument carries.
  return Beside({{TextBlock(box.text)}, {Parens(DrawInside(box.children[0]))}});
}

// An exponent sits with its bottom row just above a one-line base, or level
// with the top row of a taller one.
int ExponentLift(const Block& base, const Block& exponent) {
  int lift_to_bottom = base.height() == 1 ? 1 : base.baseline;
  return lift_to_bottom + (exponent.height() - 1 - exponent.baseline);
}

Block DrawRow(const AnswerLayout& row, bool drop_leading_minus) {
  std::vector<Placed> items;
  for (std::size_t i = 0; i < row.children.size(); ++i) {
    const AnswerLayout& child = row.children[i];
    char16_t op = row.operators[i];
    if (i == 0) {
      if (op == u'-' && !drop_leading_minus) items.push_back({Ascii("-")});
      items.push_back({Draw(child)});
      continue;
    }
    switch (op) {
      case u'+':
        if (StartsWithMinus(child)) {
          items.push_back({Ascii(" - ")});
          items.push_back({Draw(child, true)});
        } else {
          items.push_back({Ascii(" + ")});
          items.push_back({Draw(child)});
        }
        break;
      case u'-':
        items.push_back({Ascii(" - ")});
        items.push_back({Draw(child)});
        break;
      case u',':
        items.push_back({Ascii(", ")});
        items.push_back({Draw(child)});
        break;
      case u'*': {
        // Stacked fractions keep a space from their neighbours.
        bool stacked =
            child.kind == BoxKind::kFraction || row.children[i - 1].kind == BoxKind::kFraction;
        const std::string separator(stacked ? std::string_view(" ")
                                            : MultiplySeparator(row.children[i - 1], child));
        if (!separator.empty()) items.push_back({Ascii(separator)});
        items.push_back({Draw(child)});
        break;
      }
      case u'^':
        if (child.kind == BoxKind::kText && child.text == u"2") {
          items.push_back({Ascii("\u00B2")});
        } else {
          Block exponent = Draw(child);
          int lift = ExponentLift(items.back().block, exponent);
          items.push_back({std::move(exponent), lift});
        }
        break;
      default: items.push_back({Draw(child)}); break;
    }
  }
  if (items.empty()) return Blank(0, 1);
  return Beside(items);
}

Block DrawMatrix(const AnswerLayout& matrix) {
  std::vector<std::vector<Block>> cells;
  std::size_t columns = 0;
  for (const AnswerLayout& row : matrix.children) {
    std::vector<Block> drawn;
    for (const AnswerLayout& cell : row.children) drawn.push_back(Draw(cell));
    columns = std::max(columns, drawn.size());
    cells.push_back(std::move(drawn));
  }
  std::vector<int> widths(columns, 0);
  for (const auto& row : cells) {
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].width());
  }
  // Each matrix row lines its cells up on their baselines; columns are centred.
  std::vector<Block> lines;
  for (const auto& row : cells) {
    std::vector<Placed> items;
    for (std::size_t c = 0; c < columns; ++c) {
      Block cell = c < row.size() ? row[c] : Blank(0, 1);
      int left = (widths[c] - cell.width()) / 2;
      Block padded = Blank(widths[c] + (c + 1 < columns ? 2 : 0), cell.height());
      padded.baseline = cell.baseline;
      Paste(padded, cell, left, 0);
      items.push_back({std::move(padded)});
    }
    lines.push_back(items.empty() ? Blank(0, 1) : Beside(items));
  }
  int width = 0, height = 0;
  for (const Block& line : lines) width = std::max(width, line.width()), height += line.height();
  Block grid = Blank(width + 2, height);
  int y = 0;
  for (const Block& line : lines) {
    Paste(grid, line, 1, y);
    y += line.height();
  }
  grid.baseline = height / 2;
  return SquareBrackets(grid);
}

Block DrawUnbracketed(const AnswerLayout& box, bool drop_leading_minus) {
  switch (box.kind) {
    case BoxKind::kText: return TextBlock(box.text);
    case BoxKind::kFraction:
      if (box.children.size() == 2) return DrawFraction(box);
      break;
    case BoxKind::kRoot:
      if (box.children.size() == 1) return DrawRoot(box);
      break;
    case BoxKind::kCall:
      if (box.children.size() == 1) return DrawCall(box);
      break;
    case BoxKind::kRow:
      if (box.operators.size() == box.children.size()) return DrawRow(box, drop_leading_minus);
      break;
    case BoxKind::kMatrix: return DrawMatrix(box);
  }
  return Blank(0, 1);  // a box whose children do not fit its kind shows nothing
}

// One level of nesting for its lifetime; past the bound the drawing is given up.
struct DepthLevel {
  DepthLevel() {
    if (Use().depth >= kMaxDrawDepth) throw TooLargeToDraw{};
    ++Use().depth;
  }
  ~DepthLevel() { --Use().depth; }
  DepthLevel(const DepthLevel&) = delete;
  DepthLevel& operator=(const DepthLevel&) = delete;
};

Block Draw(const AnswerLayout& box, bool drop_leading_minus) {
  DepthLevel level;
  Block inner = DrawUnbracketed(box, drop_leading_minus);
  if (!box.bracketed) return inner;
  return IsList(box) ? Braces(inner) : Parens(inner);
}

Block DrawInside(const AnswerLayout& box) {
  DepthLevel level;
  return DrawUnbracketed(box, false);
}

}  // namespace

std::string RenderPretty(const AnswerLayout& box) {
  Use() = DrawUse{};
  Block block;
  try {
    block = Draw(box);
  } catch (const TooLargeToDraw&) {
    return engine::RenderText(box);
  }
  std::string out;
  for (int r = 0; r < block.height(); ++r) {
    std::string line;
    for (const std::string& cell : block.rows[r]) line += cell;
    line.erase(line.find_last_not_of(' ') + 1);
    if (r > 0) out += '\n';
    out += line;
  }
  return out;
}

}  // namespace zentrix::cli
