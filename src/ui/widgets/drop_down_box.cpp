#include "ui/widgets/drop_down_box.h"

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

DropDownBox::DropDownBox(int x, int y, int width, std::vector<std::u16string> items)
    : Widget(x, y, width, Px(kDropDownHeight)) {
  SetItems(std::move(items));
}

void DropDownBox::SetItems(std::vector<std::u16string> items) {
  items_ = std::move(items);
  if (selected_ >= static_cast<int>(items_.size())) selected_ = kNone;
  if (selected_ == kNone && !items_.empty()) selected_ = 0;
  text_ = selected_ == kNone ? std::u16string() : items_[static_cast<std::size_t>(selected_)];
}

void DropDownBox::Select(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  selected_ = index;
  text_ = items_[static_cast<std::size_t>(index)];
}

void DropDownBox::Close() {
  if (open_) Ui().modal_open = false;
  open_ = false;
}

int DropDownBox::ItemHeight() const {
  const TextRenderer* font = CurrentFont();
  return (font ? font->LineHeight() : Px(12)) + Px(4);
}

draw::Rect DropDownBox::ItemRect(int index) const {
  const int h = ItemHeight();
  const int count = static_cast<int>(items_.size());
  const int top = list_above_ ? y_ - count * h : y_ + height_;
  return draw::Rect::FromSize(x_, top + index * h, width_, h);
}

bool DropDownBox::StylusDown(Point p) {
  if (open_) {
    const UiState& ui = Ui();
    if (ui.tutorial.active && !ui.tutorial.allowed.Contains(p.x, p.y)) return false;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      if (!ItemRect(i).Contains(p.x, p.y)) continue;
      const bool changed = i != selected_;
      Select(i);
      if (changed && on_change_) on_change_(i);
      break;
    }
    Close();
    swallow_up_ = true;
    return true;
  }
  if (!Widget::StylusDown(p) || items_.empty()) return false;
  const int list_height = static_cast<int>(items_.size()) * ItemHeight();
  const int screen = screen_height_ > 0 ? screen_height_ : (Ui().high_resolution ? 640 : 320);
  list_above_ = y_ + height_ + list_height > screen && y_ - list_height >= 0;
  open_ = true;
  Ui().modal_open = true;
  swallow_up_ = true;
  return true;
}

bool DropDownBox::StylusUp(Point) {
  pressed_ = false;
  if (!swallow_up_) return false;
  swallow_up_ = false;
  return true;
}

void DropDownBox::Draw(draw::Surface& surface) {
  if (!visible_) return;
  screen_height_ = surface.Height();
  const Skin* skin = CurrentSkin();
  if (skin && skin->Image(SkinImageId::kDropDownBox)) {
    skin->DrawFrameFitted(surface, SkinImageId::kDropDownBox, 0, x_, y_, width_,
                          kDropDownButtonWidth + kCutEdge);
  }
  TextRenderer* font = CurrentFont();
  if (!font) return;
  font->SetTarget(&surface);
  const int arrow = Px(kDropDownButtonWidth);
  font->DrawPlainTruncated(text_, x_ + Px(3), y_ + (height_ - font->LineHeight()) / 2,
                           width_ - arrow - Px(4));
  font->SetTarget(nullptr);
}

void DropDownBox::DrawList(draw::Surface& surface) {
  if (!visible_ || !open_) return;
  const Skin* skin = CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().background : 0;
  const draw::Color line = skin ? skin->Palette().grid_line : 0x7D7D7D;
  const draw::Color highlight = skin ? skin->Palette().highlight : 0x7D7D7D;
  TextRenderer* font = CurrentFont();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    surface.FillRect(&r, i == selected_ ? highlight : fill);
    if (font) {
      font->SetTarget(&surface);
      font->DrawPlainTruncated(items_[static_cast<std::size_t>(i)], r.left + Px(3), r.top + Px(2),
                               r.Width() - Px(4));
      font->SetTarget(nullptr);
    }
  }
  if (!items_.empty()) {
    const draw::Rect first = ItemRect(0);
    const draw::Rect last = ItemRect(static_cast<int>(items_.size()) - 1);
    DrawFrameRect(surface, draw::Rect{first.left, first.top, last.right, last.bottom}, line);
  }
}

void DropDownBox::Describe(WidgetList& out) const {
  if (!visible_) return;
  WidgetInfo info = BasicInfo();
  info.selected = selected_;
  out.push_back(std::move(info));
  if (!open_) return;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    out.push_back({"menu item", items_[static_cast<std::size_t>(i)], ItemRect(i), true,
                   std::nullopt, std::nullopt});
  }
}

}  // namespace zentrix::ui
