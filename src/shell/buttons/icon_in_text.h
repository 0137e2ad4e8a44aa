#pragma once
// A note with a small picture in it ("Set the close button [icon] to ..."):
// the text before the picture, the picture, then the rest, which moves to the
// next line when it does not fit beside the picture.

#include <string_view>

#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/skin/skin.h"

namespace zentrix::shell {

struct IconInText {
  std::u16string_view before;
  ui::SkinImageId image;
  int frame;
  std::u16string_view after;
};

// Draws the note at (x, y) in `colour`; returns the rectangle it covers.
draw::Rect DrawIconInText(draw::Surface& surface, const IconInText& note, int x, int y,
                          std::int32_t colour);

}  // namespace zentrix::shell
