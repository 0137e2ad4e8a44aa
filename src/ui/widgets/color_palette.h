#pragma once
// The colour selector's palettes, built by rule: 11 columns from an 11-step
// ramp v0..v10. The normal palette (answer and pen colours) has fifteen rows:
// for red, magenta, blue, cyan, green, yellow and orange a row from the pure
// hue to white and a row from the pure hue to black, then a grey row from
// white to black. The light palette (cell colours) has the seven rows towards
// white of a lighter ramp and a grey row: eight rows.

#include <vector>

#include "draw/color.h"

namespace zentrix::ui {

inline constexpr int kPaletteColumns = 11;

enum class PaletteKind { kNormal, kLight };

// Row by row, kPaletteColumns colours (0x00BBGGRR) per row.
std::vector<draw::Color> BuildPalette(PaletteKind kind);
int PaletteRows(PaletteKind kind);

}  // namespace zentrix::ui
