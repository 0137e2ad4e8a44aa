#include "ui/widgets/slider.h"

#include <algorithm>

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

int Thickness() {
  const Skin* skin = CurrentSkin();
  return skin ? skin->Palette().scroll_bar_thickness : Px(kScrollBarThickness);
}

int MinThumb() {
  const Skin* skin = CurrentSkin();
  return skin ? skin->Palette().scroll_bar_min_thumb : Px(kScrollBarMinThumb);
}

}  // namespace

Slider::Slider(int x, int y, int length, Orientation orientation)
    : Widget(x, y, 0, 0), orientation_(orientation) {
  SetLength(length);
}

void Slider::Resize() {
  if (orientation_ == Orientation::kHorizontal) {
    width_ = length_;
    height_ = Thickness();
  } else {
    width_ = Thickness();
    height_ = length_;
  }
}

void Slider::SetLength(int length) {
  length_ = std::max(length, 0);
  Resize();
}

void Slider::SetRange(int count) {
  count_ = count < 2 ? 1 : count;
  position_ = std::clamp(position_, 0, count_ - 1);
}

void Slider::SetPosition(int position) { position_ = std::clamp(position, 0, count_ - 1); }

int Slider::ThumbSize() const {
  const long long proportional =
      static_cast<long long>(length_) * page_ / (static_cast<long long>(page_) + count_ - 1);
  const int size = std::max(static_cast<int>(proportional), MinThumb());
  return std::min(size, length_);
}

int Slider::ThumbOffset() const {
  if (count_ < 2) return 0;
  return static_cast<int>(static_cast<long long>(position_) * (length_ - ThumbSize()) /
                          (count_ - 1));
}

draw::Rect Slider::ThumbRect() const {
  const int offset = ThumbOffset();
  const int size = ThumbSize();
  if (orientation_ == Orientation::kHorizontal) {
    return draw::Rect::FromSize(x_ + offset, y_, size, height_);
  }
  return draw::Rect::FromSize(x_, y_ + offset, width_, size);
}

int Slider::Along(Point p) const {
  return orientation_ == Orientation::kHorizontal ? p.x - x_ : p.y - y_;
}

void Slider::Change(int position) {
  const int old = position_;
  SetPosition(position);
  if (position_ != old && on_change_) on_change_(position_);
}

bool Slider::StylusDown(Point p) {
  if (!Widget::StylusDown(p)) return false;
  const draw::Rect thumb = ThumbRect();
  const int along = Along(p);
  const int thumb_start = ThumbOffset();
  if (thumb.Contains(p.x, p.y)) {
    dragging_ = true;
    grab_ = along - thumb_start;
  } else if (along < thumb_start) {
    Change(position_ - page_);
  } else {
    Change(position_ + page_);
  }
  return true;
}

bool Slider::StylusMove(Point p) {
  if (!dragging_) return false;
  const int travel = length_ - ThumbSize();
  if (travel <= 0 || count_ < 2) return true;
  const int offset = std::clamp(Along(p) - grab_, 0, travel);
  // The position whose thumb offset is nearest.
  Change(static_cast<int>((static_cast<long long>(offset) * (count_ - 1) + travel / 2) / travel));
  return true;
}

bool Slider::StylusUp(Point p) {
  dragging_ = false;
  return Widget::StylusUp(p);
}

bool Slider::Wheel(Point p, int steps) {
  if (!InputAllowed(p) || !Contains(p)) return false;
  Change(position_ - steps);
  return true;
}

void Slider::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  const draw::Color track = skin ? skin->Palette().grid_fill : 0x202020;
  const draw::Color line = skin ? skin->Palette().grid_line : 0x7D7D7D;
  const draw::Rect box = Bounds();
  surface.FillRect(&box, track);
  DrawFrameRect(surface, box, line);
  draw::Rect thumb = ThumbRect();
  thumb = draw::Rect{thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1};
  surface.FillRect(&thumb, pressed_ ? 0x969696 : 0xC8C8C8);
  DrawFrameRect(surface, thumb, line);
}

void Slider::Describe(WidgetList& out) const {
  if (!visible_) return;
  WidgetInfo info = BasicInfo();
  info.kind = kind_;
  info.selected = position_;
  out.push_back(std::move(info));
}

}  // namespace zentrix::ui
