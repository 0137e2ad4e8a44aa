#include "graphing/screens/toolbar/toolbar.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

ToolButton& Toolbar::Add(ui::Icon icon, std::u16string name, std::function<void()> action) {
  buttons_.push_back(std::make_unique<ToolButton>(icon, std::move(name), std::move(action)));
  return *buttons_.back();
}

int Toolbar::Height() { return ui::Px(ui::kIconSize + 4); }

void Toolbar::Layout(const draw::Rect& row) {
  row_ = row;
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  // Square buttons, narrowed evenly when the row is short of room.
  const int pitch = std::min(row.Height(), row.Width() / count);
  for (int i = 0; i < count; ++i) {
    buttons_[static_cast<std::size_t>(i)]->SetBounds(row.left + i * pitch, row.top, pitch,
                                                     row.Height());
  }
}

namespace {

// Columns of square buttons that hold `count` within `height`, and the
// buttons per column when spread evenly over them.
struct SideColumns {
  int columns;
  int per_column;
};

SideColumns SideColumnsFor(int count, int height) {
  const int most = std::max(height / Toolbar::Height(), 1);
  const int columns = std::max((count + most - 1) / most, 1);
  return {columns, std::max((count + columns - 1) / columns, 1)};
}

}  // namespace

int Toolbar::SideWidth(int height) const {
  if (buttons_.empty()) return 0;
  return SideColumnsFor(static_cast<int>(buttons_.size()), height).columns * Height();
}

int Toolbar::LayoutSide(const draw::Rect& area) {
  const int count = static_cast<int>(buttons_.size());
  const int pitch = Height();
  const SideColumns side = SideColumnsFor(count, area.Height());
  const int width = count > 0 ? side.columns * pitch : 0;
  row_ = draw::Rect{area.right - width, area.top, area.right, area.bottom};
  for (int i = 0; i < count; ++i) {
    buttons_[static_cast<std::size_t>(i)]->SetBounds(row_.left + (i / side.per_column) * pitch,
                                                     area.top + (i % side.per_column) * pitch,
                                                     pitch, pitch);
  }
  return width;
}

void Toolbar::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const ui::Skin* skin = ui::CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().grid_fill : 0x202020;
  surface.FillRect(&row_, fill);
  for (const auto& b : buttons_) b->Draw(surface);
}

bool Toolbar::StylusDown(ui::Point p) {
  if (!visible_) return false;
  for (const auto& b : buttons_) {
    if (b->StylusDown(p)) return true;
  }
  // The row itself takes taps between buttons, so they never reach the plot.
  return row_.Contains(p.x, p.y);
}

bool Toolbar::StylusUp(ui::Point p) {
  bool taken = false;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->StylusUp(p)) taken = true;
  }
  return taken;
}

void Toolbar::DescribeWidgets(ui::WidgetList& out) const {
  if (!visible_) return;
  for (const auto& b : buttons_) b->Describe(out);
}

}  // namespace zentrix::graphing::screens
