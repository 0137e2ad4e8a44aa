// Blits. Plain copies move whole rows with memcpy (a full copy between surfaces of
// identical geometry is one block copy); every combination of colour key, fill,
// tint, strength and opacity has its own inner loop, picked once per blit.

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "draw/pixel_ops.h"
#include "draw/surface.h"

namespace zentrix::draw {

namespace {

using i64 = std::int64_t;

struct RowParams {
  Pixel key;
  Pixel fill;
  std::uint32_t opacity;
  std::uint32_t strength;
  pixel_ops::TintTables tint;
};

template <bool kKey, bool kFill, bool kTint, bool kStrength, bool kOpacity>
void RowLoop(const Pixel* src, Pixel* dst, int n, const RowParams& p) {
  for (int i = 0; i < n; ++i) {
    const Pixel s = src[i];
    if constexpr (kKey) {
      if (s == p.key) continue;
    }
    Pixel v = kFill ? p.fill : s;
    if constexpr (kTint) {
      const Pixel t = p.tint.Apply(v);
      v = kStrength ? pixel_ops::Blend(v, t, p.strength, p.tint.layout) : t;
    }
    if constexpr (kOpacity) v = pixel_ops::Blend(dst[i], v, p.opacity, p.tint.layout);
    dst[i] = v;
  }
}

using RowFn = void (*)(const Pixel*, Pixel*, int, const RowParams&);

template <std::size_t... I>
constexpr std::array<RowFn, 32> MakeRowTable(std::index_sequence<I...>) {
  return {&RowLoop<(I & 1) != 0, (I & 2) != 0, (I & 4) != 0, (I & 8) != 0, (I & 16) != 0>...};
}
constexpr std::array<RowFn, 32> kRowFns = MakeRowTable(std::make_index_sequence<32>{});

// Text draws many glyphs in one tint; the tables of the last tint are kept.
const pixel_ops::TintTables& TintFor(bool screen, Color color, PixelFormat format) {
  struct Cache {
    bool valid = false;
    bool screen = false;
    Color color = 0;
    PixelFormat format = PixelFormat::kRgb565;
    pixel_ops::TintTables tables;
  };
  static Cache cache;
  if (!cache.valid || cache.screen != screen || cache.color != color || cache.format != format) {
    cache.tables = pixel_ops::MakeTint(screen, color, format);
    cache.valid = true;
    cache.screen = screen;
    cache.color = color;
    cache.format = format;
  }
  return cache.tables;
}

DrawResult CheckBlitFlags(std::uint32_t flags, const BlitEffect* effect) {
  // 0x40, 0x100 and 0x200 are not supported here; nothing in the program uses them.
  if (flags & ~std::uint32_t{0x3F}) return kInvalidArgument;
  const bool tint = (flags & (blit_flags::kMultiply | blit_flags::kScreen)) != 0;
  if (flags > 7 && !tint) return kInvalidArgument;
  const std::uint32_t needs_effect = blit_flags::kFill | blit_flags::kOpacity |
                                     blit_flags::kStrength | blit_flags::kMultiply |
                                     blit_flags::kScreen;
  if ((flags & needs_effect) && !effect) return kInvalidArgument;
  if (effect && (effect->opacity > 255 || effect->strength > 255)) return kInvalidArgument;
  return kOk;
}

}  // namespace

DrawResult Surface::Blit(int x, int y, const Surface& source, const Rect* source_rect,
                         std::uint32_t flags, const BlitEffect* effect) {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  r = source.CheckReady();
  if (Failed(r)) return r;
  r = CheckBlitFlags(flags, effect);
  if (Failed(r)) return r;
  if ((flags & blit_flags::kOpacity) && effect->opacity == 0) return kOk;

  // Clip the source rectangle to the source, then the destination to the clip
  // rectangle, moving the other side by the same amount.
  const Rect wanted = source_rect ? *source_rect : source.Bounds();
  const Rect src_area = wanted.Intersect(source.Bounds());
  if (src_area.Empty()) return kOk;
  const i64 dx0 = static_cast<i64>(x) + (src_area.left - wanted.left);
  const i64 dy0 = static_cast<i64>(y) + (src_area.top - wanted.top);
  const Rect clip = EffectiveClip();
  const i64 left = std::max<i64>(dx0, clip.left);
  const i64 top = std::max<i64>(dy0, clip.top);
  const i64 right = std::min<i64>(dx0 + src_area.Width(), clip.right);
  const i64 bottom = std::min<i64>(dy0 + src_area.Height(), clip.bottom);
  if (left >= right || top >= bottom) return kOk;
  const int width = static_cast<int>(right - left);
  const int height = static_cast<int>(bottom - top);
  const int sx = static_cast<int>(src_area.left + (left - dx0));
  const int sy = static_cast<int>(src_area.top + (top - dy0));
  const int dx = static_cast<int>(left), dy = static_cast<int>(top);

  // A blit within one surface reads from a copy when the areas overlap.
  const Pixel* src_base = source.Row(sy) + sx;
  std::size_t src_stride = static_cast<std::size_t>(source.y_step_);
  std::vector<Pixel> scratch;
  if (&source == this && Rect::FromSize(sx, sy, width, height)
                                 .Intersect(Rect::FromSize(dx, dy, width, height))
                                 .Empty() == false) {
    scratch.resize(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
      std::memcpy(&scratch[static_cast<std::size_t>(row) * width], source.Row(sy + row) + sx,
                  static_cast<std::size_t>(width) * sizeof(Pixel));
    }
    src_base = scratch.data();
    src_stride = static_cast<std::size_t>(width);
  }

  if (flags == 0) {
    if (&source != this && width == width_ && height == height_ && source.width_ == width_ &&
        source.height_ == height_ && source.y_step_ == y_step_ &&
        source.buffer_bytes_ == buffer_bytes_) {
      std::memcpy(pixels_.get(), source.pixels_.get(), buffer_bytes_);
      return kOk;
    }
    for (int row = 0; row < height; ++row) {
      std::memcpy(Row(dy + row) + dx, src_base + row * src_stride,
                  static_cast<std::size_t>(width) * sizeof(Pixel));
    }
    return kOk;
  }

  const PixelFormat format = Context().format;
  RowParams params{};
  params.key = ColorToPixel(source.color_key_, format);
  params.tint.layout = pixel_ops::LayoutOf(format);
  if (effect) {
    params.fill = ColorToPixel(effect->fill_color, format);
    params.opacity = effect->opacity;
    params.strength = effect->strength;
  }
  const bool multiply = (flags & blit_flags::kMultiply) != 0;
  const bool tint = multiply || (flags & blit_flags::kScreen);
  if (tint) params.tint = TintFor(!multiply, effect->effect_color, format);
  const std::size_t index = ((flags & blit_flags::kColorKey) ? 1 : 0) |
                            ((flags & blit_flags::kFill) ? 2 : 0) | (tint ? 4 : 0) |
                            ((tint && (flags & blit_flags::kStrength)) ? 8 : 0) |
                            ((flags & blit_flags::kOpacity) ? 16 : 0);
  const RowFn loop = kRowFns[index];
  for (int row = 0; row < height; ++row) {
    loop(src_base + row * src_stride, Row(dy + row) + dx, width, params);
  }
  return kOk;
}

}  // namespace zentrix::draw
