#pragma once
// A FreeType face of the one typeface the skins use (DejaVu Sans), rendering
// grey-scale glyph bitmaps at a pixel size.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zentrix::skin {

inline constexpr const char* kDejaVuSansPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A rendered glyph: coverage rows (0..255) placed relative to the pen origin on
// the baseline (left to the right of it, top above it).
struct GlyphBitmap {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  int advance = 0;                     // whole pixels
  std::vector<std::uint8_t> coverage;  // rows × width
};

class FontFace {
 public:
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // Null with a reason in `error` when the file cannot be used.
  static std::unique_ptr<FontFace> Open(const std::string& path, std::string* error);

  bool SetPixelSize(int pixels);
  bool HasGlyph(char32_t code_point) const;
  // False when the face lacks the code point.
  bool Render(char32_t code_point, GlyphBitmap* out);
  // Renders code points one after the other into one bitmap.
  bool RenderRun(const std::u32string& code_points, GlyphBitmap* out);
  int Ascender() const;   // pixels above the baseline
  int Descender() const;  // pixels below it (positive)

 private:
  FontFace() = default;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zentrix::skin
