#pragma once
// Small drawing helpers the widgets share.

#include <string_view>

#include "draw/color.h"
#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/text/text_renderer.h"

namespace zentrix::ui {

class Skin;

// One line of text centred in the rectangle, in `color` (kNoColor: native).
void DrawCentredText(draw::Surface& surface, TextRenderer& font, std::u16string_view text,
                     const draw::Rect& rect, std::int32_t color = kNoColor);

// A one-pixel frame just inside the rectangle.
void DrawFrameRect(draw::Surface& surface, const draw::Rect& rect, draw::Color color);

// The skin in use and its current font; null before a skin is loaded.
const Skin* CurrentSkin();

// The pixels of a Small-skin size on the current screen.
int Px(int small);

}  // namespace zentrix::ui
