#include "ui/widgets/check_box.h"

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

CheckBox::CheckBox(int x, int y, std::u16string text, bool checked)
    : Widget(x, y, 0, 0, std::move(text)), checked_(checked) {
  Measure();
}

// The tappable area: the image and the label.
void CheckBox::Measure() {
  const Skin* skin = CurrentSkin();
  const TextRenderer* font = CurrentFont();
  const int image = skin && skin->Image(SkinImageId::kCheckBox)
                        ? skin->FrameWidth(SkinImageId::kCheckBox)
                        : Px(kCheckBoxSize);
  const int image_height = skin && skin->Image(SkinImageId::kCheckBox)
                               ? skin->FrameHeight(SkinImageId::kCheckBox)
                               : Px(kCheckBoxSize);
  const int text = font ? font->TextWidth(text_) : 0;
  width_ = image + 4 + text + 1;
  height_ = std::max(image_height, font ? font->LineHeight() : 0) + 1;
}

void CheckBox::Draw(draw::Surface& surface) {
  if (!visible_) return;
  Measure();
  const Skin* skin = CurrentSkin();
  int image_width = Px(kCheckBoxSize);
  int image_height = Px(kCheckBoxSize);
  if (skin && skin->Image(SkinImageId::kCheckBox)) {
    image_width = skin->FrameWidth(SkinImageId::kCheckBox);
    image_height = skin->FrameHeight(SkinImageId::kCheckBox);
    skin->DrawFrame(surface, SkinImageId::kCheckBox, Frame(), x_, y_);
  }
  TextRenderer* font = CurrentFont();
  if (!font) return;
  font->SetTarget(&surface);
  const int lower = Ui().high_resolution ? 2 : 0;
  const int ty = y_ + (image_height - font->LineHeight()) / 2 + lower;
  font->DrawMarkup(text_, x_ + image_width + 4, ty, static_cast<std::int32_t>(color_));
  font->ResetColor();
  font->SetTarget(nullptr);
}

void CheckBox::OnPress(const draw::Rect&) {
  checked_ = !checked_;
  if (on_change_) on_change_(checked_);
}

void CheckBox::Describe(WidgetList& out) const {
  if (!visible_) return;
  WidgetInfo info = BasicInfo();
  info.checked = checked_;
  out.push_back(std::move(info));
}

}  // namespace zentrix::ui
