#include "ui/text/text_renderer.h"

#include <algorithm>
#include <array>

#include "draw/current_surface.h"

namespace zentrix::ui {

namespace {

struct Tag {
  std::u16string_view text;
  std::int32_t color;
};

constexpr std::array<Tag, 7> kTags{{
    {u"[green]", 0x00FF00},
    {u"[yellow]", 0x00FFFF},
    {u"[red]", 0x0000FF},
    {u"[magenta]", 0xFF00FF},
    {u"[white]", 0xFFFFFF},
    {u"[gray]", 0x7D7D7D},
    {u"[lightgray]", 0xC8C8C8},
}};
constexpr std::u16string_view kResetTag = u"[/]";

constexpr std::array<std::int32_t, 3> kParenthesesOnLight{0x00FF00, 0xFF00FF, 0x00FFFF};
constexpr std::array<std::int32_t, 3> kParenthesesOnBlack{0xFF0000, 0xFF00FF, 0x00FF00};

constexpr std::int32_t kLightGray = 0xC8C8C8;
constexpr std::int32_t kDarkGray = 0x3C3C3C;

bool IsBreak(char16_t c) {
  return TextRenderer::kBreakCharacters.find(c) != std::u16string_view::npos;
}

}  // namespace

draw::Surface* TextRenderer::Target() const { return target_ ? target_ : draw::current::Get(); }

int TextRenderer::TextWidth(std::u16string_view text) const {
  return font_ ? font_->TextWidth(text) : 0;
}

int TextRenderer::SingleLineWidth(std::u16string_view text) const {
  return text.find(u'\n') != std::u16string_view::npos ? 0 : TextWidth(text);
}

int TextRenderer::CharacterWidth(char16_t c) const {
  if (!font_) return 0;
  const draw::Glyph& g = font_->GlyphOf(c);
  if (g.width == 0) return 0;
  return g.left + g.width + g.right + font_->Spacing();
}

int TextRenderer::LineHeight() const { return font_ ? font_->Height() : 0; }

// The colour in force at the start of a layout.
std::int32_t TextRenderer::StartColor() const {
  if (!NativeIsBlack()) return color_;
  return color_ == kLightGray ? kDarkGray : 0;
}

std::int32_t TextRenderer::ParenthesisColor(int depth) const {
  const auto& colors = NativeIsBlack() ? kParenthesesOnBlack : kParenthesesOnLight;
  return colors[static_cast<std::size_t>(depth % 3)];
}

// Applies a consumed "[...]" to the colour in force; false for an unknown word.
bool TextRenderer::ApplyTag(std::u16string_view tag, std::int32_t* color) const {
  if (tag == kResetTag) {
    *color = color_;
    return true;
  }
  for (const Tag& t : kTags) {
    if (tag == t.text) {
      *color = t.color;
      return true;
    }
  }
  return false;
}

void TextRenderer::Push(std::size_t count, const GlyphRecord& record) {
  if (glyphs_.size() <= count) glyphs_.resize(std::max<std::size_t>(count + 1, glyphs_.size() * 2));
  glyphs_[count] = record;
}

int TextRenderer::LayOut(std::u16string_view text, const draw::Rect& rect, bool color_parentheses) {
  glyph_count_ = 0;
  if (!font_) {
    Push(0, GlyphRecord{rect.left, rect.top, 0, kNoColor, 0, 0});
    return 0;
  }
  const int line_height = LineHeight();
  const bool tags_apply = !NativeIsBlack();
  int x = rect.left;
  int y = rect.top;
  int lines = 1;
  std::int32_t color = StartColor();
  int depth = 0;

  // Where to restart when the line overflows: just after its last break character.
  struct Break {
    bool valid = false;
    std::size_t next = 0;
    std::size_t glyphs = 0;
    std::int32_t color = kNoColor;
    int depth = 0;
  } last_break;

  // Moves to the next line; false when that line starts below the rectangle.
  auto new_line = [&] {
    x = rect.left;
    y += line_height;
    ++lines;
    last_break.valid = false;
    return y < rect.bottom;
  };

  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c == u'\n') {
      ++i;
      if (!new_line()) break;
      continue;
    }
    if (c == u'[') {
      const std::size_t close = text.find(u']', i);
      const std::size_t end = close == std::u16string_view::npos ? text.size() : close + 1;
      if (tags_apply) ApplyTag(text.substr(i, end - i), &color);
      i = end;
      continue;
    }
    std::int32_t glyph_color = color;
    int next_depth = depth;
    if (color_parentheses && c == u'(') {
      glyph_color = ParenthesisColor(depth);
      next_depth = depth + 1;
    } else if (color_parentheses && c == u')') {
      next_depth = std::max(depth - 1, 0);  // an unmatched ")" stays at the top level
      glyph_color = ParenthesisColor(next_depth);
    }
    const int width = CharacterWidth(c);
    // A glyph at the start of a line never wraps, so every line takes one.
    if (x + width > rect.right && x > rect.left) {
      const Break restart = last_break;
      if (!new_line()) break;
      if (restart.valid) {
        glyph_count_ = restart.glyphs;
        i = restart.next;
        color = restart.color;
        depth = restart.depth;
        continue;
      }
    }
    Push(glyph_count_++, GlyphRecord{x, y, width, glyph_color, c, static_cast<std::int32_t>(i)});
    const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
    x += width + (next ? font_->Kerning(c, next) : 0);
    depth = next_depth;
    ++i;
    if (IsBreak(c)) last_break = Break{true, i, glyph_count_, color, depth};
  }
  // The terminator keeps the pen position after the last glyph.
  Push(glyph_count_, GlyphRecord{x, y, 0, kNoColor, 0, static_cast<std::int32_t>(i)});
  return lines;
}

