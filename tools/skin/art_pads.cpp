// The calculator button pads, their key highlight and page icons, and the
// on-screen keyboard with its highlights.

#include <cmath>

#include "tools/skin/art.h"

namespace zentrix::skin {

using namespace zentrix::ui;

namespace {

void PadKey(Canvas& c, const Theme& t, float x, float y, float w, float h, bool page_key) {
  const Rgb top = page_key ? t.page_top : t.pad_top;
  const Rgb bottom = page_key ? t.page_bottom : t.pad_bottom;
  const Rgb border = page_key ? t.page_border : t.pad_border;
  c.FillRoundRect(x, y, w, h, 3, VerticalGradient(top, bottom, y, y + h));
  c.StrokeRoundRect(x, y, w, h, 3, 1, Solid(border));
  c.FillRect(x + 3, y + 1, w - 6, 1, Solid(Hex(0xFFFFFF)), 0.18f);
}

draw::DrawResult Pad(const ArtContext& art, const PadGeometry& g, draw::Surface* out) {
  const Theme& t = art.theme;
  Canvas c(g.image_width, g.image_height, art.scale);
  c.FillRect(0, 0, static_cast<float>(g.image_width), static_cast<float>(g.image_height),
             Solid(t.pad_background));
  for (int row = 0; row < g.rows; ++row) {
    for (int col = 0; col < g.columns; ++col) {
      const float x = static_cast<float>(g.left + col * g.key_width);
      const float y = static_cast<float>(g.top + row * g.key_height);
      // The face leaves one pixel free on the right and at the bottom.
      PadKey(c, t, x + 0.5f, y + 0.5f, g.key_width - 1.5f, g.key_height - 1.5f, col == 0);
    }
  }
  return Finish(art, c, out);
}

draw::DrawResult PadHighlight(const ArtContext& art, draw::Surface* out) {
  Canvas c(kPadHighlightWidth, kPadHighlightHeight, art.scale);
  DrawCircuitFace(c, PadCircuit(art.theme), 0.5f, 0.5f, kPadHighlightWidth - 1.5f,
                  kPadHighlightHeight - 1.5f, 3);
  return Finish(art, c, art.theme.pad_background, out);
}

// The page-key icons, in the yellow of the page keys' labels.
draw::DrawResult PageIcons(const ArtContext& art, draw::Surface* out) {
  const float w = kPageIconWidth, h = kPageIconHeight;
  Canvas c(6 * kPageIconWidth, kPageIconHeight, art.scale);
  const Paint yellow = Solid(Hex(0xFFD84A));
  const Paint white = Solid(Hex(0xFFFFFF));
  FontFace& face = *art.face;
  auto centre = [&](int frame) { return frame * w + w / 2; };
  // 2nd: a shift arrow.
  {
    const float cx = centre(0);
    c.StrokePath({{cx - 4, 8},
                  {cx, 3},
                  {cx + 4, 8},
                  {cx + 2, 8},
                  {cx + 2, 13},
                  {cx - 2, 13},
                  {cx - 2, 8},
                  {cx - 4, 8}},
                 1.3f, yellow);
  }
  CanvasText(c, face, U"\u222Bdx", centre(1), h / 2, 11, yellow);
  // Matrices: brackets around a grid of dots.
  {
    const float cx = centre(2);
    c.StrokePath({{cx - 5, 2.5f}, {cx - 7, 2.5f}, {cx - 7, 13.5f}, {cx - 5, 13.5f}}, 1.2f, yellow);
    c.StrokePath({{cx + 5, 2.5f}, {cx + 7, 2.5f}, {cx + 7, 13.5f}, {cx + 5, 13.5f}}, 1.2f, yellow);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) c.FillCircle(cx - 3 + 3 * i, 5 + 3 * j, 0.9f, white);
    }
  }
  CanvasText(c, face, U"\u2220\u03B8", centre(3), h / 2, 11, yellow);
  CanvasText(c, face, U"x=", centre(4), h / 2, 11, yellow);
  // Distributions: a bell curve over a base line.
  {
    const float cx = centre(5);
    std::vector<Point> bell;
    for (int i = 0; i <= 24; ++i) {
      const float u = (i - 12) / 4.0f;
      bell.push_back({cx + (i - 12) * 0.9f, 13 - 10 * std::exp(-u * u / 2)});
    }
    c.StrokePath(bell, 1.3f, yellow);
    c.Line(cx - 11, 13.5f, cx + 11, 13.5f, 1, white);
  }
  // Drawn onto the page keys.
  return Finish(art, c, Mix(art.theme.page_top, art.theme.page_bottom, 0.5f), out);
}

