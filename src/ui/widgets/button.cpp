#include "ui/widgets/button.h"

#include "ui/core/ui_state.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

void Button::SetIcon(Icon icon, std::u16string automation_name) {
  icon_ = static_cast<int>(icon);
  text_ = std::move(automation_name);
}

SkinImageId Button::Image() const {
  return style_ == Style::kSmall ? SkinImageId::kSmallButton : SkinImageId::kButton;
}

int Button::Frame() const {
  const bool three_frames = style_ == Style::kSmall;
  if (!enabled_ && three_frames) return 2;
  return pressed_ || !enabled_ ? 1 : 0;
}

void Button::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  if (skin) skin->DrawFrameCut(surface, Image(), Frame(), x_, y_, width_);
  const int offset = pressed_ ? Px(1) : 0;
  draw::Rect face = Bounds();
  face.left += offset;
  face.right += offset;
  face.top += offset;
  face.bottom += offset;
  if (icon_ >= 0) {
    if (!skin) return;
    const int size = skin->FrameHeight(SkinImageId::kImageList);
    skin->DrawFrame(surface, SkinImageId::kImageList, icon_, face.left + (width_ - size) / 2,
                    face.top + (height_ - size) / 2);
    return;
  }
  if (TextRenderer* font = CurrentFont()) DrawCentredText(surface, *font, text_, face);
}

void Button::OnClick(const draw::Rect&) {
  if (action_) action_();
}

}  // namespace zentrix::ui
