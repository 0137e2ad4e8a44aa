#include "ui/widgets/tab_control.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

TabControl::TabControl(int x, int y, int width, std::vector<std::u16string> captions)
    : Widget(x, y, width, Px(kTabHeight)) {
  SetCaptions(std::move(captions));
}

void TabControl::SetCaptions(std::vector<std::u16string> captions) {
  captions_ = std::move(captions);
  if (selected_ >= Count()) selected_ = 0;
}

void TabControl::Select(int index) {
  if (index >= 0 && index < Count()) selected_ = index;
}

void TabControl::FitMargin() {
  const TextRenderer* font = CurrentFont();
  int text = 0;
  for (const std::u16string& caption : captions_) text += font ? font->TextWidth(caption) : 0;
  const int room = width_ - Px(kTabLeftWidth) - text;
  margin_ = Px(12);
  if (Count() > 0 && room < margin_ * Count()) margin_ = std::max(room / Count(), Px(2));
}

// A caption and a margin, at most the image's width.
int TabControl::TabWidth(int index) const {
  const TextRenderer* font = CurrentFont();
  const int text = font ? font->TextWidth(captions_[static_cast<std::size_t>(index)]) : 0;
  return std::min(text + (margin_ >= 0 ? margin_ : Px(12)), Px(kTabButtonWidth));
}

draw::Rect TabControl::TabRect(int index) const {
  int x = x_ + Px(kTabLeftWidth);
  for (int i = 0; i < index; ++i) x += TabWidth(i);
  return draw::Rect::FromSize(x, y_, TabWidth(index), height_);
}

bool TabControl::StylusDown(Point p) {
  if (!InputAllowed(p)) return false;
  for (int i = 0; i < Count(); ++i) {
    const draw::Rect r = TabRect(i);
    if (!(r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom)) continue;
    pressed_ = true;
    if (i != selected_) {
      selected_ = i;
      if (on_change_) on_change_(i);
    }
    return true;
  }
  return false;
}

bool TabControl::StylusUp(Point) {
  const bool was = pressed_;
  pressed_ = false;
  return was;
}

void TabControl::Draw(draw::Surface& surface) {
  if (!visible_) return;
  FitMargin();
  const Skin* skin = CurrentSkin();
  TextRenderer* font = CurrentFont();
  if (skin) skin->DrawFrame(surface, SkinImageId::kTabControlLeft, 0, x_, y_);
  int right = x_ + Px(kTabLeftWidth);
  for (int i = 0; i < Count(); ++i) {
    const draw::Rect r = TabRect(i);
    if (skin) {
      skin->DrawFrameCut(surface, SkinImageId::kTabControlButton, i == selected_ ? 1 : 0, r.left,
                         r.top, r.Width());
    }
    if (font) DrawCentredText(surface, *font, captions_[static_cast<std::size_t>(i)], r);
    right = r.right;
  }
  if (skin && right < x_ + width_) {
    skin->DrawFrameCut(surface, SkinImageId::kTabControlRight, 0, right, y_, x_ + width_ - right);
  }
}

void TabControl::Describe(WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < Count(); ++i) {
    out.push_back({"tab", captions_[static_cast<std::size_t>(i)], TabRect(i), enabled_,
                   i == selected_, std::nullopt});
  }
}

}  // namespace zentrix::ui
