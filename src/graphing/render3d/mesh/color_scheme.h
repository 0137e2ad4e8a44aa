#pragma once
// Per-vertex colours of a mesh from its colour scheme. Every channel is first
// reduced to its top five bits (mask 0xF8).

#include <array>

#include "draw/color.h"
#include "graphing/model/graph3d.h"
#include "graphing/model/mesh3d.h"

namespace zentrix::graphing::render3d {

// One Color: nothing (the renderer uses colour 1 as the current colour).
// Two Colors: a gradient from colour 1 at the first column to colour 2 at the
// last, the same on every row. Four Colors: bilinear between colour 1 (first
// row, first column), 2 (first row, last column), 3 (last row, first column)
// and 4 (last row, last column). A space curve gets a gradient along the curve
// through colours 1–2 or 1–4.
void ApplyColorScheme(Mesh3D& mesh, ColourScheme scheme, const std::array<draw::Color, 4>& colors);

// The colour with each channel masked to its top five bits.
constexpr draw::Color MaskColor(draw::Color c) { return c & 0xF8F8F8; }

}  // namespace zentrix::graphing::render3d
