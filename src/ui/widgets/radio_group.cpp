#include "ui/widgets/radio_group.h"

#include <algorithm>

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

int ImageSize(bool height) {
  const Skin* skin = CurrentSkin();
  if (skin && skin->Image(SkinImageId::kRadioButton)) {
    return height ? skin->FrameHeight(SkinImageId::kRadioButton)
                  : skin->FrameWidth(SkinImageId::kRadioButton);
  }
  return Px(kCheckBoxSize);
}

}  // namespace

int RadioGroup::Add(int dx, int dy, std::u16string text) {
  items_.push_back({dx, dy, std::move(text)});
  draw::Rect all = Bounds();
  const draw::Rect r = ItemRect(Count() - 1);
  if (Count() == 1) all = r;
  all = draw::Rect{std::min(all.left, r.left), std::min(all.top, r.top),
                   std::max(all.right, r.right), std::max(all.bottom, r.bottom)};
  width_ = all.right - x_;
  height_ = all.bottom - y_;
  return Count() - 1;
}

void RadioGroup::Select(int index) {
  if (index < 0 || index >= Count()) index = kNone;
  if (index == selected_) return;
  previous_ = selected_;
  selected_ = index;
}

draw::Rect RadioGroup::ItemRect(int index) const {
  const Item& item = items_[static_cast<std::size_t>(index)];
  const TextRenderer* font = CurrentFont();
  const int text = font ? font->TextWidth(item.text) : 0;
  const int height = std::max(ImageSize(true), font ? font->LineHeight() : 0);
  return draw::Rect::FromSize(x_ + item.dx - 1, y_ + item.dy - 1, ImageSize(false) + 4 + text + 2,
                              height + 2);
}

int RadioGroup::ItemAt(Point p) const {
  for (int i = 0; i < Count(); ++i) {
    const draw::Rect r = ItemRect(i);
    if (r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom) return i;
  }
  return kNone;
}

bool RadioGroup::StylusDown(Point p) {
  if (!InputAllowed(p)) return false;
  const int index = ItemAt(p);
  if (index == kNone) return false;
  pressed_ = true;
  if (index != selected_) {
    Select(index);
    if (on_change_) on_change_(index);
  }
  return true;
}

bool RadioGroup::StylusUp(Point p) {
  if (!pressed_) return false;
  pressed_ = false;
  return InputAllowed(p) && ItemAt(p) != kNone;
}

void RadioGroup::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  TextRenderer* font = CurrentFont();
  const int image_width = ImageSize(false);
  const int image_height = ImageSize(true);
  const int lower = Ui().high_resolution ? 2 : 0;
  for (int i = 0; i < Count(); ++i) {
    const Item& item = items_[static_cast<std::size_t>(i)];
    const int x = x_ + item.dx;
    const int y = y_ + item.dy;
    if (skin) skin->DrawFrame(surface, SkinImageId::kRadioButton, i == selected_ ? 1 : 0, x, y);
    if (!font) continue;
    font->SetTarget(&surface);
    font->DrawMarkup(item.text, x + image_width + 4,
                     y + (image_height - font->LineHeight()) / 2 + lower,
                     static_cast<std::int32_t>(color_));
    font->ResetColor();
    font->SetTarget(nullptr);
  }
}

void RadioGroup::Describe(WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < Count(); ++i) {
    WidgetInfo info;
    info.kind = "radio button";
    info.text = items_[static_cast<std::size_t>(i)].text;
    info.rect = ItemRect(i);
    info.enabled = enabled_;
    info.checked = i == selected_;
    out.push_back(std::move(info));
  }
}

}  // namespace zentrix::ui
