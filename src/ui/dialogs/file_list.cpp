#include "ui/dialogs/file_list.h"

#include <string>

#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {

FileList::FileList() {
  visible_ = false;
  layer_ = WidgetLayer::kDialog;
  scroll_.SetLayer(WidgetLayer::kDialog);
  scroll_.SetKind("scroll bar");
}

std::u16string FileList::EntryCountText(int entries) {
  const std::string digits = std::to_string(entries);
  std::u16string text(digits.begin(), digits.end());
  text += entries == 1 ? u" Entry" : u" Entries";
  return text;
}

void FileList::SetCountWords(std::u16string one, std::u16string many) {
  count_one_ = std::move(one);
  count_many_ = std::move(many);
}

std::u16string FileList::CountText(int count) const {
  const std::string digits = std::to_string(count);
  std::u16string text(digits.begin(), digits.end());
  text += u' ';
  text += count == 1 ? count_one_ : count_many_;
  return text;
}

void FileList::Show(std::vector<FileListItem> items, const draw::Rect& area) {
  items_ = std::move(items);
  SetBounds(area.left, area.top, area.Width(), area.Height());
  scroll_.SetPosition(0);
  visible_ = true;
  Ui().modal_open = true;
}

void FileList::Close() {
  if (visible_) Ui().modal_open = false;
  visible_ = false;
  pressed_item_ = -1;
  pressed_outside_ = false;
}

void FileList::Finish(int index) {
  Close();
  if (on_close_) on_close_(index);
}

int FileList::ItemHeight() const {
  const TextRenderer* font = CurrentFont();
  const int line = font ? font->LineHeight() : Px(12);
  return 3 * line + line / 4;
}

int FileList::RowsFitting() const { return std::max(height_ / std::max(ItemHeight(), 1), 1); }

draw::Rect FileList::ItemRect(int index) const {
  const bool bar = RowCount() > RowsFitting();
  const int thickness = bar ? scroll_.Width() : 0;
  const int half = (width_ - thickness) / 2;
  const int row = index / 2 - (bar ? scroll_.Position() : 0);
  return draw::Rect::FromSize(x_ + (index % 2) * half, y_ + row * ItemHeight(), half, ItemHeight());
}

int FileList::ItemAt(Point p) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    if (r.top >= y_ && r.bottom <= y_ + height_ && r.Contains(p.x, p.y)) return i;
  }
  return -1;
}

bool FileList::StylusDown(Point p) {
  if (!visible_ || !InputAllowed(p)) return false;
  if (scroll_.Visible() && scroll_.StylusDown(p)) return true;
  pressed_item_ = ItemAt(p);
  pressed_outside_ = !Bounds().Contains(p.x, p.y);
  return true;
}

bool FileList::StylusMove(Point p) {
  if (scroll_.Pressed()) return scroll_.StylusMove(p);
  return visible_;
}

bool FileList::StylusUp(Point p) {
  if (!visible_) return false;
  if (scroll_.Pressed()) return scroll_.StylusUp(p), true;
  const int item = ItemAt(p);
  if (pressed_item_ >= 0 && item == pressed_item_) {
    Finish(item);
  } else if (pressed_outside_ && !Bounds().Contains(p.x, p.y)) {
    Finish(-1);
  }
  pressed_item_ = -1;
  pressed_outside_ = false;
  return true;
}

bool FileList::Wheel(Point, int steps) {
  if (!visible_) return false;
  scroll_.SetPosition(scroll_.Position() - steps);
  return true;
}

void FileList::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  TextRenderer* font = CurrentFont();
  const draw::Rect box = Bounds();
  surface.FillRect(&box, skin ? skin->Palette().background : 0);
  if (!font) return;
  font->SetTarget(&surface);
  if (items_.empty()) {
    font->DrawMarkup(u"No files found.", x_ + 5, y_ + 5);
    font->SetTarget(nullptr);
    return;
  }
  const bool bar = RowCount() > RowsFitting();
  scroll_.SetVisible(bar);
  if (bar) {
    scroll_.SetPosition(x_ + width_ - scroll_.Width(), y_);
    scroll_.SetLength(height_);
    scroll_.SetRange(RowCount() - RowsFitting() + 1);
    scroll_.SetPageSize(RowsFitting());
  }
  const draw::Color frame = skin ? skin->Palette().file_item_frame : 0;
  const int line = font->LineHeight();
  const draw::Rect saved_clip = surface.ClipRect();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    if (r.bottom <= y_ || r.top >= y_ + height_) continue;
    const FileListItem& item = items_[static_cast<std::size_t>(i)];
    surface.FillRect(&r, 0x969696);
    DrawFrameRect(surface, r, frame);
    const draw::Rect inner{r.left + Px(2), r.top + 1, r.right - Px(2), r.bottom - 1};
    const draw::Rect clip = saved_clip.Intersect(inner).Intersect(box);
    surface.SetClipRect(&clip);
    // White text is hard to read on the light grey box: a white font writes
    // in black there, as the black font of the Bright style does.
    // (0 would mean "the font's own colour" to the renderer.)
    const std::int32_t ink = font->NativeIsBlack() ? kNoColor : 0x010101;
    const std::int32_t soft = font->NativeIsBlack() ? 0xC8C8C8 : 0x303030;
    font->SetColor(ink);
    font->DrawPlainTruncated(item.name, inner.left, inner.top, r.Width() / 2);
    const std::u16string count = CountText(item.entries);
    font->DrawPlain(count, inner.right - font->TextWidth(count), inner.top, soft);
    font->DrawPlain(item.date, inner.left, inner.top + line, soft);
    font->DrawMarkupIn(item.preview,
                       draw::Rect{inner.left, inner.top + 2 * line, inner.right, inner.bottom},
                       false);
    font->ResetColor();
    surface.SetClipRect(&saved_clip);
  }
  font->SetTarget(nullptr);
  if (bar) scroll_.Draw(surface);
}

void FileList::Describe(WidgetList& out) const {
  if (!visible_) return;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const draw::Rect r = ItemRect(i);
    if (r.top < y_ || r.bottom > y_ + height_) continue;
    out.push_back({"file item", items_[static_cast<std::size_t>(i)].name, r, true, std::nullopt,
                   std::nullopt});
  }
  if (scroll_.Visible() && RowCount() > RowsFitting()) scroll_.Describe(out);
}

}  // namespace zentrix::ui
