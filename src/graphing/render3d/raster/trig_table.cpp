#include "graphing/render3d/raster/trig_table.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zentrix::graphing::render3d {
namespace {

const std::array<std::int32_t, 360>& SineTable() {
  static const std::array<std::int32_t, 360> table = [] {
    std::array<std::int32_t, 360> t{};
    for (int d = 0; d < 360; ++d) {
      t[d] =
          static_cast<std::int32_t>(std::lround(std::sin(d * std::numbers::pi / 180.0) * kTrigOne));
    }
    return t;
  }();
  return table;
}

int Reduce(std::int64_t degrees) {
  int r = static_cast<int>(degrees % 360);
  return r < 0 ? r + 360 : r;
}

}  // namespace

std::int32_t SinDegrees(std::int64_t degrees) { return SineTable()[Reduce(degrees)]; }

std::int32_t CosDegrees(std::int64_t degrees) { return SineTable()[Reduce(Reduce(degrees) + 90)]; }

int WholeDegrees(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  // fmod keeps the whole-degree part of any magnitude exactly.
  double whole = std::trunc(std::fmod(degrees, 360.0));
  return Reduce(static_cast<std::int64_t>(whole));
}

}  // namespace zentrix::graphing::render3d
