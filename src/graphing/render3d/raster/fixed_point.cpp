#include "graphing/render3d/raster/fixed_point.h"

#include <cmath>
#include <cstdlib>

namespace zentrix::graphing::render3d {

std::uint64_t IntegerSqrt(std::uint64_t v) {
  // Bit-by-bit square root: exact for every 64-bit input.
  std::uint64_t result = 0;
  std::uint64_t bit = std::uint64_t{1} << 62;
  while (bit > v) bit >>= 2;
  while (bit != 0) {
    if (v >= result + bit) {
      v -= result + bit;
      result = (result >> 1) + bit;
    } else {
      result >>= 1;
    }
    bit >>= 2;
  }
  return result;
}

FixedVec3 NormalizeFixed(std::int64_t x, std::int64_t y, std::int64_t z) {
  // Bring the largest component into [2^20, 2^30): the squares then sum within
  // 64 bits, and the direction keeps more precision than a 1024-length result shows.
  auto magnitude = [](std::int64_t v) { return v < 0 ? -static_cast<std::uint64_t>(v) : v; };
  std::uint64_t largest = magnitude(x) | magnitude(y) | magnitude(z);
  while (largest >= (std::uint64_t{1} << 30)) {
    x /= 2;
    y /= 2;
    z /= 2;
    largest >>= 1;
  }
  // Short vectors are scaled up so that the integer length keeps its precision.
  while (largest != 0 && largest < (std::uint64_t{1} << 20)) {
    x *= 2;
    y *= 2;
    z *= 2;
    largest <<= 1;
  }
  std::uint64_t squared = static_cast<std::uint64_t>(x * x) + static_cast<std::uint64_t>(y * y) +
                          static_cast<std::uint64_t>(z * z);
  std::uint64_t length = IntegerSqrt(squared);
  if (length == 0) return {};
  const auto scale = [&](std::int64_t c) {
    return static_cast<std::int32_t>(c * kFixedOne / static_cast<std::int64_t>(length));
  };
  return {scale(x), scale(y), scale(z)};
}

std::int32_t ToFixed(double v) {
  if (std::isnan(v)) return 0;
  double scaled = std::trunc(v * kFixedOne);
  if (scaled >= 2147483647.0) return INT32_MAX;
  if (scaled <= -2147483648.0) return INT32_MIN;
  return static_cast<std::int32_t>(scaled);
}

}  // namespace zentrix::graphing::render3d
