#include "graphing/screens/list/kind_menu.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

int KindMenu::ItemHeight() const {
  const ui::TextRenderer* font = ui::CurrentFont();
  return (font ? font->LineHeight() : ui::Px(12)) + ui::Px(4);
}

void KindMenu::Open(const draw::Rect& anchor, const draw::Rect& bounds) {
  const ui::TextRenderer* font = ui::CurrentFont();
  int width = ui::Px(60);
  for (const std::u16string& item : items_) {
    width = std::max(width, (font ? font->TextWidth(item) : 0) + ui::Px(8));
  }
  const int height = static_cast<int>(items_.size()) * ItemHeight();
  int top = anchor.top - height;
  if (top < bounds.top) top = std::min(anchor.bottom, bounds.bottom - height);
  const int left =
      std::clamp(anchor.left, bounds.left, std::max(bounds.right - width, bounds.left));
  SetBounds(left, std::max(top, bounds.top), width, height);
  open_ = true;
  ui::Ui().modal_open = true;
}

void KindMenu::Close() {
  if (open_) ui::Ui().modal_open = false;
  open_ = false;
}

draw::Rect KindMenu::ItemRect(int index) const {
  return draw::Rect::FromSize(x_, y_ + index * ItemHeight(), width_, ItemHeight());
}

bool KindMenu::StylusDown(ui::Point p) {
  if (!open_) return false;
  const ui::UiState& ui = ui::Ui();
  if (ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y)) return false;
  int chosen = -1;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (ItemRect(i).Contains(p.x, p.y)) chosen = i;
  }
  Close();
  swallow_up_ = true;
  if (chosen >= 0 && on_choose_) on_choose_(chosen);
  return true;
}

bool KindMenu::StylusUp(ui::Point) {
  if (!swallow_up_) return false;
  swallow_up_ = false;
  return true;
}

void KindMenu::Draw(draw::Surface& surface) {
  if (!open_) return;
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().background : 0;
  const draw::Color line = skin ? skin->Palette().grid_line : 0x7D7D7D;
  const draw::Rect all = Bounds();
  surface.FillRect(&all, fill);
  ui::TextRenderer* font = ui::CurrentFont();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    if (font) {
      font->SetTarget(&surface);
      font->DrawPlain(items_[static_cast<std::size_t>(i)], r.left + ui::Px(4), r.top + ui::Px(2));
      font->SetTarget(nullptr);
    }
    if (i > 0) surface.DrawLine(r.left, r.top, r.right - 1, r.top, line);
  }
  ui::DrawFrameRect(surface, all, line);
}

void KindMenu::Describe(ui::WidgetList& out) const {
  if (!open_) return;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    out.push_back({"menu item", items_[static_cast<std::size_t>(i)], ItemRect(i), true,
                   std::nullopt, std::nullopt});
  }
}

}  // namespace zentrix::graphing::screens
