#pragma once
// The colours and the context every skin drawing is made with.

#include <string>

#include "draw/color.h"
#include "tools/skin/canvas.h"
#include "tools/skin/font_face.h"
#include "ui/skin/skin_geometry.h"

namespace zentrix::skin {

struct Theme {
  bool bright = false;
  Rgb background;  // the screen behind every image
  Rgb text;        // the fonts' native colour

  // Bars (screen bar, menu bar, tab row).
  Rgb bar_top, bar_bottom, bar_line;
  // Raised controls (buttons, boxes, tabs, keyboard keys), their frame and the
  // pressed state.
  Rgb face_top, face_bottom, face_border, face_shine;
  Rgb pressed_top, pressed_bottom, pressed_border;
  Rgb disabled_face, disabled_border, disabled_mark;
  Rgb field;  // inside of boxes (drop-down, check box)
  // Selection and check marks.
  Rgb accent, accent_dark, on_accent;
  // Calculator pad keys: dark in both styles, as their labels are white.
  Rgb pad_background, pad_top, pad_bottom, pad_border;
  Rgb page_top, page_bottom, page_border;
  Rgb circuit;  // the traces drawn on highlighted keys and bars
  // The pressed pad key: dark in both styles, for the white labels.
  Rgb pad_pressed_top, pad_pressed_bottom, pad_pressed_border;
  // Icon inks.
  Rgb ink, ink_soft, icon_accent, icon_red, icon_green, icon_yellow;
};

Theme MakeTheme(ui::SkinStyle style);

// What a drawing needs besides its theme.
struct ArtContext {
  Theme theme;
  int scale = 1;
  draw::Color key = 0;
  FontFace* face = nullptr;  // for the few pictures that hold letters
};

// Converts a finished canvas into a colour-keyed surface for the context. Edge
// pixels are composed over the screen background, or over `matte` for images
// that are drawn onto something else (the page icons onto the pad keys).
draw::DrawResult Finish(const ArtContext& art, const Canvas& canvas, draw::Surface* out);
draw::DrawResult Finish(const ArtContext& art, const Canvas& canvas, Rgb matte, draw::Surface* out);

// Draws text centred on (cx, cy) in design units at a design pixel size.
void CanvasText(Canvas& canvas, FontFace& face, const std::u32string& text, float cx, float cy,
                int pixel_size, const Paint& paint);

}  // namespace zentrix::skin
