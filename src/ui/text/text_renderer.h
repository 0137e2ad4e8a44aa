#pragma once
// Text through a bitmap font: plain one-line strings and MarkupText, i.e. text
// with line breaks, word wrapping inside a rectangle, the colour tags below and
// optional colouring of parentheses by nesting depth. The same layout pass finds
// the glyph under a point and the box of a glyph (the text box's caret).
//
// Tags: "[green]", "[yellow]", "[red]", "[magenta]", "[white]", "[gray]",
// "[lightgray]" set the colour of what follows; "[/]" returns to the caller's
// colour. Anything from "[" up to and including the next "]" (or the end of the
// text) is consumed and draws nothing. Fonts whose native colour is black (the
// Bright style) ignore the tags: their text is black, or dark grey when the
// caller asked for light grey.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draw/bitmap_font.h"
#include "draw/draw_result.h"
#include "draw/rect.h"
#include "draw/surface.h"

namespace zentrix::ui {

// Text with colour tags and line breaks, in the program's 16-bit characters.
using MarkupText = std::u16string;

// A colour value (0x00BBGGRR) or kNoColor: glyphs keep the font's native colour.
inline constexpr std::int32_t kNoColor = -1;

// One laid-out glyph. A record with character 0 ends the laid-out text.
struct GlyphRecord {
  std::int32_t x = 0;  // top-left corner
  std::int32_t y = 0;
  std::int32_t advance = 0;  // the character width
  std::int32_t color = kNoColor;
  char16_t character = 0;
  std::int32_t source = 0;  // index of the character in the laid-out text
};

class TextRenderer {
 public:
  // The break characters: a line that overflows is broken after the last of
  // these that it holds.
  static constexpr std::u16string_view kBreakCharacters = u" {}+-*^(),";
  // No glyph at the point.
  static constexpr int kNotFound = -1;

  TextRenderer() = default;
  // The font is not owned and must outlive the renderer's use of it.
  TextRenderer(const draw::BitmapFont* font, std::uint32_t native_color)
      : font_(font), native_color_(native_color) {}

  void SetFont(const draw::BitmapFont* font, std::uint32_t native_color) {
    font_ = font;
    native_color_ = native_color;
  }
  const draw::BitmapFont* Font() const { return font_; }
  std::uint32_t NativeColor() const { return native_color_; }
  bool NativeIsBlack() const { return native_color_ == 0; }

  // The surface drawn into; null means the current surface of the drawing
  // layer. Drawing is clipped to the target's clip rectangle.
  void SetTarget(draw::Surface* surface) { target_ = surface; }
  draw::Surface* Target() const;

  // The caller's colour: kNoColor or a colour. Callers set it before drawing and
  // reset it afterwards.
  void SetColor(std::int32_t color) { color_ = color; }
  void ResetColor() { color_ = kNoColor; }
  std::int32_t Color() const { return color_; }

  // Draw mark-up lays out up to the target's width less this margin.
  void SetRightMargin(int margin) { right_margin_ = margin; }
  int RightMargin() const { return right_margin_; }

  // Measures (no font: 0). TextWidth measures the whole string as drawn, tags
  // included; SingleLineWidth is 0 when the text holds a line break.
  int TextWidth(std::u16string_view text) const;
  int SingleLineWidth(std::u16string_view text) const;
  // The advance of one character inside a line: its glyph, its offsets and the
  // font's spacing; 0 for a character the font lacks.
  int CharacterWidth(char16_t c) const;
  int LineHeight() const;
  int SpaceWidth() const { return CharacterWidth(u' '); }

  // One line, no tags, no wrapping. The colour tints the text only for fonts
  // whose native colour is not black.
  draw::DrawResult DrawPlain(std::u16string_view text, int x, int y, std::int32_t color = kNoColor);
  // One line in the colour whatever the font's native colour, for text that
  // must stand apart from the text around it (the grey hint in an empty box):
  // a black font is lightened to the colour, a white one darkened to it.
  draw::DrawResult DrawPlainTinted(std::u16string_view text, int x, int y, draw::Color color);
  // As DrawPlain in the caller's colour, but a text wider than max_width (when
  // max_width > 16) loses characters from its end until it fits followed by
  // "...".
  draw::DrawResult DrawPlainTruncated(std::u16string_view text, int x, int y, int max_width);
  // The text DrawPlainTruncated draws.
  std::u16string Truncated(std::u16string_view text, int max_width) const;

  // Lays out and draws inside (x, y) .. (target width - right margin, clip
  // bottom). With a colour, the caller's colour is that colour for this call and
  // kNoColor afterwards. Returns the number of lines (0 without a target).
  int DrawMarkup(std::u16string_view text, int x, int y, std::int32_t color = kNoColor);
  // Lays out and draws inside the rectangle; returns the number of lines.
  int DrawMarkupIn(std::u16string_view text, const draw::Rect& rect, bool color_parentheses);

  // Fills the layout buffer without drawing; returns the number of lines.
  int LayOut(std::u16string_view text, const draw::Rect& rect, bool color_parentheses);
  // Draws the glyphs of the layout buffer as the last LayOut left them.
  draw::DrawResult DrawLayout();
  // Draws glyph records of a layout (for example one a text box keeps between
  // frames) moved by (dx, dy) into `dest`; records with character 0 draw
  // nothing, and glyphs wholly outside the clip rectangle are skipped.
  draw::DrawResult DrawGlyphs(draw::Surface& dest, const GlyphRecord* first,
                              const GlyphRecord* last, int dx = 0, int dy = 0) const;
  // The layout buffer, terminated by a record with character 0.
  const std::vector<GlyphRecord>& Glyphs() const { return glyphs_; }

  // The index of the glyph whose box (x, y, x + advance, y + line height) holds
  // the point, or kNotFound.
  int HitTest(std::u16string_view text, const draw::Rect& rect, int px, int py);
  // The box of glyph `index` (left, top, left + character width, top + line
  // height). Index = number of glyphs gives the box just after the last glyph,
  // a space wide (the caret at the end); other indices give an empty rectangle.
  draw::Rect GlyphBox(std::u16string_view text, const draw::Rect& rect, int index);

 private:
  std::int32_t StartColor() const;
  std::int32_t ParenthesisColor(int depth) const;
  bool ApplyTag(std::u16string_view tag, std::int32_t* color) const;
  void Push(std::size_t count, const GlyphRecord& record);
  draw::DrawResult DrawGlyph(draw::Surface& dest, const GlyphRecord& glyph) const;
  draw::DrawResult DrawText(draw::Surface& dest, std::u16string_view text, int x, int y,
                            std::int32_t color) const;

  const draw::BitmapFont* font_ = nullptr;
  std::uint32_t native_color_ = 0xFFFFFF;
  draw::Surface* target_ = nullptr;
  std::int32_t color_ = kNoColor;
  int right_margin_ = 0;
  std::vector<GlyphRecord> glyphs_;  // reused by every layout, never shrunk
  std::size_t glyph_count_ = 0;      // records in use, without the terminator
};

}  // namespace zentrix::ui
