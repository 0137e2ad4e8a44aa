#pragma once
// The skin's pictures, each drawn by code at the context's scale and style.

#include <string_view>

#include "draw/draw_result.h"
#include "draw/surface.h"
#include "tools/skin/canvas.h"
#include "tools/skin/theme.h"

namespace zentrix::skin {

// Draws the named image of ui::kSkinImages other than the two fonts.
// kInvalidArgument for any other name.
draw::DrawResult DrawImage(std::string_view name, const ArtContext& art, draw::Surface* out);

// Shared pieces.
enum class FaceState { kUp, kPressed, kDisabled };
// A raised control face: rounded, gradient-filled and framed.
void DrawFace(Canvas& canvas, const Theme& theme, float x, float y, float w, float h, float radius,
              FaceState state);
// A key highlight: a pressed face with circuit traces along its edges.
struct CircuitColors {
  Rgb top, bottom, border, trace;
};
CircuitColors ControlCircuit(const Theme& theme);  // keyboard keys, menu bar
CircuitColors PadCircuit(const Theme& theme);      // calculator pad keys
void DrawCircuitFace(Canvas& canvas, const CircuitColors& colors, float x, float y, float w,
                     float h, float radius);
// A filled triangle pointing up (direction 0), right (1), down (2) or left (3),
// centred on (cx, cy) with the given half size.
void DrawTriangle(Canvas& canvas, float cx, float cy, float half, int direction,
                  const Paint& paint);

// The groups of images, by file.
draw::DrawResult DrawWidgetImage(std::string_view name, const ArtContext& art,
                                 draw::Surface* out);  // art_widgets.cpp
draw::DrawResult DrawBarImage(std::string_view name, const ArtContext& art,
                              draw::Surface* out);  // art_bars.cpp
draw::DrawResult DrawPadImage(std::string_view name, const ArtContext& art,
                              draw::Surface* out);                         // art_pads.cpp
draw::DrawResult DrawIconList(const ArtContext& art, draw::Surface* out);  // art_icons.cpp

}  // namespace zentrix::skin
