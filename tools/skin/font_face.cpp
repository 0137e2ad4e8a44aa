#include "tools/skin/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace zentrix::skin {

struct FontFace::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Impl() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

FontFace::~FontFace() = default;

std::unique_ptr<FontFace> FontFace::Open(const std::string& path, std::string* error) {
  std::unique_ptr<FontFace> font(new FontFace());
  font->impl_ = std::make_unique<Impl>();
  if (FT_Init_FreeType(&font->impl_->library) != 0) {
    *error = "FreeType could not be initialised";
    return nullptr;
  }
  if (FT_New_Face(font->impl_->library, path.c_str(), 0, &font->impl_->face) != 0) {
    *error = "cannot read the font file " + path;
    return nullptr;
  }
  if (!FT_IS_SCALABLE(font->impl_->face)) {
    *error = "the font file " + path + " is not a scalable font";
    return nullptr;
  }
  return font;
}

bool FontFace::SetPixelSize(int pixels) {
  return pixels > 0 && pixels <= 256 && FT_Set_Pixel_Sizes(impl_->face, 0, pixels) == 0;
}

bool FontFace::HasGlyph(char32_t code_point) const {
  return FT_Get_Char_Index(impl_->face, code_point) != 0;
}

bool FontFace::Render(char32_t code_point, GlyphBitmap* out) {
  const FT_UInt index = FT_Get_Char_Index(impl_->face, code_point);
  if (index == 0) return false;
  if (FT_Load_Glyph(impl_->face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) != 0) return false;
  FT_GlyphSlot slot = impl_->face->glyph;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_Bitmap& bitmap = slot->bitmap;
  out->left = slot->bitmap_left;
  out->top = slot->bitmap_top;
  out->width = static_cast<int>(bitmap.width);
  out->rows = static_cast<int>(bitmap.rows);
  out->advance = static_cast<int>((slot->advance.x + 32) >> 6);
  out->coverage.assign(static_cast<std::size_t>(out->width) * out->rows, 0);
  for (int y = 0; y < out->rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::copy(row, row + out->width,
              out->coverage.begin() + static_cast<std::ptrdiff_t>(y) * out->width);
  }
  return true;
}

bool FontFace::RenderRun(const std::u32string& code_points, GlyphBitmap* out) {
  std::vector<GlyphBitmap> parts(code_points.size());
  int pen = 0, left = 0, right = 0, top = 0, bottom = 0;
  std::vector<int> origins;
  for (std::size_t i = 0; i < code_points.size(); ++i) {
    if (!Render(code_points[i], &parts[i])) return false;
    const GlyphBitmap& g = parts[i];
    origins.push_back(pen);
    if (g.width > 0 && g.rows > 0) {
      const bool first = left == right;
      const int l = pen + g.left, r = pen + g.left + g.width;
      left = first ? l : std::min(left, l);
      right = first ? r : std::max(right, r);
      top = first ? g.top : std::max(top, g.top);
      bottom = first ? g.top - g.rows : std::min(bottom, g.top - g.rows);
    }
    pen += g.advance;
  }
  out->left = left;
  out->top = top;
  out->width = right - left;
  out->rows = top - bottom;
  out->advance = pen;
  out->coverage.assign(static_cast<std::size_t>(out->width) * out->rows, 0);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const GlyphBitmap& g = parts[i];
    const int dx = origins[i] + g.left - left, dy = top - g.top;
    for (int y = 0; y < g.rows; ++y) {
      for (int x = 0; x < g.width; ++x) {
        std::uint8_t& dst = out->coverage[static_cast<std::size_t>(dy + y) * out->width + dx + x];
        dst = std::max(dst, g.coverage[static_cast<std::size_t>(y) * g.width + x]);
      }
    }
  }
  return true;
}

int FontFace::Ascender() const {
  return static_cast<int>((impl_->face->size->metrics.ascender + 63) >> 6);
}

int FontFace::Descender() const {
  return static_cast<int>((-impl_->face->size->metrics.descender + 63) >> 6);
}

}  // namespace zentrix::skin
