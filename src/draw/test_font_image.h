#pragma once
// Builds small font images in the cutter's marker-row layout, for tests and
// benchmarks: character i gets a cell of `cell` columns (white marker pixels),
// followed by one gap column, and an ink block of `ink` columns starting one
// column into the cell (the space has no ink).

#include <string_view>

#include "draw/surface.h"

namespace zentrix::draw::testing {

inline DrawResult MakeTestFontImage(Surface* image, std::u16string_view characters, int cell,
                                    int ink, int rows, Color ink_color = 0xFFFFFF, Color key = 0) {
  const int width = static_cast<int>(characters.size()) * (cell + 1);
  DrawResult r = image->Create(surface_flags::kClear, width, rows + 1);
  if (Failed(r)) return r;
  image->SetColorKey(key);
  r = image->FillRect(nullptr, key);
  if (Failed(r)) return r;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const int x0 = static_cast<int>(i) * (cell + 1);
    image->DrawLine(x0, 0, x0 + cell - 1, 0, 0xFFFFFF);
    if (characters[i] == u' ') continue;
    const Rect block = Rect::FromSize(x0 + 1, 1, ink, rows);
    image->FillRect(&block, ink_color);
  }
  return kOk;
}

}  // namespace zentrix::draw::testing