draw::DrawResult TextRenderer::DrawText(draw::Surface& dest, std::u16string_view text, int x, int y,
                                        std::int32_t color) const {
  std::uint32_t flags = 0;
  draw::BlitEffect effect;
  if (color != 0 && color != kNoColor && static_cast<std::uint32_t>(color) != native_color_) {
    flags = NativeIsBlack() ? draw::blit_flags::kScreen : draw::blit_flags::kMultiply;
    effect.effect_color = static_cast<draw::Color>(color);
  }
  return draw::DrawText(dest, x, y, text, *font_, flags, flags ? &effect : nullptr);
}

draw::DrawResult TextRenderer::DrawGlyph(draw::Surface& dest, const GlyphRecord& glyph) const {
  const std::u16string_view one(&glyph.character, 1);
  // A lone glyph is drawn at its pen position plus its left offset.
  return DrawText(dest, one, glyph.x + font_->GlyphOf(glyph.character).left, glyph.y, glyph.color);
}

draw::DrawResult TextRenderer::DrawGlyphs(draw::Surface& dest, const GlyphRecord* first,
                                          const GlyphRecord* last, int dx, int dy) const {
  if (!font_) return draw::kNoPixels;
  const draw::Rect clip = dest.ClipRect();
  const int line_height = LineHeight();
  for (const GlyphRecord* g = first; g != last; ++g) {
    if (g->character == 0) continue;
    const int x = g->x + dx;
    const int y = g->y + dy;
    if (y >= clip.bottom || y + line_height <= clip.top) continue;
    if (x >= clip.right || x + g->advance <= clip.left) continue;
    GlyphRecord moved = *g;
    moved.x = x;
    moved.y = y;
    const draw::DrawResult r = DrawGlyph(dest, moved);
    if (draw::Failed(r)) return r;
  }
  return draw::kOk;
}

