// Rectangle fills. A flagless fill of a whole system-memory surface is one word
// fill over the buffer (pixel pairs as 32-bit words, which the even-rounded
// buffer allows); other fills run row by row.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>

#include "draw/pixel_ops.h"
#include "draw/surface.h"

namespace zentrix::draw {

namespace {

// wchar_t is a 32-bit word here, so the C library's tuned wmemset is the word fill.
static_assert(sizeof(wchar_t) == 4);

void FillWords(Pixel* buffer, std::size_t pixel_count, Pixel pixel) {
  const std::uint32_t pair = static_cast<std::uint32_t>(pixel) * 0x00010001u;
  std::wmemset(reinterpret_cast<wchar_t*>(buffer), static_cast<wchar_t>(pair), pixel_count / 2);
}

}  // namespace

DrawResult Surface::FillRect(const Rect* rect, Color color, std::uint32_t flags,
                             const BlitEffect* effect) {
  DrawResult r = CheckReady();
  if (Failed(r)) return r;
  if (flags & ~fill_flags::kOpacity) return kInvalidArgument;
  const bool blend = flags != 0;
  if (blend && (!effect || effect->opacity > 255)) return kInvalidArgument;
  if (blend && effect->opacity == 0) return kOk;

  const Rect clip = EffectiveClip();
  const Rect area = (rect ? *rect : Bounds()).Intersect(clip);
  if (area.Empty()) return kOk;
  const PixelFormat format = Context().format;
  const Pixel pixel = ColorToPixel(color, format);

  if (!blend && area == Bounds() &&
      (flags_ & surface_flags::kPlacementMask) == surface_flags::kSystemMemory) {
    FillWords(pixels_.get(), buffer_bytes_ / sizeof(Pixel), pixel);
    return kOk;
  }
  const pixel_ops::Layout layout = pixel_ops::LayoutOf(format);
  for (int y = area.top; y < area.bottom; ++y) {
    Pixel* row = Row(y);
    if (!blend) {
      std::fill(row + area.left, row + area.right, pixel);
      continue;
    }
    for (int x = area.left; x < area.right; ++x) {
      row[x] = pixel_ops::Blend(row[x], pixel, effect->opacity, layout);
    }
  }
  return kOk;
}

}  // namespace zentrix::draw
