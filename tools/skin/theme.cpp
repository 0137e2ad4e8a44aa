#include "tools/skin/theme.h"

namespace zentrix::skin {

Theme MakeTheme(ui::SkinStyle style) {
  Theme t;
  if (style == ui::SkinStyle::kClassic) {
    t.bright = false;
    t.background = Hex(0x000000);
    t.text = Hex(0xFFFFFF);
    t.bar_top = Hex(0x343C4A);
    t.bar_bottom = Hex(0x161A22);
    t.bar_line = Hex(0x5A6880);
    t.face_top = Hex(0x485264);
    t.face_bottom = Hex(0x262C38);
    t.face_border = Hex(0x788AA6);
    t.face_shine = Hex(0x8A9AB4);
    t.pressed_top = Hex(0x1C5E9E);
    t.pressed_bottom = Hex(0x103A66);
    t.pressed_border = Hex(0x4FB8FF);
    t.disabled_face = Hex(0x23262C);
    t.disabled_border = Hex(0x434852);
    t.disabled_mark = Hex(0x5A606A);
    t.field = Hex(0x14171C);
    t.accent = Hex(0x2E9BFF);
    t.accent_dark = Hex(0x1A5FA8);
    t.on_accent = Hex(0xFFFFFF);
    t.pad_background = Hex(0x0B0D11);
    t.pad_top = Hex(0x3E4654);
    t.pad_bottom = Hex(0x22262E);
    t.pad_border = Hex(0x5C6778);
    t.page_top = Hex(0x2C4C78);
    t.page_bottom = Hex(0x182C4A);
    t.page_border = Hex(0x4D77AE);
    t.circuit = Hex(0x56D8FF);
    t.pad_pressed_top = Hex(0x2275C4);
    t.pad_pressed_bottom = Hex(0x134878);
    t.pad_pressed_border = Hex(0x56C0FF);
    t.ink = Hex(0xE6ECF4);
    t.ink_soft = Hex(0x8C98AA);
    t.icon_accent = Hex(0x45C2FF);
    t.icon_red = Hex(0xFF5E52);
    t.icon_green = Hex(0x5AD46E);
    t.icon_yellow = Hex(0xFFC840);
  } else {
    t.bright = true;
    t.background = Hex(0xFFFFFF);
    t.text = Hex(0x000000);
    t.bar_top = Hex(0xF6F8FB);
    t.bar_bottom = Hex(0xD9DFE8);
    t.bar_line = Hex(0xA3ADBC);
    t.face_top = Hex(0xFFFFFF);
    t.face_bottom = Hex(0xE0E5EC);
    t.face_border = Hex(0x8E99A8);
    t.face_shine = Hex(0xFFFFFF);
    t.pressed_top = Hex(0xBFD7F6);
    t.pressed_bottom = Hex(0x9FC1EE);
    t.pressed_border = Hex(0x3D74C9);
    t.disabled_face = Hex(0xEEF0F3);
    t.disabled_border = Hex(0xC3C8D0);
    t.disabled_mark = Hex(0xB0B6BF);
    t.field = Hex(0xFFFFFF);
    t.accent = Hex(0x2F6FD6);
    t.accent_dark = Hex(0x1F4F9F);
    t.on_accent = Hex(0xFFFFFF);
    t.pad_background = Hex(0xD3D9E2);
    t.pad_top = Hex(0x5A6A82);
    t.pad_bottom = Hex(0x3C475A);
    t.pad_border = Hex(0x2C3544);
    t.page_top = Hex(0x3B7BE0);
    t.page_bottom = Hex(0x2457AC);
    t.page_border = Hex(0x1B3F7E);
    t.circuit = Hex(0x2C5FB8);
    t.pad_pressed_top = Hex(0x3F86F0);
    t.pad_pressed_bottom = Hex(0x2050A6);
    t.pad_pressed_border = Hex(0x163A7A);
    t.ink = Hex(0x283040);
    t.ink_soft = Hex(0x8A94A4);
    t.icon_accent = Hex(0x1F64D2);
    t.icon_red = Hex(0xD43A2E);
    t.icon_green = Hex(0x1E9A3C);
    t.icon_yellow = Hex(0xE08C00);
  }
  return t;
}

draw::DrawResult Finish(const ArtContext& art, const Canvas& canvas, draw::Surface* out) {
  return CanvasToSurface(canvas, art.key, art.theme.background, out);
}

draw::DrawResult Finish(const ArtContext& art, const Canvas& canvas, Rgb matte,
                        draw::Surface* out) {
  return CanvasToSurface(canvas, art.key, matte, out);
}

void CanvasText(Canvas& canvas, FontFace& face, const std::u32string& text, float cx, float cy,
                int pixel_size, const Paint& paint) {
  const int s = canvas.Scale();
  if (!face.SetPixelSize(pixel_size * s)) return;
  GlyphBitmap g;
  if (!face.RenderRun(text, &g) || g.width == 0) return;
  // Centre the ink box on the point.
  const int x = static_cast<int>(cx * s - g.width / 2.0f + 0.5f);
  const int y = static_cast<int>(cy * s - g.rows / 2.0f + 0.5f);
  canvas.BlendCoverage(x, y, g.width, g.rows, g.coverage.data(), g.width, paint);
}

}  // namespace zentrix::skin
