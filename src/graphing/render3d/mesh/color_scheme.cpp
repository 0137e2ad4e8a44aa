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
  // The colour `part` of `parts` of the way from a to b.
  static FixedColor Between(const FixedColor& a, const FixedColor& b, int part, int parts) {
    FixedColor out = a;
    if (parts <= 0) return out;
    for (int k = 0; k < 3; ++k) out.c[k] = a.c[k] + (b.c[k] - a.c[k]) * part / parts;
    return out;
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
    // Vertex v lies `progress` of `last` stretches along the curve.
    const int last = std::max(count - 1, 1);
    const std::int64_t progress = std::int64_t{v} * stretches;
    const int from = std::min(static_cast<int>(progress / last), stretches - 1);
    const int part = static_cast<int>(progress - std::int64_t{from} * last);
    const FixedColor a = FixedColor::Of(MaskColor(colors[from]));
    const FixedColor b = FixedColor::Of(MaskColor(colors[from + 1]));
    FixedColor::Between(a, b, part, last)
        .Store(mesh.colours.data() + 4 * static_cast<std::size_t>(v));
  }
}

}  // namespace

void ApplyColorScheme(Mesh3D& mesh, ColourScheme scheme, const std::array<draw::Color, 4>& colors) {
  if (mesh.u_count < 1 || mesh.colours.size() != 4 * mesh.vertex_count()) return;
  if (scheme != ColourScheme::kTwoColours && scheme != ColourScheme::kFourColours) return;
  if (IsCurve(mesh)) {
    CurveGradient(mesh, colors, scheme == ColourScheme::kTwoColours ? 2 : 4);
    return;
  }
  const int columns = mesh.u_count, rows = mesh.v_count;
  const int row_length = columns + 1;
  const bool four = scheme == ColourScheme::kFourColours;
  const FixedColor c1 = FixedColor::Of(MaskColor(colors[0]));
  const FixedColor c2 = FixedColor::Of(MaskColor(colors[1]));
  const FixedColor c3 = four ? FixedColor::Of(MaskColor(colors[2])) : c1;
  const FixedColor c4 = four ? FixedColor::Of(MaskColor(colors[3])) : c2;
  for (int j = 0; j <= rows; ++j) {
    // The row's two edge colours, then the row itself, each a fraction of the
    // way in fixed point (so the last row and column meet their colours).
    const FixedColor left = FixedColor::Between(c1, c3, j, rows);
    const FixedColor right = FixedColor::Between(c2, c4, j, rows);
    for (int i = 0; i <= columns; ++i) {
      FixedColor::Between(left, right, i, columns)
          .Store(mesh.colours.data() + 4 * (static_cast<std::size_t>(j) * row_length + i));
    }
  }
}

}  // namespace zentrix::graphing::render3d
