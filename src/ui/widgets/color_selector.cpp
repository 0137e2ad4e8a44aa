#include "ui/widgets/color_selector.h"

#include <algorithm>

#include "ui/core/ui_state.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

int SwatchSize() { return Px(kColorSwatchSize); }
int PitchX() { return Px(21); }
int PitchY() { return Px(19); }

}  // namespace

std::u16string ColorName(draw::Color color) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string name = u"#";
  for (const std::uint32_t channel :
       {draw::RedOf(color), draw::GreenOf(color), draw::BlueOf(color)}) {
    name += kHex[channel >> 4];
    name += kHex[channel & 0xF];
  }
  return name;
}

ColorSelector::ColorSelector(int x, int y, std::u16string label, PaletteKind kind)
    : Widget(x, y, 0, 0, std::move(label)), kind_(kind), colors_(BuildPalette(kind)) {
  width_ = SwatchSize() + 1;
  height_ = SwatchSize() + 1;
}

void ColorSelector::PlacePalette(int screen_width, int screen_height) {
  screen_width_ = screen_width;
  screen_height_ = screen_height;
  const draw::Rect area =
      palette_area_.Empty() ? draw::Rect{0, 0, screen_width, screen_height} : palette_area_;
  const int rows = PaletteRows(kind_);
  // Rows pack closer when the area is too short for them, down to swatches
  // a few pixels high; the frame takes 3 pixels.
  pitch_y_ = std::clamp((area.Height() - 3) / rows, Px(6), PitchY());
  const int width = kPaletteColumns * PitchX();
  const int height = rows * pitch_y_;
  palette_x_ = std::max(area.left + (area.Width() - width) / 2, 0);
  palette_y_ = std::max(area.top + (area.Height() - height) / 2, area.top);
}

int ColorSelector::SwatchHeight() const {
  return std::min(SwatchSize(), (pitch_y_ > 0 ? pitch_y_ : PitchY()) - Px(3));
}

void ColorSelector::Open() {
  if (colors_.empty()) colors_ = BuildPalette(kind_);
  PlacePalette(screen_width_, screen_height_);
  open_ = true;
  Ui().modal_open = true;
}

void ColorSelector::Close() {
  if (open_) Ui().modal_open = false;
  open_ = false;
}

draw::Rect ColorSelector::SwatchRect(int index) const {
  const int column = index % kPaletteColumns;
  const int row = index / kPaletteColumns;
  const int pitch_y = pitch_y_ > 0 ? pitch_y_ : PitchY();
  return draw::Rect::FromSize(palette_x_ + column * PitchX() + 2, palette_y_ + row * pitch_y + 2,
                              SwatchSize(), SwatchHeight());
}

int ColorSelector::SwatchAt(Point p) const {
  for (int i = 0; i < SwatchCount(); ++i) {
    if (SwatchRect(i).Contains(p.x, p.y)) return i;
  }
  return -1;
}

bool ColorSelector::StylusDown(Point p) {
  if (open_) {
    // The palette belongs to the open dialog layer: only the tutorial may
    // still refuse the tap.
    const UiState& ui = Ui();
    if (ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y)) return false;
    const int swatch = SwatchAt(p);
    Close();
    if (swatch >= 0) {
      value_ = colors_[static_cast<std::size_t>(swatch)];
      if (on_change_) on_change_(value_);
    }
    swallow_up_ = true;
    return true;
  }
  if (!Widget::StylusDown(p)) return false;
  Open();
  swallow_up_ = true;
  return true;
}

bool ColorSelector::StylusUp(Point p) {
  pressed_ = false;
  if (!swallow_up_) return false;
  swallow_up_ = false;
  (void)p;
  return true;
}

void ColorSelector::Draw(draw::Surface& surface) {
  if (!visible_) return;
  if (!open_) PlacePalette(surface.Width(), surface.Height());
  const int size = SwatchSize();
  const draw::Rect swatch = draw::Rect::FromSize(x_, y_, size, size);
  surface.FillRect(&swatch, value_);
  DrawFrameRect(surface, swatch, 0x7D7D7D);
  TextRenderer* font = CurrentFont();
  if (!font) return;
  font->SetTarget(&surface);
  font->DrawMarkup(text_, x_ + size + 8, y_ + (size - font->LineHeight()) / 2,
                   static_cast<std::int32_t>(color_));
  font->ResetColor();
  width_ = size + 8 + font->TextWidth(text_) + 1;
  height_ = size + 1;
  font->SetTarget(nullptr);
}

void ColorSelector::DrawPalette(draw::Surface& surface) {
  if (!visible_ || !open_) return;
  const draw::Rect area =
      draw::Rect::FromSize(palette_x_, palette_y_, kPaletteColumns * PitchX() + 3,
                           PaletteRows(kind_) * (pitch_y_ > 0 ? pitch_y_ : PitchY()) + 3);
  surface.FillRect(&area, 0x000000);
  DrawFrameRect(surface, area, 0x7D7D7D);
  for (int i = 0; i < SwatchCount(); ++i) {
    const draw::Rect r = SwatchRect(i);
    surface.FillRect(&r, colors_[static_cast<std::size_t>(i)]);
    if (colors_[static_cast<std::size_t>(i)] == value_) DrawFrameRect(surface, r, 0x7D7D7D);
  }
}

void ColorSelector::Describe(WidgetList& out) const {
  if (!visible_) return;
  WidgetInfo info = BasicInfo();
  info.selected = static_cast<int>(value_);
  out.push_back(std::move(info));
  if (!open_) return;
  for (int i = 0; i < SwatchCount(); ++i) {
    WidgetInfo swatch;
    swatch.kind = "swatch";
    swatch.text = ColorName(colors_[static_cast<std::size_t>(i)]);
    swatch.rect = SwatchRect(i);
    out.push_back(std::move(swatch));
  }
}

}  // namespace zentrix::ui
