#pragma once
// Rasterises the skin character list into the marker-row font image that the
// drawing layer's bitmap-font cutter reads: row 0 holds one white run per
// character spanning its advance cell (the advance less the font spacing), runs
// are separated by one empty column, and the glyphs sit on a common baseline
// in the rows below, drawn in the ink colour over the colour key.

#include <string>

#include "draw/draw_result.h"
#include "draw/surface.h"
#include "tools/skin/canvas.h"
#include "tools/skin/font_face.h"

namespace zentrix::skin {

struct FontImageLayout {
  int pixel_size = 11;
  Rgb ink;          // the font's native colour
  draw::Color key;  // background, transparent when drawn
};

// The Unicode code points drawn for a program character: its own mapping, or a
// hollow box for codes the character set leaves unassigned.
std::u32string CodePointsOf(char16_t program_char);

// Builds the image for every character of ui::kSkinFontCharacters. Fails with a
// reason in `error` when the face lacks a glyph.
draw::DrawResult BuildFontImage(FontFace& face, const FontImageLayout& layout, draw::Surface* out,
                                std::string* error);

}  // namespace zentrix::skin
