#include "graphing/screens/toolbar/tool_button.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

void ToolButton::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const ui::Skin* skin = ui::CurrentSkin();
  if (checked_.value_or(false) || pressed_) {
    const draw::Color fill = skin ? skin->Palette().highlight : 0x7D7D7D;
    const draw::Rect box = Bounds();
    surface.FillRect(&box, fill);
  }
  if (!skin) return;
  const int size = skin->FrameHeight(ui::SkinImageId::kImageList);
  skin->DrawFrame(surface, ui::SkinImageId::kImageList, static_cast<int>(icon_),
                  x_ + (width_ - size) / 2, y_ + (height_ - size) / 2);
}

void ToolButton::OnClick(const draw::Rect&) {
  if (action_) action_();
}

void ToolButton::Describe(ui::WidgetList& out) const {
  if (!visible_) return;
  ui::WidgetInfo info = BasicInfo();
  info.checked = checked_;
  out.push_back(std::move(info));
}

}  // namespace zentrix::graphing::screens
