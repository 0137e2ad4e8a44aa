#include "tools/skin/font_image.h"

#include <algorithm>

#include "engine/core/charset.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::skin {

namespace {

constexpr char32_t kHollowBox = 0x25A1;
// Coverage below this is left as background, so that faint edge pixels never
// show as specks on coloured backgrounds.
constexpr int kMinCoverage = 36;

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < s.size(); ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    out += cp;
    i += length;
  }
  return out;
}

}  // namespace

std::u32string CodePointsOf(char16_t program_char) {
  if (program_char < 128) return std::u32string(1, program_char);
  const std::string_view utf8 = chars::Utf8Of(program_char);
  if (utf8.empty()) return std::u32string(1, kHollowBox);
  return DecodeUtf8(utf8);
}

draw::DrawResult BuildFontImage(FontFace& face, const FontImageLayout& layout, draw::Surface* out,
                                std::string* error) {
  if (!face.SetPixelSize(layout.pixel_size)) {
    *error = "unusable font size " + std::to_string(layout.pixel_size);
    return draw::kInvalidArgument;
  }
  const std::u16string_view characters = ui::kSkinFontCharacters;
  std::vector<GlyphBitmap> glyphs(characters.size());
  int ascent = face.Ascender(), descent = face.Descender();
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (!face.RenderRun(CodePointsOf(characters[i]), &glyphs[i])) {
      *error = "the typeface has no glyph for character " + std::to_string(characters[i]);
      return draw::kInvalidImage;
    }
    const GlyphBitmap& g = glyphs[i];
    if (characters[i] != u' ' && g.width == 0) {
      *error = "empty glyph for character " + std::to_string(characters[i]);
      return draw::kInvalidImage;
    }
    if (g.width > 0) {
      ascent = std::max(ascent, g.top);
      descent = std::max(descent, g.rows - g.top);
    }
  }

  // Cells: the run spans the advance less the spacing, and always the ink.
  struct Cell {
    int x;      // run start
    int width;  // run width
    int ink_x;  // ink start inside the run
  };
  std::vector<Cell> cells(characters.size());
  int width = 0;
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const GlyphBitmap& g = glyphs[i];
    const int bearing = std::max(0, g.left);
    const int run = std::max({1, g.advance - ui::kFontSpacing, bearing + g.width});
    cells[i] = Cell{width, run, bearing};
    width += run + 1;  // one separating column
  }

  const int height = ascent + descent;
  out->SetColorKey(layout.key);
  draw::DrawResult r = out->Create(draw::surface_flags::kClear, width, height + 1);
  if (draw::Failed(r)) return r;
  const draw::Pixel key = draw::Surface::ToPixel(layout.key);
  const draw::Pixel white = draw::Surface::ToPixel(0xFFFFFF);
  const Rgb background =
      Hex(((layout.key & 0xFF) << 16) | (layout.key & 0xFF00) | ((layout.key >> 16) & 0xFF));
  for (int y = 0; y <= height; ++y) std::fill(out->Row(y), out->Row(y) + width, key);
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const GlyphBitmap& g = glyphs[i];
    const Cell& cell = cells[i];
    std::fill(out->Row(0) + cell.x, out->Row(0) + cell.x + cell.width, white);
    const int top = 1 + ascent - g.top;
    for (int y = 0; y < g.rows; ++y) {
      draw::Pixel* row = out->Row(top + y);
      for (int x = 0; x < g.width; ++x) {
        const int c = g.coverage[static_cast<std::size_t>(y) * g.width + x];
        if (c < kMinCoverage) continue;
        const draw::Pixel p =
            draw::Surface::ToPixel(ToColor(Mix(background, layout.ink, c / 255.0f)));
        // A pixel that rounds onto the key would not count as ink.
        row[cell.x + cell.ink_x + x] = p == key ? static_cast<draw::Pixel>(key ^ 0x0020) : p;
      }
    }
  }
  return draw::kOk;
}

}  // namespace zentrix::skin
