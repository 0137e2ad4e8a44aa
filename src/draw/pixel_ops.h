#pragma once
// Per-channel pixel arithmetic shared by the blit, fill and line loops: opacity
// blending and the multiply and screen tints, for RGB 5-6-5 and 5-5-5.

#include <array>
#include <cstdint>

#include "draw/color.h"

namespace zentrix::draw::pixel_ops {

struct Layout {
  int red_shift;
  int green_shift;
  int green_bits;
};

constexpr Layout LayoutOf(PixelFormat f) {
  return f == PixelFormat::kRgb565 ? Layout{11, 5, 6} : Layout{10, 5, 5};
}

// d + (r - d) * (alpha / 8) / 32 per channel; alpha 255 is the result itself.
inline int BlendChannel(int d, int r, int a32) { return d + (r - d) * a32 / 32; }

inline Pixel Blend(Pixel d, Pixel r, std::uint32_t alpha, const Layout& l) {
  if (alpha >= 255) return r;
  int a = static_cast<int>(alpha >> 3);
  int gmask = (1 << l.green_bits) - 1;
  int rr = BlendChannel((d >> l.red_shift) & 0x1F, (r >> l.red_shift) & 0x1F, a);
  int gg = BlendChannel((d >> l.green_shift) & gmask, (r >> l.green_shift) & gmask, a);
  int bb = BlendChannel(d & 0x1F, r & 0x1F, a);
  return static_cast<Pixel>((rr << l.red_shift) | (gg << l.green_shift) | bb);
}

// A channel value of `bits` bits widened to 8 bits by repeating its top bits.
constexpr int Widen(int v, int bits) { return (v << (8 - bits)) | (v >> (2 * bits - 8)); }

// s * c / 256 on 8-bit values, with c + 1 so that a full channel keeps c exactly.
constexpr int Multiply8(int s8, int c8) { return (s8 * (c8 + 1)) >> 8; }
constexpr int Screen8(int s8, int c8) { return 255 - Multiply8(255 - s8, 255 - c8); }

// Lookup tables of one tint for one colour: channel value -> tinted value.
struct TintTables {
  std::array<std::uint16_t, 32> red{};
  std::array<std::uint16_t, 64> green{};
  std::array<std::uint16_t, 32> blue{};
  Layout layout{};

  Pixel Apply(Pixel p) const {
    int gmask = (1 << layout.green_bits) - 1;
    return static_cast<Pixel>(red[(p >> layout.red_shift) & 0x1F] |
                              green[(p >> layout.green_shift) & gmask] | blue[p & 0x1F]);
  }
};

inline TintTables MakeTint(bool screen, Color color, PixelFormat f) {
  TintTables t;
  t.layout = LayoutOf(f);
  auto tint = [&](int v, int bits, int c8) {
    int s8 = Widen(v, bits);
    int r8 = screen ? Screen8(s8, c8) : Multiply8(s8, c8);
    return r8 >> (8 - bits);
  };
  for (int v = 0; v < 32; ++v) {
    t.red[v] = static_cast<std::uint16_t>(tint(v, 5, RedOf(color)) << t.layout.red_shift);
    t.blue[v] = static_cast<std::uint16_t>(tint(v, 5, BlueOf(color)));
  }
  for (int v = 0; v < (1 << t.layout.green_bits); ++v) {
    t.green[v] = static_cast<std::uint16_t>(tint(v, t.layout.green_bits, GreenOf(color))
                                            << t.layout.green_shift);
  }
  return t;
}

}  // namespace zentrix::draw::pixel_ops
