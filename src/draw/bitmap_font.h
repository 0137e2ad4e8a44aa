#pragma once
// Proportional bitmap fonts cut from a font image, text measuring and drawing.
//
// Default font image layout: the top pixel row is a marker row and the glyphs sit
// in the rows below it (font height = image height - 1). For each character of
// the character list, in order, the marker row holds one run of white pixels
// (0xFFFFFF) spanning the character's advance cell; runs are separated by at
// least one column whose marker pixel is not white and which has no ink. Ink is
// any glyph-row pixel that differs from the image's colour key. Every character
// but the space needs at least one ink column in its cell. A glyph starts at its
// first ink column (the space: at its run's first column) and ends before the
// first later column with neither ink nor a white marker; the left offset is the
// glyph start minus the run start, the right offset the run end minus the glyph
// end. The number of runs must equal the number of characters.
//
// Flag kFontNoMarkerRow: no marker row; glyphs are separated by columns that are
// entirely the colour key, the height is the image height, and every character
// (the space too) needs ink.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "draw/draw_result.h"
#include "draw/surface.h"

namespace zentrix::draw {

constexpr std::uint32_t kFontNoMarkerRow = 0x02;

// The default character list: space to "~", then "_" once more.
extern const std::u16string_view kDefaultFontCharacters;

struct Glyph {
  int start = 0;  // first column in the font image
  int width = 0;  // 0: the character is not in the font
  int left = 0;   // left offset inside the advance cell
  int right = 0;  // right offset inside the advance cell
};

class BitmapFont {
 public:
  BitmapFont() = default;
  BitmapFont(BitmapFont&&) noexcept = default;
  BitmapFont& operator=(BitmapFont&&) noexcept = default;

  // Cuts the font from `image` (taken over; its colour key is the background).
  // An empty character list means kDefaultFontCharacters; only the low 8 bits of
  // each character index the tables. `height` > 0 limits the glyph rows drawn
  // (it must not exceed the available rows). Results: kOk, kInvalidImage for a
  // font image that does not match the list, kInvalidArgument, kNoPixels and the
  // surface readiness checks. On failure the font is left empty.
  DrawResult Create(Surface image, std::u16string_view characters = {}, int spacing = 0,
                    std::uint32_t flags = 0, int height = 0);
  void Destroy();

  bool IsCreated() const { return image_.HasPixels(); }
  int Height() const { return height_; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { spacing_ = spacing; }
  const Glyph& GlyphOf(char16_t c) const { return glyphs_[c & 0xFF]; }
  const Surface& Image() const { return image_; }
  // The image row where glyphs begin (1 below a marker row, else 0).
  int TopRow() const { return top_; }

  // Kerning: an extra advance (may be negative) between a pair of characters
  // (low 8 bits of each). Setting a pair again replaces it; 0 removes it.
  void SetKerning(char16_t first, char16_t second, int adjust);
  int Kerning(char16_t first, char16_t second) const;

  // The width the text takes when drawn.
  int TextWidth(std::u16string_view text) const;

 private:
  DrawResult CutWithMarkers(std::u16string_view characters);
  DrawResult CutWithoutMarkers(std::u16string_view characters);

  struct KerningPair {
    std::uint8_t first;
    std::uint8_t second;
    int adjust;
  };

  Surface image_;
  int height_ = 0;
  int top_ = 0;  // first glyph row in the image
  int spacing_ = 0;
  std::array<Glyph, 256> glyphs_{};
  std::vector<KerningPair> kerning_;
};

// Text flags.
namespace text_flags {
constexpr std::uint32_t kCenter = 0x02;  // x is the text's centre
constexpr std::uint32_t kRight = 0x04;   // x is the text's right end (wins over kCenter)
// blit_flags::kStrength, kMultiply and kScreen tint the glyphs with `effect`.
}  // namespace text_flags

// Draws the text with its top-left at (x, y) (see text_flags), each glyph blitted
// with the font image's colour key.
DrawResult DrawText(Surface& dest, int x, int y, std::u16string_view text, const BitmapFont& font,
                    std::uint32_t flags = 0, const BlitEffect* effect = nullptr);

}  // namespace zentrix::draw
