#include "graphing/screens/list/graph_list_panel.h"

#include <algorithm>
#include <string>

#include "graphing/screens/panel_layout.h"
#include "graphing/screens/toolbar/toolbar.h"
#include "ui/core/focus.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {
namespace {

std::u16string GraphName(int index) {
  const std::string digits = std::to_string(index + 1);
  return u"graph " + std::u16string(digits.begin(), digits.end());
}

int IconButtonSize() { return Toolbar::Height(); }

}  // namespace

GraphListPanel::GraphListPanel(GraphListModel& model, Ask ask)
    : model_(model),
      ask_(std::move(ask)),
      add_(ui::Icon::kAdd, u"add", [this] { ShowKindMenu(); }),
      remove_(ui::Icon::kRemove, u"remove", [this] { AskRemove(); }),
      back_(ui::Icon::kBack, u"back", [this] { CloseEditor(); }) {
  menu_.SetItems(model_.KindItems());
  menu_.SetOnChoose([this](int item) {
    if (model_.Create(item)) {
      model_.Select(model_.Count() - 1);
      Refresh();
      Changed();
    }
  });
  empty_first_.SetAcceptsInput(false);
  empty_second_.SetAcceptsInput(false);
  empty_second_.SetText(kCreateHint);
  title_.SetAcceptsInput(false);
  scroll_.SetKind("scroll bar");
  scroll_.SetOnChange([this](int position) { first_row_ = position; });
  form_.SetOnChange([this] { Changed(); });
}

void GraphListPanel::Changed() {
  if (on_change_) on_change_();
}

void GraphListPanel::ShowKindMenu() {
  ClosePopups();
  menu_.Open(add_.Bounds(), area_);
}

void GraphListPanel::AskRemove() {
  const int index = editing_ >= 0 ? editing_ : model_.Selected();
  if (index < 0 || index >= model_.Count()) return;
  ask_(kRemoveQuestion, [this, index] {
    if (index >= model_.Count()) return;
    CloseEditor();
    model_.Remove(index);
    Refresh();
    Changed();
  });
}

void GraphListPanel::BuildRows() {
  ClosePopups();
  rows_.clear();
  const int count = model_.Count();
  rows_.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    row.icon =
        std::make_unique<ToolButton>(model_.IconOf(i), GraphName(i), [this, i] { OpenEditor(i); });
    row.colour = std::make_unique<ui::ColorSelector>(0, 0, u"");
    Colour* colour = model_.ColourOf(i);
    row.colour->SetValue(*colour);
    row.colour->SetOnChange([this, colour](draw::Color c) {
      *colour = c;
      Changed();
    });
    for (const RowField& field : model_.FieldsOf(i)) {
      auto box = std::make_unique<ui::TextBox>();
      SetUpFieldBox(*box, field.prefix);
      box->SetText(*field.text);
      row.seen.push_back(box->Revision());
      row.boxes.push_back(std::move(box));
      row.texts.push_back(field.text);
    }
    if (row.boxes.empty()) {
      row.summary = std::make_unique<ui::Label>(0, 0, model_.SummaryOf(i));
      row.summary->SetAcceptsInput(false);
    }
  }
  built_count_ = count;
}

void GraphListPanel::Refresh() {
  if (editing_ >= model_.Count()) CloseEditor();
  BuildRows();
  if (editing_ >= 0) form_.Refresh();
}

bool GraphListPanel::Sync() {
  bool changed = false;
  for (Row& row : rows_) {
    for (std::size_t k = 0; k < row.boxes.size(); ++k) {
      if (row.boxes[k]->Revision() == row.seen[k]) continue;
      row.seen[k] = row.boxes[k]->Revision();
      if (*row.texts[k] != row.boxes[k]->Text()) {
        *row.texts[k] = row.boxes[k]->Text();
        changed = true;
      }
    }
  }
  if (form_.Sync()) changed = true;
  if (changed) Changed();
  return changed;
}

void GraphListPanel::OpenEditor(int index) {
  if (index < 0 || index >= model_.Count()) return;
  ClosePopups();
  Sync();
  ui::Focus(nullptr);
  model_.Select(index);
  editing_ = index;
  form_.Clear();
  model_.BuildEditor(index, form_);
  editor_shape_ = model_.EditorShape(index);
  title_.SetText(model_.TitleOf(index));
}

void GraphListPanel::CloseEditor() {
  if (editing_ < 0) return;
  form_.Sync();
  ui::Focus(nullptr);
  form_.Clear();
  editing_ = -1;
  BuildRows();
}

void GraphListPanel::ClosePopups() {
  menu_.Close();
  form_.ClosePopups();
  for (Row& row : rows_) row.colour->Close();
}

bool GraphListPanel::RowPaletteOpen() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.colour->IsOpen(); });
}

