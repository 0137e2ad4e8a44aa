#include "draw/bitmap_font.h"

#include <algorithm>
#include <vector>

namespace zentrix::draw {

namespace {

constexpr char16_t kDefaultList[] =
    u" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    u"abcdefghijklmnopqrstuvwxyz{|}~_";

struct Cut {
  int start;
  int end;  // exclusive
};

}  // namespace

const std::u16string_view kDefaultFontCharacters(kDefaultList, sizeof(kDefaultList) / 2 - 1);

DrawResult BitmapFont::Create(Surface image, std::u16string_view characters, int spacing,
                              std::uint32_t flags, int height) {
  Destroy();
  DrawResult r = image.CheckReady();
  if (Failed(r)) return r;
  if ((flags & ~kFontNoMarkerRow) || height < 0) return kInvalidArgument;
  if (characters.empty()) characters = kDefaultFontCharacters;
  const bool markers = (flags & kFontNoMarkerRow) == 0;
  top_ = markers ? 1 : 0;
  const int rows = image.Height() - top_;
  if (rows < 1) return kInvalidImage;
  if (height > rows) return kInvalidArgument;
  height_ = height > 0 ? height : rows;
  spacing_ = spacing;
  image_ = std::move(image);
  r = markers ? CutWithMarkers(characters) : CutWithoutMarkers(characters);
  if (Failed(r)) Destroy();
  return r;
}

void BitmapFont::Destroy() {
  image_.Destroy();
  height_ = top_ = spacing_ = 0;
  glyphs_.fill(Glyph{});
  kerning_.clear();
}

namespace {

// Which columns hold ink: any pixel of rows [top, bottom) that is not the key.
std::vector<bool> InkColumns(const Surface& image, int top, int bottom) {
  const Pixel key = Surface::ToPixel(image.ColorKey());
  std::vector<bool> ink(image.Width(), false);
  for (int y = top; y < bottom; ++y) {
    const Pixel* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      if (row[x] != key) ink[x] = true;
    }
  }
  return ink;
}

}  // namespace

DrawResult BitmapFont::CutWithMarkers(std::u16string_view characters) {
  const int width = image_.Width();
  const std::vector<bool> ink = InkColumns(image_, 1, image_.Height());
  const Pixel white = Surface::ToPixel(0xFFFFFF);
  std::vector<bool> marker(width);
  for (int x = 0; x < width; ++x) marker[x] = image_.Row(0)[x] == white;

  std::vector<Cut> cuts;
  int column = 0;
  for (char16_t c : characters) {
    const std::vector<bool>& starts = c == u' ' ? marker : ink;
    while (column < width && !starts[column]) ++column;
    if (column >= width) return kInvalidImage;  // a character without its glyph
    int end = column + 1;
    while (end < width && (ink[end] || marker[end])) ++end;
    cuts.push_back(Cut{column, end});
    column = end;
  }
  std::vector<Cut> runs;
  for (int x = 0; x < width;) {
    if (!marker[x]) {
      ++x;
      continue;
    }
    int end = x;
    while (end < width && marker[end]) ++end;
    runs.push_back(Cut{x, end});
    x = end;
  }
  if (runs.size() != cuts.size()) return kInvalidImage;
  for (std::size_t i = 0; i < cuts.size(); ++i) {
    glyphs_[characters[i] & 0xFF] = Glyph{cuts[i].start, cuts[i].end - cuts[i].start,
                                          cuts[i].start - runs[i].start, runs[i].end - cuts[i].end};
  }
  return kOk;
}

DrawResult BitmapFont::CutWithoutMarkers(std::u16string_view characters) {
  const int width = image_.Width();
  const std::vector<bool> ink = InkColumns(image_, 0, image_.Height());
  int column = 0;
  for (char16_t c : characters) {
    while (column < width && !ink[column]) ++column;
    if (column >= width) return kInvalidImage;
    int end = column + 1;
    while (end < width && ink[end]) ++end;
    glyphs_[c & 0xFF] = Glyph{column, end - column, 0, 0};
    column = end;
  }
  while (column < width && !ink[column]) ++column;
  if (column < width) return kInvalidImage;  // more glyphs than characters
  return kOk;
}

void BitmapFont::SetKerning(char16_t first, char16_t second, int adjust) {
  const auto a = static_cast<std::uint8_t>(first), b = static_cast<std::uint8_t>(second);
  auto it = std::find_if(kerning_.begin(), kerning_.end(),
                         [&](const KerningPair& p) { return p.first == a && p.second == b; });
  if (it != kerning_.end()) {
    if (adjust == 0) {
      kerning_.erase(it);
    } else {
      it->adjust = adjust;
    }
  } else if (adjust != 0) {
    kerning_.push_back(KerningPair{a, b, adjust});
  }
}

int BitmapFont::Kerning(char16_t first, char16_t second) const {
  const auto a = static_cast<std::uint8_t>(first), b = static_cast<std::uint8_t>(second);
  for (const KerningPair& p : kerning_) {
    if (p.first == a && p.second == b) return p.adjust;
  }
  return 0;
}

int BitmapFont::TextWidth(std::u16string_view text) const {
  long long pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph& g = GlyphOf(text[i]);
    if (i > 0) pen += g.left + Kerning(text[i - 1], text[i]);
    if (g.width == 0) continue;
    pen += g.width;
    if (i + 1 < text.size()) pen += spacing_ + g.right;
  }
  return static_cast<int>(std::clamp<long long>(pen, -(1 << 30), 1 << 30));
}

DrawResult DrawText(Surface& dest, int x, int y, std::u16string_view text, const BitmapFont& font,
                    std::uint32_t flags, const BlitEffect* effect) {
  DrawResult r = dest.CheckReady();
  if (Failed(r)) return r;
  if (!font.IsCreated()) return kNoPixels;
  const std::uint32_t tints = blit_flags::kStrength | blit_flags::kMultiply | blit_flags::kScreen;
  if (flags & ~(text_flags::kCenter | text_flags::kRight | tints | blit_flags::kColorKey)) {
    return kInvalidArgument;
  }
  std::uint32_t blit = blit_flags::kColorKey | (flags & tints);
  if (blit == (blit_flags::kColorKey | blit_flags::kStrength)) blit = blit_flags::kColorKey;
  long long pen_x = x;
  if (flags & text_flags::kRight) {
    pen_x -= font.TextWidth(text);
  } else if (flags & text_flags::kCenter) {
    pen_x -= font.TextWidth(text) / 2;
  }
  const Surface& image = font.Image();
  const int top = font.TopRow();
  long long pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph& g = font.GlyphOf(text[i]);
    if (i > 0) pen += g.left + font.Kerning(text[i - 1], text[i]);
    if (g.width == 0) continue;
    const long long gx = pen_x + pen;
    if (gx > -(1LL << 30) && gx < (1LL << 30)) {
      const Rect glyph{g.start, top, g.start + g.width, top + font.Height()};
      r = dest.Blit(static_cast<int>(gx), y, image, &glyph, blit, effect);
      if (Failed(r)) return r;
    }
    pen += g.width;
    if (i + 1 < text.size()) pen += font.Spacing() + g.right;
  }
  return kOk;
}

}  // namespace zentrix::draw