draw::DrawResult TextRenderer::DrawLayout() {
  draw::Surface* dest = Target();
  if (!dest) return draw::kNoPixels;
  if (!font_) return draw::kNoPixels;
  for (std::size_t i = 0; i < glyph_count_; ++i) {
    const draw::DrawResult r = DrawGlyph(*dest, glyphs_[i]);
    if (draw::Failed(r)) return r;
  }
  return draw::kOk;
}

draw::DrawResult TextRenderer::DrawPlain(std::u16string_view text, int x, int y,
                                         std::int32_t color) {
  draw::Surface* dest = Target();
  if (!dest || !font_) return draw::kNoPixels;
  // Text of a black font is always drawn black.
  return DrawText(*dest, text, x, y, NativeIsBlack() ? kNoColor : color);
}

draw::DrawResult TextRenderer::DrawPlainTinted(std::u16string_view text, int x, int y,
                                               draw::Color color) {
  draw::Surface* dest = Target();
  if (!dest || !font_) return draw::kNoPixels;
  // Colour 0 means "untinted" to the glyph drawing; the darkest tint stands in.
  const draw::Color tint = color == 0 && !NativeIsBlack() ? 0x010101 : color;
  return DrawText(*dest, text, x, y, static_cast<std::int32_t>(tint));
}

std::u16string TextRenderer::Truncated(std::u16string_view text, int max_width) const {
  if (max_width <= 16 || TextWidth(text) <= max_width) return std::u16string(text);
  constexpr std::u16string_view kEllipsis = u"...";
  // Start from the longest prefix whose advances fit, then shorten until the
  // exact measure of prefix + "..." fits.
  std::size_t n = 0;
  for (int pen = 0; n < text.size(); ++n) {
    pen += CharacterWidth(text[n]);
    if (pen > max_width) break;
  }
  std::u16string candidate;
  for (;; --n) {
    candidate.assign(text.substr(0, n));
    candidate += kEllipsis;
    if (n == 0 || TextWidth(candidate) <= max_width) return candidate;
  }
}

draw::DrawResult TextRenderer::DrawPlainTruncated(std::u16string_view text, int x, int y,
                                                  int max_width) {
  return DrawPlain(Truncated(text, max_width), x, y, color_);
}

int TextRenderer::DrawMarkupIn(std::u16string_view text, const draw::Rect& rect,
                               bool color_parentheses) {
  const int lines = LayOut(text, rect, color_parentheses);
  DrawLayout();
  return lines;
}

int TextRenderer::DrawMarkup(std::u16string_view text, int x, int y, std::int32_t color) {
  draw::Surface* dest = Target();
  if (!dest || !font_) return 0;
  if (color != kNoColor) color_ = color;
  const draw::Rect rect{x, y, dest->Width() - right_margin_, dest->ClipRect().bottom};
  const int lines = DrawMarkupIn(text, rect, false);
  if (color != kNoColor) color_ = kNoColor;
  return lines;
}

int TextRenderer::HitTest(std::u16string_view text, const draw::Rect& rect, int px, int py) {
  LayOut(text, rect, false);
  const int line_height = LineHeight();
  for (std::size_t i = 0; i < glyph_count_; ++i) {
    const GlyphRecord& g = glyphs_[i];
    if (px >= g.x && px < g.x + g.advance && py >= g.y && py < g.y + line_height) {
      return static_cast<int>(i);
    }
  }
  return kNotFound;
}

draw::Rect TextRenderer::GlyphBox(std::u16string_view text, const draw::Rect& rect, int index) {
  LayOut(text, rect, false);
  if (index < 0 || static_cast<std::size_t>(index) > glyph_count_) return draw::Rect{};
  const GlyphRecord& g = glyphs_[static_cast<std::size_t>(index)];
  // The terminator's box lies just after the last glyph, a space wide.
  const int width = g.character ? CharacterWidth(g.character) : SpaceWidth();
  return draw::Rect{g.x, g.y, g.x + width, g.y + LineHeight()};
}

}  // namespace zentrix::ui
