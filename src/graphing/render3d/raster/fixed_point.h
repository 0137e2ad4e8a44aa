#pragma once
// Fixed-point helpers of the 3D renderer: coordinates, normals and colours carry
// 10 fractional bits (1.0 is 1024).

#include <cstdint>

namespace zentrix::graphing::render3d {

constexpr int kFixedShift = 10;
constexpr std::int32_t kFixedOne = 1 << kFixedShift;

struct FixedVec3 {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t z = 0;
  friend constexpr bool operator==(const FixedVec3&, const FixedVec3&) = default;
};

// Largest r with r * r <= v.
std::uint64_t IntegerSqrt(std::uint64_t v);

// Saturates a 64-bit value into the 32-bit range.
constexpr std::int32_t Saturate32(std::int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(v);
}

// Scales (x, y, z) to length 1024; a zero vector stays zero. Components of any
// 64-bit size are accepted (they are brought into range first).
FixedVec3 NormalizeFixed(std::int64_t x, std::int64_t y, std::int64_t z);

// A double converted to fixed point (truncated), saturated to the 32-bit range;
// not-a-number gives 0.
std::int32_t ToFixed(double v);

}  // namespace zentrix::graphing::render3d
