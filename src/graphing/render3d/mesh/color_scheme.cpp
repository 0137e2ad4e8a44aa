#include "graphing/render3d/mesh/color_scheme.h"

#include <algorithm>
#include <cstdint>

#include "graphing/render3d/mesh/mesh_indices.h"
#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {
namespace {

// Colour channels in fixed point (10 fractional bits) for stepping.
struct FixedColor {
  std::int32_t c[3];

  static FixedColor Of(draw::Color color) {
    return {{static_cast<std::int32_t>(draw::RedOf(color)) << kFixedShift,
             static_cast<std::int32_t>(draw::GreenOf(color)) << kFixedShift,
             static_cast<std::int32_t>(draw::BlueOf(color)) << kFixedShift}};
  }
  // The step from this colour to `to` in `steps` equal parts.
  FixedColor StepTo(const FixedColor& to, int steps) const {
    FixedColor s{};
    for (int k = 0; k < 3; ++k) s.c[k] = steps > 0 ? (to.c[k] - c[k]) / steps : 0;
    return s;
  }
  void Add(const FixedColor& step) {
    for (int k = 0; k < 3; ++k) c[k] += step.c[k];
  }
  void Store(std::uint8_t* rgba) const {
    for (int k = 0; k < 3; ++k) rgba[k] = static_cast<std::uint8_t>(c[k] >> kFixedShift);
    rgba[3] = 255;
  }
};

void CurveGradient(Mesh3D& mesh, const std::array<draw::Color, 4>& colors, int stops) {
  // The curve's segments are split into (stops - 1) equal stretches between
  // consecutive colours.
  const int count = static_cast<int>(mesh.vertex_count());
  const int stretches = stops - 1;
  for (int v = 0; v < count; ++v) {
    const std::int64_t position = std::int64_t{v} * stretches * kFixedOne / std::max(count - 1, 1);
    const int from = std::min(static_cast<int>(position >> kFixedShift), stretches - 1);
    const std::int64_t t = position - (std::int64_t{from} << kFixedShift);
    const FixedColor a = FixedColor::Of(MaskColor(colors[from]));
    const FixedColor b = FixedColor::Of(MaskColor(colors[from + 1]));
    FixedColor out{};
    for (int k = 0; k < 3; ++k) {
      out.c[k] = static_cast<std::int32_t>(a.c[k] + (b.c[k] - a.c[k]) * t / kFixedOne);
    }
    out.Store(mesh.colours.data() + 4 * static_cast<std::size_t>(v));
  }
}

}  // namespace

void ApplyColorScheme(Mesh3D& mesh, ColourScheme scheme,
                      const std::array<draw::Color, 4>& colors) {
  if (mesh.u_count < 1 || mesh.colours.size() != 4 * mesh.vertex_count()) return;
  if (scheme != ColourScheme::kTwoColours && scheme != ColourScheme::kFourColours) return;
  if (IsCurve(mesh)) {
    CurveGradient(mesh, colors, scheme == ColourScheme::kTwoColours ? 2 : 4);
    return;
  }
  const int columns = mesh.u_count, rows = mesh.v_count;
  const int row_length = columns + 1;
  const bool four = scheme == ColourScheme::kFourColours;
  FixedColor left = FixedColor::Of(MaskColor(colors[0]));
  FixedColor right = FixedColor::Of(MaskColor(colors[1]));
  const FixedColor left_step = four ? left.StepTo(FixedColor::Of(MaskColor(colors[2])), rows)
                                    : FixedColor{};
  const FixedColor right_step = four ? right.StepTo(FixedColor::Of(MaskColor(colors[3])), rows)
                                     : FixedColor{};
  for (int j = 0; j <= rows; ++j) {
    FixedColor c = left;
    const FixedColor step = left.StepTo(right, columns);
    for (int i = 0; i <= columns; ++i) {
      c.Store(mesh.colours.data() + 4 * (static_cast<std::size_t>(j) * row_length + i));
      c.Add(step);
    }
    left.Add(left_step);
    right.Add(right_step);
  }
}

}  // namespace zentrix::graphing::render3d
