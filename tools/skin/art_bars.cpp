// The screen bar at the top (header, selector, its own icons) and the main menu
// bar at the bottom (bar, highlighted bar, keyboard icon).

#include "tools/skin/art.h"

namespace zentrix::skin {

using namespace zentrix::ui;

namespace {

void Bar(Canvas& c, const Theme& t, float w, float h, bool line_at_bottom) {
  c.FillRect(0, 0, w, h, VerticalGradient(t.bar_top, t.bar_bottom, 0, h));
  c.FillRect(0, line_at_bottom ? h - 1 : 0, w, 1, Solid(t.bar_line));
  c.FillRect(0, line_at_bottom ? 0 : 1, w, 1, Solid(t.face_shine), 0.25f);
}

draw::DrawResult MenuSystemHeader(const ArtContext& art, draw::Surface* out) {
  Canvas c(kBarImageWidth, kScreenBarHeight, art.scale);
  Bar(c, art.theme, kBarImageWidth, kScreenBarHeight, true);
  return Finish(art, c, out);
}

draw::DrawResult MenuSelector(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  Canvas c(kMenuSelectorWidth, kScreenBarHeight, art.scale);
  c.FillRoundRect(1, 1, kMenuSelectorWidth - 2, kScreenBarHeight - 2, 4,
                  VerticalGradient(t.pressed_top, t.pressed_bottom, 1, kScreenBarHeight - 1));
  c.StrokeRoundRect(1, 1, kMenuSelectorWidth - 2, kScreenBarHeight - 2, 4, 1,
                    Solid(t.pressed_border));
  return Finish(art, c, out);
}

// Close (normal, pressed) and the style toggle (normal, pressed).
draw::DrawResult MenuSystemIconList(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  const float n = kScreenBarIconSize;
  Canvas c(4 * kScreenBarIconSize, kScreenBarIconSize, art.scale);
  for (int frame = 0; frame < 4; ++frame) {
    const float x = frame * n, cx = x + n / 2, cy = n / 2;
    const bool pressed = frame % 2 == 1;
    if (pressed) {
      c.FillRoundRect(x + 1, 1, n - 2, n - 2, 4,
                      VerticalGradient(t.pressed_top, t.pressed_bottom, 1, n - 1));
    }
    const Paint ink = Solid(pressed && !t.bright ? t.on_accent : t.ink);
    if (frame < 2) {
      c.StrokeCircle(cx, cy, 6.5f, 1.3f, ink);
      c.Line(cx - 3, cy - 3, cx + 3, cy + 3, 1.6f, ink);
      c.Line(cx - 3, cy + 3, cx + 3, cy - 3, 1.6f, ink);
    } else {
      // Half light, half dark: switches between the two styles.
      c.StrokeCircle(cx, cy, 6.5f, 1.3f, ink);
      c.Fill(
          cx - 6, cy - 6, cx + 6, cy + 6,
          [=](float px, float py) {
            return px < cx && (px - cx) * (px - cx) + (py - cy) * (py - cy) <= 5.0f * 5.0f;
          },
          ink);
    }
  }
  return Finish(art, c, out);
}

// The menu bar: its six elements separated by thin grooves.
void MenuBar(Canvas& c, const Theme& t, bool highlighted) {
  const float w = kBarImageWidth, h = kMenuBarHeight;
  if (highlighted) {
    c.FillRect(0, 0, w, h, VerticalGradient(t.pressed_top, t.pressed_bottom, 0, h));
    c.FillRect(0, 0, w, 1, Solid(t.pressed_border));
    // Circuit traces along the bottom of each element.
    for (const BarElement& e : kMainMenuElements) {
      const float x0 = e.x + 3.0f, x1 = e.x + e.width - 3.0f;
      c.StrokePath({{x0, h - 3}, {x1, h - 3}}, 0.8f, Solid(t.circuit), 0.6f);
      c.FillCircle(x0, h - 3, 1.1f, Solid(t.circuit), 0.8f);
      c.FillCircle(x1, h - 3, 1.1f, Solid(t.circuit), 0.8f);
    }
    return;
  }
  c.FillRect(0, 0, w, h, VerticalGradient(t.bar_top, t.bar_bottom, 0, h));
  c.FillRect(0, 0, w, 1, Solid(t.bar_line));
  c.FillRect(0, 1, w, 1, Solid(t.face_shine), 0.25f);
  for (std::size_t i = 1; i < kMainMenuElements.size(); ++i) {
    const float x = static_cast<float>(kMainMenuElements[i].x);
    c.FillRect(x - 1, 4, 1, h - 8, Solid(t.bar_line), 0.8f);
    c.FillRect(x, 4, 1, h - 8, Solid(t.face_shine), 0.3f);
  }
}

draw::DrawResult MainMenu(const ArtContext& art, bool highlighted, draw::Surface* out) {
  Canvas c(kBarImageWidth, kMenuBarHeight, art.scale);
  MenuBar(c, art.theme, highlighted);
  return Finish(art, c, out);
}

draw::DrawResult KeyboardIcon(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  const float w = kKeyboardIconWidth, h = kIconSize;
  Canvas c(kKeyboardIconWidth, kIconSize, art.scale);
  c.FillRoundRect(1, 3, w - 2, h - 6, 2, Solid(t.ink_soft), 0.35f);
  c.StrokeRoundRect(1, 3, w - 2, h - 6, 2, 1, Solid(t.ink));
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 6; ++col) {
      c.FillRect(3.5f + col * 3.0f, 5.5f + row * 2.5f, 2, 1.5f, Solid(t.ink));
    }
  }
  c.FillRect(7, 10.5f, 10, 1.5f, Solid(t.ink));
  return Finish(art, c, out);
}

}  // namespace

draw::DrawResult DrawBarImage(std::string_view name, const ArtContext& art, draw::Surface* out) {
  if (name == "MenuSystemHeader") return MenuSystemHeader(art, out);
  if (name == "MenuSelector") return MenuSelector(art, out);
  if (name == "MenuSystemIconList") return MenuSystemIconList(art, out);
  if (name == "MainMenu") return MainMenu(art, false, out);
  if (name == "MainMenuCircuits") return MainMenu(art, true, out);
  if (name == "KeyboardIcon") return KeyboardIcon(art, out);
  return draw::kInvalidArgument;
}

}  // namespace zentrix::skin
