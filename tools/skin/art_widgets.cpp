// Arrows, check boxes, radio buttons, buttons, the drop-down box, the divider
// and the tab-control pieces.

#include <algorithm>
#include <cmath>

#include "tools/skin/art.h"

namespace zentrix::skin {

using namespace zentrix::ui;

void DrawFace(Canvas& canvas, const Theme& t, float x, float y, float w, float h, float radius,
              FaceState state) {
  Rgb top = t.face_top, bottom = t.face_bottom, border = t.face_border;
  if (state == FaceState::kPressed) {
    top = t.pressed_top;
    bottom = t.pressed_bottom;
    border = t.pressed_border;
  } else if (state == FaceState::kDisabled) {
    top = bottom = t.disabled_face;
    border = t.disabled_border;
  }
  canvas.FillRoundRect(x, y, w, h, radius, VerticalGradient(top, bottom, y, y + h));
  canvas.StrokeRoundRect(x, y, w, h, radius, 1, Solid(border));
  if (state == FaceState::kUp) {
    // A soft shine along the top edge.
    canvas.FillRect(x + radius, y + 1, w - 2 * radius, 1, Solid(t.face_shine), 0.55f);
  }
}

CircuitColors ControlCircuit(const Theme& t) {
  return CircuitColors{t.pressed_top, t.pressed_bottom, t.pressed_border, t.circuit};
}

CircuitColors PadCircuit(const Theme& t) {
  return CircuitColors{t.pad_pressed_top, t.pad_pressed_bottom, t.pad_pressed_border,
                       Hex(0x8FE4FF)};
}

void DrawCircuitFace(Canvas& canvas, const CircuitColors& colors, float x, float y, float w,
                     float h, float radius) {
  canvas.FillRoundRect(x, y, w, h, radius, VerticalGradient(colors.top, colors.bottom, y, y + h));
  canvas.StrokeRoundRect(x, y, w, h, radius, 1, Solid(colors.border));
  // Traces from the corners with a pad at each end.
  const Paint trace = Solid(colors.trace);
  const float m = 2.5f;
  canvas.StrokePath({{x + m, y + h * 0.45f}, {x + m, y + m}, {x + w * 0.22f, y + m}}, 0.8f, trace,
                    0.7f);
  canvas.StrokePath(
      {{x + w - m, y + h * 0.55f}, {x + w - m, y + h - m}, {x + w * 0.78f, y + h - m}}, 0.8f, trace,
      0.7f);
  canvas.FillCircle(x + w * 0.22f + 0.6f, y + m, 1.1f, trace, 0.8f);
  canvas.FillCircle(x + w * 0.78f - 0.6f, y + h - m, 1.1f, trace, 0.8f);
}

void DrawTriangle(Canvas& canvas, float cx, float cy, float half, int direction,
                  const Paint& paint) {
  std::vector<Point> p;
  switch (direction) {
    case 0:
      p = {{cx - half, cy + half * 0.6f}, {cx + half, cy + half * 0.6f}, {cx, cy - half * 0.7f}};
      break;
    case 1:
      p = {{cx - half * 0.6f, cy - half}, {cx - half * 0.6f, cy + half}, {cx + half * 0.7f, cy}};
      break;
    case 2:
      p = {{cx - half, cy - half * 0.6f}, {cx + half, cy - half * 0.6f}, {cx, cy + half * 0.7f}};
      break;
    default:
      p = {{cx + half * 0.6f, cy - half}, {cx + half * 0.6f, cy + half}, {cx - half * 0.7f, cy}};
      break;
  }
  canvas.FillPolygon(p, paint);
}

namespace {

draw::DrawResult Arrows(const ArtContext& art, draw::Surface* out) {
  const int n = kArrowSize;
  Canvas c(2 * n, n, art.scale);
  for (int frame = 0; frame < 2; ++frame) {
    const float x = static_cast<float>(frame * n);
    DrawFace(c, art.theme, x + 0.5f, 0.5f, n - 1.0f, n - 1.0f, 3, FaceState::kUp);
    DrawTriangle(c, x + n / 2.0f, n / 2.0f, 4, frame == 0 ? 0 : 2, Solid(art.theme.ink));
  }
  return Finish(art, c, out);
}

void CheckFrame(Canvas& c, const Theme& t, float x, bool checked, bool disabled) {
  const float n = kCheckBoxSize;
  const Rgb border = disabled ? t.disabled_border : checked ? t.accent_dark : t.face_border;
  const Rgb fill = disabled ? t.disabled_face : checked ? t.accent : t.field;
  c.FillRoundRect(x + 0.5f, 0.5f, n - 1, n - 1, 2.5f, Solid(fill));
  c.StrokeRoundRect(x + 0.5f, 0.5f, n - 1, n - 1, 2.5f, 1, Solid(border));
  if (checked) {
    c.StrokePath({{x + 3.2f, 6.6f}, {x + 5.4f, 9.0f}, {x + 9.8f, 3.8f}}, 1.7f, Solid(t.on_accent));
  }
}

draw::DrawResult CheckBox(const ArtContext& art, draw::Surface* out) {
  const int n = kCheckBoxSize;
  Canvas c(3 * n, n, art.scale);
  CheckFrame(c, art.theme, 0, false, false);
  CheckFrame(c, art.theme, n, true, false);
  CheckFrame(c, art.theme, 2.0f * n, false, true);
  return Finish(art, c, out);
}

draw::DrawResult RadioButton(const ArtContext& art, draw::Surface* out) {
  const int n = kCheckBoxSize;
  const Theme& t = art.theme;
  Canvas c(2 * n, n, art.scale);
  for (int frame = 0; frame < 2; ++frame) {
    const float cx = frame * n + n / 2.0f, cy = n / 2.0f;
    c.FillCircle(cx, cy, n / 2.0f - 0.5f, Solid(t.field));
    c.StrokeCircle(cx, cy, n / 2.0f - 1.0f, 1, Solid(frame ? t.accent_dark : t.face_border));
    if (frame) c.FillCircle(cx, cy, 3.2f, Solid(t.accent));
  }
  return Finish(art, c, out);
}

draw::DrawResult Buttons(const ArtContext& art, int width, int height, int frames,
                         draw::Surface* out) {
  Canvas c(width * frames, height, art.scale);
  const FaceState states[3] = {FaceState::kUp, FaceState::kPressed, FaceState::kDisabled};
  for (int frame = 0; frame < frames; ++frame) {
    DrawFace(c, art.theme, frame * width + 0.5f, 0.5f, width - 1.0f, height - 1.0f, 4,
             states[frame]);
  }
  return Finish(art, c, out);
}

draw::DrawResult DropDownBox(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  const float w = kDropDownWidth, h = kDropDownHeight, b = kDropDownButtonWidth;
  Canvas c(kDropDownWidth, kDropDownHeight, art.scale);
  c.FillRoundRect(0.5f, 0.5f, w - 1, h - 1, 3, Solid(t.field));
  // The arrow button at the right end.
  c.Fill(
      w - b, 0, w, h,
      [&](float px, float py) { return px >= w - b && px < w - 1 && py >= 1 && py < h - 1; },
      VerticalGradient(t.face_top, t.face_bottom, 0, h));
  c.FillRect(w - b, 1.5f, 1, h - 3, Solid(t.face_border), 0.8f);
  c.StrokeRoundRect(0.5f, 0.5f, w - 1, h - 1, 3, 1, Solid(t.face_border));
  DrawTriangle(c, w - b / 2.0f, h / 2.0f + 0.5f, 3.5f, 2, Solid(t.ink));
  return Finish(art, c, out);
}

draw::DrawResult Divider(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  Canvas c(kDividerWidth, kDividerHeight, art.scale);
  const Rgb dark = t.bright ? Hex(0xB4BCC8) : Hex(0x3A4252);
  const Rgb light = t.bright ? Hex(0xFFFFFF) : Hex(0x6C7A90);
  c.FillRect(0, 1.5f, kDividerWidth, 1, Solid(dark));
  c.FillRect(0, 2.5f, kDividerWidth, 1, Solid(light), 0.6f);
  return Finish(art, c, out);
}

// The tab row: tabs stand on a base line along the bottom; the chosen tab is
// lighter and open towards the page below it.
void TabBase(Canvas& c, const Theme& t, float x, float w) {
  c.FillRect(x, kTabHeight - 1.5f, w, 1.5f, Solid(t.face_border));
}

draw::DrawResult TabLeft(const ArtContext& art, draw::Surface* out) {
  Canvas c(kTabLeftWidth, kTabHeight, art.scale);
  TabBase(c, art.theme, 0, kTabLeftWidth);
  return Finish(art, c, out);
}

draw::DrawResult TabRight(const ArtContext& art, draw::Surface* out) {
  Canvas c(kTabRightWidth, kTabHeight, art.scale);
  TabBase(c, art.theme, 0, kTabRightWidth);
  return Finish(art, c, out);
}

draw::DrawResult TabButton(const ArtContext& art, draw::Surface* out) {
  const Theme& t = art.theme;
  const float w = kTabButtonWidth, h = kTabHeight;
  Canvas c(2 * kTabButtonWidth, kTabHeight, art.scale);
  for (int frame = 0; frame < 2; ++frame) {
    const float x = frame * w;
    const bool chosen = frame == 1;
    const float top = chosen ? 1.0f : 3.0f;
    const Rgb a = chosen ? (t.bright ? Hex(0xFFFFFF) : Hex(0x3C6FA8)) : t.face_top;
    const Rgb b = chosen ? (t.bright ? Hex(0xEAF1FC) : Hex(0x24466E)) : t.face_bottom;
    // Rounded at the top only: the rectangle runs below the image's edge.
    c.Fill(
        x, top, x + w, h,
        [&](float px, float py) {
          if (px < x + 0.5f || px >= x + w - 0.5f || py < top || py >= h) return false;
          const float r = 4;
          if (py > top + r) return true;
          const float cx = std::clamp(px, x + 0.5f + r, x + w - 0.5f - r);
          return (px - cx) * (px - cx) + (py - top - r) * (py - top - r) <= r * r;
        },
        VerticalGradient(a, b, top, h));
    const Rgb edge = chosen ? t.accent : t.face_border;
    c.StrokePath({{x + 1, h},
                  {x + 1, top + 3},
                  {x + 4, top + 0.5f},
                  {x + w - 4, top + 0.5f},
                  {x + w - 1, top + 3},
                  {x + w - 1, h}},
                 1, Solid(edge));
    if (chosen) {
      c.FillRect(x + 3, top + 1, w - 6, 1.5f, Solid(t.accent));
    } else {
      TabBase(c, t, x, w);
    }
  }
  return Finish(art, c, out);
}

}  // namespace

draw::DrawResult DrawWidgetImage(std::string_view name, const ArtContext& art, draw::Surface* out) {
  if (name == "Arrows") return Arrows(art, out);
  if (name == "CheckBox") return CheckBox(art, out);
  if (name == "RadioButton") return RadioButton(art, out);
  if (name == "Button") return Buttons(art, kButtonWidth, kButtonHeight, 2, out);
  if (name == "SmallButton") return Buttons(art, kSmallButtonWidth, kSmallButtonHeight, 3, out);
  if (name == "DropDownBox") return DropDownBox(art, out);
  if (name == "Divider") return Divider(art, out);
  if (name == "TabControlLeft") return TabLeft(art, out);
  if (name == "TabControlButton") return TabButton(art, out);
  if (name == "TabControlRight") return TabRight(art, out);
  return draw::kInvalidArgument;
}

}  // namespace zentrix::skin
