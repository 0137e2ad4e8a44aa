#pragma once
// Colours of graphs: 24-bit values with red in the low byte (0x00BBGGRR).

#include <cstdint>

namespace zentrix::graphing {

using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kMagenta = 0xFF00FF;
inline constexpr Colour kOrange = 0x007FFF;
inline constexpr Colour kDarkGrey = 0x404040;
inline constexpr Colour kWhite = 0xFFFFFF;
}  // namespace colour

}  // namespace zentrix::graphing
