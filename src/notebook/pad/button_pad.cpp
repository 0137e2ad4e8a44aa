#include "notebook/pad/button_pad.h"

#include <algorithm>

#include "draw/vfs_archive.h"
#include "ui/core/focus.h"
#include "ui/skin/skin_files.h"
#include "ui/widgets/text_box.h"

namespace zentrix::notebook {
namespace {

constexpr draw::Color kLabelWhite = 0xFFFFFF;
constexpr draw::Color kLabelYellow = 0x00FFFF;

// Where a label too wide for one line breaks: before the capital letter that
// best balances the two lines ("Binomial" / "Cdf"), or nowhere (0).
std::size_t CamelBreak(const ui::TextRenderer& font, std::u16string_view label) {
  std::size_t best = 0;
  int best_width = 0;
  for (std::size_t i = 1; i < label.size(); ++i) {
    if (label[i] < u'A' || label[i] > u'Z') continue;
    const int width = std::max(font.TextWidth(label.substr(0, i)), font.TextWidth(label.substr(i)));
    if (best == 0 || width <= best_width) {
      best = i;
      best_width = width;
    }
  }
  return best;
}

}  // namespace

draw::DrawResult ButtonPad::LoadLabelFont(const std::string& skins_folder, ui::SkinSize size) {
  const ui::SkinInfo& white = ui::SkinFor(size, ui::SkinStyle::kClassic);
  draw::VfsArchive archive;
  draw::DrawResult r = archive.Open(skins_folder + "/" + std::string(white.archive));
  if (draw::Failed(r)) return r;
  r = ui::LoadSkinFont(archive, white, "SmallFont", &own_label_bitmap_);
  archive.Close();
  if (draw::Failed(r)) return r;
  own_label_font_.SetFont(&own_label_bitmap_, ui::NativeTextColor(ui::SkinStyle::kClassic));
  label_font_ = &own_label_font_;
  UpdateSize();
  UpdateLabelFits();
  return draw::kOk;
}

void ButtonPad::SetSkin(const ui::Skin* skin) {
  skin_ = skin;
  UpdateSize();
  UpdateLabelFits();
}

void ButtonPad::SetArrangement(PadArrangement arrangement) {
  // Called every frame: the same arrangement only follows the page's height.
  if (arrangement == pad_.Arrangement()) {
    UpdateSize();
    return;
  }
  pad_.SetArrangement(arrangement);
  height_ = 0;  // placed afresh by the owner
  highlighted_ = -1;
  UpdateSize();
  UpdateLabelFits();
}

const ui::PadGeometry& ButtonPad::Geometry() const {
  switch (ImageArrangement(pad_.Arrangement())) {
    case PadArrangement::kClassic: return ui::kPadClassic;
    case PadArrangement::kLandscape: return ui::kPadLandscape;
    default: return ui::kPadBright;
  }
}

int ButtonPad::SkippedImageRows() const {
  return ShortPadPage(pad_.Arrangement(), pad_.Page()) ? 1 : 0;
}

void ButtonPad::UpdateSize() {
  const ui::PadGeometry& g = Geometry();
  // A page of another height keeps the pad's bottom edge where it was, so
  // that the keys under the stylus stay put until the owner places the pad.
  const int height = Px(g.image_height - SkippedImageRows() * g.key_height);
  if (height_ > 0 && height != height_) y_ += height_ - height;
  SetSize(Px(g.image_width), height);
}

void ButtonPad::UpdateLabelFits() {
  if (!skin_) return;
  const ui::TextRenderer* font = LabelFont();
  const int key_width = Px(Geometry().key_width) - 1;
  pad_.SetLabelFits([font, key_width](std::u16string_view label) {
    return !font || font->TextWidth(label) <= key_width;
  });
}

ui::TextRenderer* ButtonPad::LabelFont() const {
  if (label_font_) return label_font_;
  return skin_ ? &const_cast<ui::Skin*>(skin_)->WhiteText() : nullptr;
}

draw::Rect ButtonPad::KeyRect(int index) const {
  const ui::PadGeometry& g = Geometry();
  if (index < 0 || index >= pad_.Columns() * pad_.Rows()) return {};
  const int column = index % pad_.Columns(), row = index / pad_.Columns();
  const int span = std::max(1, pad_.Keys()[static_cast<std::size_t>(index)].span);
  return draw::Rect::FromSize(x_ + Px(g.left + column * g.key_width),
                              y_ + Px(g.top + row * g.key_height), Px(span * g.key_width) - 1,
                              Px(g.key_height) - 1);
}

int ButtonPad::KeyAt(ui::Point p) const {
  const ui::PadGeometry& g = Geometry();
  const int dx = p.x - x_ - Px(g.left), dy = p.y - y_ - Px(g.top);
  if (dx < 0 || dy < 0) return -1;
  const int column = dx / Px(g.key_width), row = dy / Px(g.key_height);
  if (column >= pad_.Columns() || row >= pad_.Rows()) return -1;
  const int index = row * pad_.Columns() + column;
  // A key covered by a wide one belongs to it.
  const int owner = pad_.Keys()[static_cast<std::size_t>(index)].owner;
  return owner >= 0 ? owner : index;
}

bool ButtonPad::StylusDown(ui::Point p) {
  if (!InputAllowed(p) || !Contains(p)) return false;
  pressed_ = true;
  const int index = KeyAt(p);
  if (index < 0) return true;
  const bool on_first_page = pad_.Page() == 0;
  const int rows_before = pad_.Rows();
  const ui::TextBox* focused = ui::Focused();
  Apply(pad_.Tap(index, !focused || focused->Text().empty()));
  highlighted_ = on_first_page && pad_.Rows() == rows_before ? index : -1;
  UpdateSize();
  return true;
}

bool ButtonPad::StylusUp(ui::Point) {
  if (!pressed_) return false;
  pressed_ = false;
  highlighted_ = -1;
  return true;
}

void ButtonPad::Apply(const PadAction& action) {
  switch (action.kind) {
    case PadAction::Kind::kInsert: ui::InsertText(action.text); break;
    case PadAction::Kind::kBackspace: ui::Backspace(); break;
    case PadAction::Kind::kClearEntry: ui::ClearText(); break;
    case PadAction::Kind::kSolveDms:
      if (solve_dms_) solve_dms_();
      break;
    case PadAction::Kind::kNone:
    case PadAction::Kind::kPageChanged: break;
  }
}

void ButtonPad::Draw(draw::Surface& surface) {
  if (!visible_ || !skin_) return;
  const bool landscape = pad_.Arrangement() == PadArrangement::kLandscape;
  const ui::SkinImageId image_id = landscape ? ui::SkinImageId::kCalculatorButtonPadLandscape
                                             : ui::SkinImageId::kCalculatorButtonPad;
  if (const draw::Surface* image = skin_->Image(image_id)) {
    // A short page shows the image without its top row.
    const int skipped = std::min(Px(SkippedTop()), image->Height());
    const draw::Rect source =
        draw::Rect::FromSize(0, skipped, skin_->FrameWidth(image_id), image->Height() - skipped);
    surface.Blit(x_, y_, *image, &source, draw::blit_flags::kColorKey);
    for (int i = 0; i < static_cast<int>(pad_.Keys().size()); ++i) {
      if (pad_.Keys()[static_cast<std::size_t>(i)].span > 1)
        DrawWideFace(surface, *image, i, skipped);
    }
  }
  if (highlighted_ >= 0) {
    const draw::Rect key = KeyRect(highlighted_);
    skin_->DrawFrameCut(surface, ui::SkinImageId::kButtonPadCircuits, 0, key.left, key.top,
                        key.Width() + 1);
  }
  const std::vector<PadKey>& keys = pad_.Keys();
  const int icon_width = skin_->FrameWidth(ui::SkinImageId::kButtonImageList);
  const int icon_height = skin_->FrameHeight(ui::SkinImageId::kButtonImageList);
  ui::TextRenderer* font = LabelFont();
  for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
    const PadKey& key = keys[static_cast<std::size_t>(i)];
    if (key.action == PadKey::Action::kPage && icon_width > 0) {
      const draw::Rect r = KeyRect(i);
      skin_->DrawFrame(surface, ui::SkinImageId::kButtonImageList, key.page == 1 ? 0 : key.page - 1,
                       r.left + (r.Width() - icon_width) / 2,
                       r.top + (r.Height() - icon_height) / 2);
    } else if (key.action == PadKey::Action::kBackspace) {
      // Backspace has no label: a left arrow drawn with lines.
      const draw::Rect r = KeyRect(i);
      const int cy = r.top + r.Height() / 2, half = r.Height() / 4;
      const int left = r.left + r.Width() / 3, right = r.right - r.Width() / 3;
      const draw::Color c = key.yellow ? kLabelYellow : kLabelWhite;
      surface.DrawLine(left, cy, right, cy, c);
      surface.DrawLine(left, cy, left + half, cy - half, c);
      surface.DrawLine(left, cy, left + half, cy + half, c);
    } else if (font && !key.label.empty()) {
      DrawLabel(surface, *font, i);
    }
  }
}