// The keyboard: six rows of eleven keys; Caps Lock, Shift, backspace and the
// space bar carry pictures.
void KeyboardKey(Canvas& c, const Theme& t, float x, float y, float w, float h) {
  DrawFace(c, t, x + 0.5f, y + 0.5f, w - 1.5f, h - 1.5f, 3, FaceState::kUp);
}

draw::DrawResult Keyboard(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  const float p = kKeyPitch;
  Canvas c(kKeyboardWidth, kKeyboardHeight, art.scale);
  c.FillRect(0, 0, kKeyboardWidth, kKeyboardHeight,
             Solid(t.bright ? Hex(0xD3D9E2) : Hex(0x0B0D11)));
  for (int row = 0; row < kKeyboardRows; ++row) {
    for (int col = 0; col < kKeyboardColumns; ++col) {
      if (row == 5 && col > kSpacebarFirstKey && col < kSpacebarFirstKey + kSpacebarKeys) continue;
      const float w = row == 5 && col == kSpacebarFirstKey ? p * kSpacebarKeys : p;
      KeyboardKey(c, t, col * p, row * p, w, p);
    }
  }
  const Paint ink = Solid(t.ink);
  // Backspace: row 1, key 11.
  {
    const float cx = 10 * p + p / 2, cy = p / 2;
    c.StrokePath({{cx + 5, cy - 3.5f},
                  {cx - 2, cy - 3.5f},
                  {cx - 6, cy},
                  {cx - 2, cy + 3.5f},
                  {cx + 5, cy + 3.5f},
                  {cx + 5, cy - 3.5f}},
                 1.1f, ink);
    c.Line(cx - 0.5f, cy - 1.8f, cx + 3, cy + 1.8f, 1.1f, ink);
    c.Line(cx - 0.5f, cy + 1.8f, cx + 3, cy - 1.8f, 1.1f, ink);
  }
  // Caps Lock (row 5, key 1) and Shift (row 6, key 1): hollow arrows, Caps Lock with a bar.
  for (int row : {4, 5}) {
    const float cx = p / 2, top = row * p + 4;
    c.StrokePath({{cx - 5, top + 6},
                  {cx, top + 1},
                  {cx + 5, top + 6},
                  {cx + 2.5f, top + 6},
                  {cx + 2.5f, top + 10},
                  {cx - 2.5f, top + 10},
                  {cx - 2.5f, top + 6},
                  {cx - 5, top + 6}},
                 1.1f, ink);
    if (row == 4) c.Line(cx - 3, top + 12.5f, cx + 3, top + 12.5f, 1.1f, ink);
  }
  // The space bar's groove.
  {
    const float x = kSpacebarFirstKey * p, y = 5 * p;
    c.Line(x + 12, y + p - 6, x + p * kSpacebarKeys - 12, y + p - 6, 1.2f, Solid(t.ink_soft));
  }
  return Finish(art, c, out);
}

draw::DrawResult KeyHighlight(const ArtContext& art, int keys, draw::Surface* out) {
  const float w = static_cast<float>(kKeyPitch * keys), h = kKeyPitch;
  Canvas c(kKeyPitch * keys, kKeyPitch, art.scale);
  DrawCircuitFace(c, ControlCircuit(art.theme), 0.5f, 0.5f, w - 1.5f, h - 1.5f, 3);
  return Finish(art, c, out);
}

}  // namespace

draw::DrawResult DrawPadImage(std::string_view name, const ArtContext& art, draw::Surface* out) {
  const SkinStyle style = art.theme.bright ? SkinStyle::kBright : SkinStyle::kClassic;
  if (name == "CalculatorButtonPad") return Pad(art, PortraitPad(style), out);
  if (name == "CalculatorButtonPadLandscape") return Pad(art, kPadLandscape, out);
  if (name == "ButtonPadCircuits") return PadHighlight(art, out);
  if (name == "ButtonImageList") return PageIcons(art, out);
  if (name == "Keyboard") return Keyboard(art, out);
  if (name == "KeyboardCircuits") return KeyHighlight(art, 1, out);
  if (name == "SpacebarCircuits") return KeyHighlight(art, kSpacebarKeys, out);
  return draw::kInvalidArgument;
}

}  // namespace zentrix::skin
