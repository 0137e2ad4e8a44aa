#pragma once
// The current-surface layer: one process-wide current surface (kept in the draw
// context) that screens, widgets and graphers draw through. With no surface
// selected every operation is kNoPixels.

#include <cstdint>

#include "draw/color.h"
#include "draw/draw_result.h"
#include "draw/rect.h"
#include "draw/surface.h"

namespace zentrix::draw::current {

// Makes the surface current (null deselects) and resets its clip rectangle to
// the whole surface.
DrawResult Select(Surface* surface);
Surface* Get();

DrawResult SetClip(int left, int top, int width, int height);
DrawResult SetClip(const Rect& rect);
DrawResult ClearClip();

// Pixel pointer and the x and y steps in pixels.
struct Pixels {
  Pixel* pixels = nullptr;
  int x_step = 0;
  int y_step = 0;
};
DrawResult Lock(Pixels* out);
DrawResult Unlock();

int Width();
int Height();
bool IsLandscape();  // wider than tall

DrawResult HLine(int x1, int y, int x2, Color color);
DrawResult VLine(int x, int y1, int y2, Color color);
DrawResult FullHLine(int y, Color color);
DrawResult Line(int x1, int y1, int x2, int y2, Color color);
DrawResult DottedLine(int x1, int y1, int x2, int y2, Color color);  // line flag 2
DrawResult SetPixel(int x, int y, Color color);

// Fills rows y .. y + height - 1 with `fill` unless it is kNoFill; border 1 draws
// a one-pixel frame in `border_color`, border 2 a second frame one pixel inside.
constexpr Color kNoFill = 0xFFFFFFFFu;
DrawResult Rectangle(int x, int y, int width, int height, Color fill, Color border_color = 0,
                     int border = 0);

// Outline with eight-way symmetry (radius 0 sets the centre pixel).
DrawResult Circle(int cx, int cy, int radius, Color color);

// Integer Cohen-Sutherland clipping against [left, right - 1] × [top, bottom - 1].
// Returns false when the line lies wholly outside (nothing to draw); otherwise
// the endpoints are moved onto the rectangle.
bool ClipLine(int* x1, int* y1, int* x2, int* y2, const Rect& clip);

}  // namespace zentrix::draw::current