void ButtonPad::DrawWideFace(draw::Surface& surface, const draw::Surface& image, int index,
                             int skipped) const {
  // One face over the keys: the first key's left half, its middle column
  // stretched, and the last key's right half, each taken from the image where
  // the pad shows it.
  const draw::Rect face = KeyRect(index);
  const int half = (Px(Geometry().key_width) - 1) / 2;
  const int dx = -x_, dy = skipped - y_;
  const draw::Rect left = draw::Rect::FromSize(face.left + dx, face.top + dy, half, face.Height());
  surface.Blit(face.left, face.top, image, &left, draw::blit_flags::kColorKey);
  const draw::Rect middle =
      draw::Rect::FromSize(face.left + half + dx, face.top + dy, 1, face.Height());
  for (int x = face.left + half; x < face.right - half; ++x) {
    surface.Blit(x, face.top, image, &middle, draw::blit_flags::kColorKey);
  }
  const draw::Rect right =
      draw::Rect::FromSize(face.right - half + dx, face.top + dy, half, face.Height());
  surface.Blit(face.right - half, face.top, image, &right, draw::blit_flags::kColorKey);
}

void ButtonPad::DrawLabel(draw::Surface& surface, ui::TextRenderer& font, int index) {
  const std::vector<PadKey>& keys = pad_.Keys();
  const PadKey& key = keys[static_cast<std::size_t>(index)];
  draw::Rect area = KeyRect(index);
  const int width = font.TextWidth(key.label);
  // A label too wide for its key may run on over the unused keys after it.
  for (int next = index + 1;
       width > area.Width() && next % pad_.Columns() != 0 && !keys[next].Used(); ++next) {
    area.right = KeyRect(next).right;
  }
  const std::int32_t color = key.yellow ? kLabelYellow : kLabelWhite;
  const draw::Rect saved = surface.ClipRect();
  const draw::Rect clip = saved.Intersect(area);
  surface.SetClipRect(&clip);
  font.SetTarget(&surface);
  const int h = font.LineHeight();
  const std::size_t split = width > area.Width() ? CamelBreak(font, key.label) : 0;
  if (split > 0) {
    // Two lines, packed a little closer on keys less than two lines high.
    const std::u16string_view label = key.label;
    const int step = std::min(h, (area.Height() + 2) / 2);
    const int top = area.top + (area.Height() - 2 * step) / 2;
    for (int line = 0; line < 2; ++line) {
      const std::u16string_view part = line == 0 ? label.substr(0, split) : label.substr(split);
      const int x = area.left + std::max(0, (area.Width() - font.TextWidth(part)) / 2);
      font.DrawPlain(part, x, top + line * step, color);
    }
  } else {
    const int x = area.left + std::max(0, (area.Width() - width) / 2);
    font.DrawPlain(key.label, x, area.top + (area.Height() - h) / 2, color);
  }
  font.SetTarget(nullptr);
  surface.SetClipRect(&saved);
}

void ButtonPad::Describe(ui::WidgetList& out) const {
  if (!visible_) return;
  const std::vector<PadKey>& keys = pad_.Keys();
  for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
    const PadKey& key = keys[static_cast<std::size_t>(i)];
    if (!key.Used()) continue;
    ui::WidgetInfo info;
    info.kind = "key";
    info.text = key.Name();
    info.rect = KeyRect(i);
    info.enabled = enabled_;
    out.push_back(std::move(info));
  }
}

}  // namespace zentrix::notebook
