#include "tutorials/list/tutorial_list.h"

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::tutorials {

TutorialList::TutorialList() {
  visible_ = false;
  for (int i = 0; i < kMaxButtons; ++i) {
    buttons_[static_cast<std::size_t>(i)].SetAction([this, i] {
      SetVisible(false);
      if (choose_) choose_(i);
    });
  }
}

void TutorialList::SetCaptions(std::span<const std::u16string_view> captions) {
  count_ = static_cast<int>(std::min<std::size_t>(captions.size(), kMaxButtons));
  for (int i = 0; i < count_; ++i) {
    buttons_[static_cast<std::size_t>(i)].SetText(
        std::u16string(captions[static_cast<std::size_t>(i)]));
  }
}

void TutorialList::Place(const draw::Rect& area) {
  const int margin = ui::Px(8);
  const int gap = ui::Px(4);
  const int button_height = ui::Px(ui::kButtonHeight);
  const int button_width = std::min(area.Width() - 4 * margin, ui::Px(200));
  width_ = button_width + 2 * margin;
  height_ = count_ * button_height + (count_ - 1) * gap + 2 * margin;
  x_ = area.left + (area.Width() - width_) / 2;
  y_ = area.top + std::max((area.Height() - height_) / 2, 0);
  for (int i = 0; i < count_; ++i) {
    buttons_[static_cast<std::size_t>(i)].SetBounds(
        x_ + margin, y_ + margin + i * (button_height + gap), button_width, button_height);
  }
}

bool TutorialList::StylusDown(ui::Point p) {
  if (!visible_) return false;
  for (int i = 0; i < count_; ++i) {
    if (buttons_[static_cast<std::size_t>(i)].StylusDown(p)) return true;
  }
  swallowing_ = InputAllowed(p);
  return swallowing_;
}

bool TutorialList::StylusUp(ui::Point p) {
  if (!visible_) return false;
  for (int i = 0; i < count_; ++i) {
    if (buttons_[static_cast<std::size_t>(i)].StylusUp(p)) return true;
  }
  if (!swallowing_) return false;
  swallowing_ = false;
  if (!Contains(p)) SetVisible(false);
  return true;
}

void TutorialList::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().message_box_fill : 0x007FFF;
  const draw::Color frame = skin ? skin->Palette().message_box_frame : 0x000000;
  const draw::Rect box = Bounds();
  surface.FillRect(&box, fill);
  ui::DrawFrameRect(surface, box, frame);
  for (int i = 0; i < count_; ++i) buttons_[static_cast<std::size_t>(i)].Draw(surface);
}

void TutorialList::Describe(ui::WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < count_; ++i) buttons_[static_cast<std::size_t>(i)].Describe(out);
}

}  // namespace zentrix::tutorials
