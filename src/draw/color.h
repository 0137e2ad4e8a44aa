#pragma once
// Conversions between 32-bit colours (0x00BBGGRR, red in the low byte) and the
// layer's 16-bit pixels in RGB 5-6-5 or RGB 5-5-5.

#include <cstdint>

namespace zentrix::draw {

using Color = std::uint32_t;  // 0x00BBGGRR
using Pixel = std::uint16_t;

enum class PixelFormat { kRgb565, kRgb555 };

constexpr std::uint32_t RedOf(Color c) { return c & 0xFF; }
constexpr std::uint32_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr std::uint32_t BlueOf(Color c) { return (c >> 16) & 0xFF; }
constexpr Color MakeColor(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

constexpr Pixel ColorToPixel565(Color c) {
  return static_cast<Pixel>(((RedOf(c) >> 3) << 11) | ((GreenOf(c) >> 2) << 5) | (BlueOf(c) >> 3));
}
constexpr Color PixelToColor565(Pixel p) {
  return MakeColor(((p >> 11) & 0x1F) << 3, ((p >> 5) & 0x3F) << 2, (p & 0x1F) << 3);
}
constexpr Pixel ColorToPixel555(Color c) {
  return static_cast<Pixel>(((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) | (BlueOf(c) >> 3));
}
constexpr Color PixelToColor555(Pixel p) {
  return MakeColor(((p >> 10) & 0x1F) << 3, ((p >> 5) & 0x1F) << 3, (p & 0x1F) << 3);
}

constexpr Pixel ColorToPixel(Color c, PixelFormat f) {
  return f == PixelFormat::kRgb565 ? ColorToPixel565(c) : ColorToPixel555(c);
}
constexpr Color PixelToColor(Pixel p, PixelFormat f) {
  return f == PixelFormat::kRgb565 ? PixelToColor565(p) : PixelToColor555(p);
}

}  // namespace zentrix::draw
