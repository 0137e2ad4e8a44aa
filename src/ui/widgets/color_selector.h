#pragma once
// ColorSelector: closed, a swatch (16 × 16, doubled on high-resolution
// screens) framed in 0x7D7D7D and filled with the chosen colour, its label 8
// pixels to the right. A tap opens the palette centred over the screen; a tap
// on a swatch chooses that colour, a tap anywhere else closes it unchanged.
// While open it takes every tap first (screens offer it the stylus before
// their other widgets) and sets the UI state's modal flag.

#include <functional>
#include <vector>

#include "ui/core/widget.h"
#include "ui/widgets/color_palette.h"

namespace zentrix::ui {

class ColorSelector : public Widget {
 public:
  ColorSelector() = default;
  ColorSelector(int x, int y, std::u16string label, PaletteKind kind = PaletteKind::kNormal);

  std::string_view Kind() const override { return "colour selector"; }
  draw::Color Value() const { return value_; }
  void SetValue(draw::Color value) { value_ = value; }
  void SetOnChange(std::function<void(draw::Color)> f) { on_change_ = std::move(f); }
  PaletteKind Palette() const { return kind_; }
  bool IsOpen() const { return open_; }
  void Open();
  void Close();

  // The area the open palette must stay inside (the screen's content area,
  // between its bars); empty means the whole screen. A palette taller than
  // the area packs its rows closer, so that every swatch stays tappable.
  void SetPaletteArea(const draw::Rect& area) { palette_area_ = area; }

  // The palette's swatch boxes (valid after a draw or Open).
  draw::Rect SwatchRect(int index) const;
  int SwatchCount() const { return static_cast<int>(colors_.size()); }
  draw::Color SwatchColor(int index) const { return colors_[static_cast<std::size_t>(index)]; }

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  // Draws the open palette (screens draw it last, over everything).
  void DrawPalette(draw::Surface& surface);
  void Describe(WidgetList& out) const override;

 private:
  int SwatchAt(Point p) const;
  int SwatchHeight() const;
  void PlacePalette(int screen_width, int screen_height);

  draw::Color value_ = 0x0000FF;
  PaletteKind kind_ = PaletteKind::kNormal;
  std::vector<draw::Color> colors_;
  bool open_ = false;
  bool swallow_up_ = false;
  int palette_x_ = 0;
  int palette_y_ = 0;
  int pitch_y_ = 0;  // between palette rows; 0 before the palette is placed
  draw::Rect palette_area_;
  int screen_width_ = 240;
  int screen_height_ = 320;
  std::function<void(draw::Color)> on_change_;
};

// "#RRGGBB" for a 0x00BBGGRR colour.
std::u16string ColorName(draw::Color color);

}  // namespace zentrix::ui