void GraphListPanel::Layout(const draw::Rect& area) {
  area_ = area;
  if (editing_ >= 0) {
    LayOutEditor(area);
    return;
  }
  if (built_count_ != model_.Count()) BuildRows();
  const int margin = PanelMargin();
  const int size = IconButtonSize();
  const int buttons_top = area.bottom - margin - size;
  add_.SetBounds(area.left + margin, buttons_top, size, size);
  remove_.SetBounds(area.left + margin + size + PanelGap(), buttons_top, size, size);
  remove_.SetEnabled(model_.Count() > 0);
  LayOutRows(draw::Rect{area.left, area.top, area.right, buttons_top - PanelGap()});

  // The empty-list texts, the add button's icon in the second line's gap.
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::Px(12);
  if (empty_first_.Text() != model_.EmptyText())
    empty_first_.SetText(std::u16string(model_.EmptyText()));
  empty_first_.SetPosition(area.left + margin, area.top + margin + line);
  empty_second_.SetPosition(area.left + margin, area.top + margin + line * 3);
  const int gap_x =
      area.left + margin + (font ? font->TextWidth(u"To create a graph click the ") : 0);
  const int icon = ui::Px(ui::kIconSize);
  hint_icon_ =
      draw::Rect::FromSize(gap_x + ui::Px(2), empty_second_.Y() + (line - icon) / 2, icon, icon);
  const bool empty = model_.Count() == 0;
  empty_first_.SetVisible(empty);
  empty_second_.SetVisible(empty);
}

void GraphListPanel::LayOutRows(const draw::Rect& rows_area) {
  const int margin = PanelMargin();
  const int gap = PanelGap();
  const int size = IconButtonSize();
  const int count = static_cast<int>(rows_.size());
  first_row_ = std::clamp(first_row_, 0, std::max(count - 1, 0));
  for (int pass = 0; pass < 2; ++pass) {
    const int right = rows_area.right - margin - (pass == 1 ? ui::Px(ui::kScrollBarThickness) : 0);
    int y = rows_area.top + margin;
    bool overflow = false;
    int shown = 0;
    for (int i = 0; i < count; ++i) {
      Row& row = rows_[static_cast<std::size_t>(i)];
      row.shown = false;
      if (i < first_row_) continue;
      int x = rows_area.left + margin;
      row.icon->SetBounds(x, y, size, size);
      x += size + gap;
      const int swatch = ui::Px(ui::kColorSwatchSize) + 1;
      row.colour->SetBounds(x, y + (size - swatch) / 2, swatch, swatch);
      x += swatch + gap * 2;
      int height = size;
      const int boxes = static_cast<int>(row.boxes.size());
      for (int k = 0; k < boxes; ++k) {
        ui::TextBox& box = *row.boxes[static_cast<std::size_t>(k)];
        StyleFieldBox(box);
        const int width = (right - x - gap * (boxes - 1 - k)) / (boxes - k);
        box.SetPosition(x, y);
        box.SetSize(std::max(width, ui::Px(16)), box.Height());
        box.Layout();
        height = std::max(height, box.Height());
        x += box.Width() + gap;
      }
      if (row.summary) row.summary->SetBounds(x, y + ui::Px(3), right - x, size);
      row.top = y;
      row.height = height;
      if (overflow || y + height > rows_area.bottom) {
        overflow = true;
      } else {
        row.shown = true;
        ++shown;
      }
      y += height + gap;
    }
    if (!overflow && first_row_ == 0) {
      scroll_.SetVisible(false);
      return;
    }
    scroll_.SetVisible(true);
    scroll_.SetRange(std::max(count - shown + 1, 1));
    scroll_.SetPageSize(std::max(shown, 1));
    scroll_.SetPosition(first_row_);
    scroll_.Widget::SetPosition(rows_area.right - ui::Px(ui::kScrollBarThickness), rows_area.top);
    scroll_.SetLength(rows_area.Height());
  }
}

void GraphListPanel::LayOutEditor(const draw::Rect& area) {
  if (editing_ >= model_.Count()) {
    CloseEditor();
    Layout(area);
    return;
  }
  // A choice that shows or hides controls builds the editor again, between
  // frames (never inside the control's own callback).
  if (model_.EditorShape(editing_) != editor_shape_) {
    form_.Sync();
    const bool refocus = ui::Focused() != nullptr;
    form_.Clear();
    if (refocus) ui::Focus(nullptr);
    model_.BuildEditor(editing_, form_);
    editor_shape_ = model_.EditorShape(editing_);
  }
  const int margin = PanelMargin();
  const int size = IconButtonSize();
  back_.SetBounds(area.left + margin, area.top + margin, size, size);
  const ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::Px(12);
  title_.SetPosition(back_.X() + size + PanelGap() * 2, back_.Y() + (size - line) / 2);
  remove_.SetBounds(area.right - margin - size, area.top + margin, size, size);
  remove_.SetEnabled(true);
  form_.Layout(draw::Rect{area.left, back_.Y() + size, area.right, area.bottom});
}

