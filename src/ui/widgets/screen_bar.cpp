#include "ui/widgets/screen_bar.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

const std::u16string_view ScreenBar::kIconNames[kScreenCount] = {
    u"calculator", u"settings",    u"graph2d", u"graph3d",
    u"notes",      u"screenshots", u"buttons", u"about"};

ScreenBar::ScreenBar() { Place(Ui().high_resolution ? 480 : 240); }

void ScreenBar::Place(int screen_width) { SetBounds(0, 0, screen_width, Px(kScreenBarHeight)); }

draw::Rect ScreenBar::IconRect(int screen) const {
  return draw::Rect::FromSize(x_ + screen * Px(kMenuSelectorWidth), y_, Px(kMenuSelectorWidth),
                              height_);
}

draw::Rect ScreenBar::CloseRect() const {
  return draw::Rect::FromSize(x_ + width_ - Px(kScreenBarIconSize), y_, Px(kScreenBarIconSize),
                              height_);
}

draw::Rect ScreenBar::StyleRect() const {
  return draw::Rect::FromSize(x_ + width_ - 2 * Px(kScreenBarIconSize), y_, Px(kScreenBarIconSize),
                              height_);
}

int ScreenBar::PartAt(Point p) const {
  if (CloseRect().Contains(p.x, p.y)) return kClose;
  if (StyleRect().Contains(p.x, p.y)) return kStyle;
  for (int i = 0; i < kScreenCount; ++i) {
    if (IconRect(i).Contains(p.x, p.y)) return i;
  }
  return kNoPart;
}

bool ScreenBar::StylusDown(Point p) {
  if (!InputAllowed(p) || !Contains(p)) return false;
  pressed_ = true;
  pressed_part_ = PartAt(p);
  return true;
}

bool ScreenBar::StylusUp(Point p) {
  if (!pressed_) return false;
  pressed_ = false;
  const int part = pressed_part_;
  pressed_part_ = kNoPart;
  if (!InputAllowed(p) || PartAt(p) != part) return true;
  if (part == kClose) {
    if (on_close_) on_close_();
  } else if (part == kStyle) {
    if (on_style_) on_style_();
  } else if (part >= 0) {
    current_ = part;
    if (on_select_) on_select_(part);
  }
  return true;
}

void ScreenBar::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  if (!skin) return;
  skin->DrawFrameCut(surface, SkinImageId::kMenuSystemHeader, 0, x_, y_, width_);
  const int icon = skin->FrameHeight(SkinImageId::kImageList);
  for (int i = 0; i < kScreenCount; ++i) {
    const draw::Rect r = IconRect(i);
    if (i == current_) skin->DrawFrame(surface, SkinImageId::kMenuSelector, 0, r.left, r.top);
    skin->DrawFrame(surface, SkinImageId::kImageList, i, r.left + (r.Width() - icon) / 2,
                    r.top + (r.Height() - icon) / 2);
  }
  const draw::Rect style = StyleRect();
  const draw::Rect close = CloseRect();
  const int style_frame = static_cast<int>(
      pressed_part_ == kStyle ? ScreenBarIcon::kStyleTogglePressed : ScreenBarIcon::kStyleToggle);
  const int close_frame = static_cast<int>(pressed_part_ == kClose ? ScreenBarIcon::kClosePressed
                                                                   : ScreenBarIcon::kClose);
  skin->DrawFrame(surface, SkinImageId::kMenuSystemIconList, style_frame, style.left, style.top);
  skin->DrawFrame(surface, SkinImageId::kMenuSystemIconList, close_frame, close.left, close.top);
}

void ScreenBar::Describe(WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < kScreenCount; ++i) {
    out.push_back({"screen bar", std::u16string(kIconNames[i]), IconRect(i), enabled_, std::nullopt,
                   i == current_ ? std::optional<int>(i) : std::nullopt});
  }
  out.push_back({"screen bar", u"style", StyleRect(), enabled_, std::nullopt, std::nullopt});
  out.push_back({"screen bar", u"close", CloseRect(), enabled_, std::nullopt, std::nullopt});
}

}  // namespace zentrix::ui
