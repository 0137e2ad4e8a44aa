#include "graphing/screens/panel_layout.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

void SetUpFieldBox(ui::TextBox& box, std::u16string prefix) {
  box.SetPrefix(std::move(prefix));
  box.SetPadded(true);
}

void StyleFieldBox(ui::TextBox& box, bool greyed) {
  constexpr draw::Color kGreyedText = 0x7D7D7D;
  const ui::Skin* skin = ui::CurrentSkin();
  const ui::SkinPalette palette = skin ? skin->Palette() : ui::SkinPalette{};
  const bool white_text = palette.text == 0xFFFFFF;
  const draw::Color background =
      white_text ? palette.grid_fill : (greyed ? palette.grid_fill : palette.highlight);
  box.SetBackground(static_cast<std::int32_t>(background));
  box.SetTextColor(greyed ? kGreyedText : 0xFFFFFF);
}

int PanelGap() {
  return ui::Px(3);
}
int PanelMargin() {
  return ui::Px(4);
}
int ButtonHeight() {
  return ui::Px(20);
}

void ColumnFlow::PlaceBox(ui::TextBox& box) {
  box.SetPosition(left_, y_);
  box.SetSize(width_, box.Height());
  box.Layout();
  y_ += box.Height() + PanelGap();
}

void ColumnFlow::PlaceAt(ui::Widget& widget, int indent) {
  widget.SetPosition(left_ + indent, y_);
  y_ += widget.Height() + PanelGap();
}

int PlaceButtonRows(ui::Widget* const* buttons, int count, int left, int top, int width,
                    int min_width) {
  const int gap = PanelGap();
  const int per_row = std::clamp((width + gap) / (min_width + gap), 1, std::max(count, 1));
  int button_width = (width - gap * (per_row - 1)) / per_row;
  // The skin's button picture is cut to a button's width, never stretched.
  const ui::Skin* skin = ui::CurrentSkin();
  if (skin && skin->Image(ui::SkinImageId::kButton)) {
    button_width = std::min(button_width, skin->FrameWidth(ui::SkinImageId::kButton));
  }
  int y = top;
  for (int i = 0; i < count; ++i) {
    const int column = i % per_row;
    if (i > 0 && column == 0) y += ButtonHeight() + gap;
    buttons[i]->SetBounds(left + column * (button_width + gap), y, button_width, ButtonHeight());
  }
  return count > 0 ? y + ButtonHeight() : top;
}

}  // namespace zentrix::graphing::screens