template <class F>
void GraphListPanel::ForEachRowWidget(F&& f) const {
  for (const Row& row : rows_) {
    if (!row.shown) continue;
    f(*row.icon);
    f(*row.colour);
    for (const auto& box : row.boxes) f(*box);
    if (row.summary) f(*row.summary);
  }
}

void GraphListPanel::Draw(draw::Surface& surface) {
  if (editing_ >= 0) {
    back_.Draw(surface);
    title_.Draw(surface);
    remove_.Draw(surface);
    form_.Draw(surface);
    return;
  }
  const ui::Skin* skin = ui::CurrentSkin();
  const int selected = model_.Selected();
  if (selected >= 0 && selected < static_cast<int>(rows_.size()) && rows_[selected].shown) {
    const Row& row = rows_[static_cast<std::size_t>(selected)];
    const draw::Rect stripe{area_.left, row.top - 1, area_.right, row.top + row.height + 1};
    surface.FillRect(&stripe, skin ? skin->Palette().grid_fill : 0x202020);
  }
  ForEachRowWidget([&](const ui::Widget& w) { const_cast<ui::Widget&>(w).Draw(surface); });
  if (scroll_.Visible()) scroll_.Draw(surface);
  empty_first_.Draw(surface);
  empty_second_.Draw(surface);
  if (empty_second_.Visible() && skin) {
    skin->DrawFrame(surface, ui::SkinImageId::kImageList, static_cast<int>(ui::Icon::kAdd),
                    hint_icon_.left, hint_icon_.top);
  }
  add_.Draw(surface);
  remove_.Draw(surface);
  for (const Row& row : rows_) {
    if (row.colour->IsOpen()) row.colour->DrawPalette(surface);
  }
  menu_.Draw(surface);
}

bool GraphListPanel::StylusDown(ui::Point p) {
  if (menu_.IsOpen()) return menu_.StylusDown(p);
  if (editing_ >= 0) {
    if (form_.PopupOpen()) return form_.StylusDown(p);
    return back_.StylusDown(p) || remove_.StylusDown(p) || form_.StylusDown(p);
  }
  for (Row& row : rows_) {
    if (row.colour->IsOpen()) return row.colour->StylusDown(p);
  }
  if (add_.StylusDown(p) || remove_.StylusDown(p)) return true;
  if (scroll_.Visible() && scroll_.StylusDown(p)) return true;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    if (!row.shown) continue;
    bool taken = row.icon->StylusDown(p) || row.colour->StylusDown(p);
    for (auto& box : row.boxes) taken = taken || box->StylusDown(p);
    if (taken) {
      model_.Select(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

bool GraphListPanel::StylusMove(ui::Point p) {
  if (editing_ >= 0) return form_.StylusMove(p);
  if (scroll_.Pressed()) return scroll_.StylusMove(p);
  return false;
}

bool GraphListPanel::StylusUp(ui::Point p) {
  bool taken = menu_.StylusUp(p);
  if (editing_ >= 0) {
    taken = back_.StylusUp(p) || taken;
    taken = remove_.StylusUp(p) || taken;
    return form_.StylusUp(p) || taken;
  }
  taken = add_.StylusUp(p) || taken;
  taken = remove_.StylusUp(p) || taken;
  taken = scroll_.StylusUp(p) || taken;
  // A release may open the editor, which leaves the rows as they are.
  for (std::size_t i = 0; i < rows_.size() && editing_ < 0; ++i) {
    Row& row = rows_[i];
    taken = row.icon->StylusUp(p) || taken;
    if (editing_ >= 0) break;
    taken = row.colour->StylusUp(p) || taken;
    for (auto& box : row.boxes) taken = box->StylusUp(p) || taken;
  }
  return taken;
}

bool GraphListPanel::Wheel(ui::Point p, int steps) {
  if (editing_ >= 0) return form_.Wheel(p, steps);
  if (!scroll_.Visible()) return false;
  first_row_ = std::clamp(first_row_ - steps, 0, std::max(scroll_.Count() - 1, 0));
  return true;
}

void GraphListPanel::DescribeWidgets(ui::WidgetList& out) const {
  if (editing_ >= 0) {
    back_.Describe(out);
    title_.Describe(out);
    remove_.Describe(out);
    form_.DescribeWidgets(out);
    return;
  }
  menu_.Describe(out);
  for (const Row& row : rows_) {
    if (row.colour->IsOpen()) row.colour->Describe(out);
  }
  add_.Describe(out);
  remove_.Describe(out);
  empty_first_.Describe(out);
  empty_second_.Describe(out);
  ForEachRowWidget([&](const ui::Widget& w) {
    if (auto* selector = dynamic_cast<const ui::ColorSelector*>(&w); selector && selector->IsOpen())
      return;
    w.Describe(out);
  });
  if (scroll_.Visible()) scroll_.Describe(out);
}

}  // namespace zentrix::graphing::screens
