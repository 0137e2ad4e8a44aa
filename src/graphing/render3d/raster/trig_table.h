#pragma once
// Sine and cosine of whole degrees in fixed point with 14 fractional bits, from a
// 360-entry table. Any angle is reduced modulo 360 first.

#include <cstdint>

namespace zentrix::graphing::render3d {

constexpr int kTrigShift = 14;
constexpr std::int32_t kTrigOne = 1 << kTrigShift;

std::int32_t SinDegrees(std::int64_t degrees);
std::int32_t CosDegrees(std::int64_t degrees);

// A single-precision angle truncated to whole degrees and reduced into [0, 360);
// not-a-number and infinities count as 0.
int WholeDegrees(double degrees);

}  // namespace zentrix::graphing::render3d
