#include "graphing/screens/table_panel.h"

#include <algorithm>
#include <cstdlib>

#include "graphing/screens/panel_layout.h"
#include "ui/core/focus.h"
#include "ui/skin/skin_geometry.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

TablePanel::TablePanel(TableSettings& settings, GraphSet2D* graphs, ui::CellGrid* data)
    : settings_(settings), graphs_(graphs), data_(data) {
  if (data_) tabs_.SetCaptions({u"Table", u"Setup", u"Data"});
  SetUpFieldBox(start_, u"Table Start= ");
  SetUpFieldBox(step_, u"Table Step= ");
  up_.SetAction([this] { ScrollUp(); });
  down_.SetAction([this] { ScrollDown(); });
  tabs_.SetOnChange([this](int index) { OnTab(index); });
  view_.SetTable(&table_);
  std::vector<ui::Widget*> widgets{&tabs_, &up_,   &down_, &start_,
                                   &step_, &view_, &help_, &unavailable_};
  if (data_) widgets.push_back(data_);
  SetWidgets(std::move(widgets));
  Refresh();
}

void TablePanel::SetFormat(const engine::DecimalFormat& format) {
  format_ = format;
  Rebuild();
}

void TablePanel::Refresh() {
  if (start_.Text() != settings_.text(TableSettings::kStart))
    start_.SetText(settings_.text(TableSettings::kStart));
  if (step_.Text() != settings_.text(TableSettings::kStep))
    step_.SetText(settings_.text(TableSettings::kStep));
  Rebuild();
}

void TablePanel::Rebuild() {
  if (!graphs_) {
    table_ = ValueTable{};
    table_.message = kTableNot3D;
  } else {
    table_ = BuildValueTable(*graphs_, settings_, std::max(view_.RowsShown(), 1), format_);
  }
  unavailable_.SetText(table_.message);
  UpdateVisibility();
}

bool TablePanel::Apply() {
  settings_.SetText(TableSettings::kStart, start_.Text());
  settings_.SetText(TableSettings::kStep, step_.Text());
  bool changed = false;
  const ApplyResult result = settings_.Apply(changed, Variables());
  if (!result.ok) {
    Report(result.message);
    return false;
  }
  ClearMessage();
  if (changed) Rebuild();
  return true;
}

void TablePanel::ScrollUp() {
  settings_.ScrollUp();
  Refresh();
}

void TablePanel::ScrollDown() {
  settings_.ScrollDown();
  Refresh();
}

bool TablePanel::DataKey(const ui::KeyEvent& key) {
  const int column = data_->CurrentColumn();
  if (column < 0) return false;
  const int row = data_->CurrentRow();
  if (key.code == ui::keys::kEnter || key.code == ui::keys::kDown) {
    // Past a typed last cell the column grows by one empty cell, as it does
    // when the grid is drawn.
    if (!data_->Cell(column, row + 1) && !data_->CellText(column, row).empty()) {
      data_->AppendCell(column);
    }
    if (data_->Cell(column, row + 1)) data_->FocusCell(column, row + 1);
    return true;
  }
  if (key.code == ui::keys::kUp) {
    if (row > 0) data_->FocusCell(column, row - 1);
    return true;
  }
  return false;
}

bool TablePanel::KeyDown(const ui::KeyEvent& key) {
  if (CurrentPage() == kDataPage) return data_ && DataKey(key);
  if (CurrentPage() == kTablePage && table_.message.empty()) {
    if (key.code == ui::keys::kUp) {
      ScrollUp();
      return true;
    }
    if (key.code == ui::keys::kDown) {
      ScrollDown();
      return true;
    }
  }
  return EditorPanel::KeyDown(key);
}

bool TablePanel::Wheel(ui::Point p, int steps) {
  if (CurrentPage() == kDataPage) return data_ && data_->Wheel(p, steps);
  if (CurrentPage() != kTablePage || !table_.message.empty() || steps == 0) return false;
  for (int i = 0; i < std::abs(steps); ++i) steps > 0 ? ScrollUp() : ScrollDown();
  return true;
}

void TablePanel::ShowPage(Page page) {
  if (tabs_.Selected() != page) tabs_.Select(page);
  OnTab(page);
}

void TablePanel::OnTab(int index) {
  // Leaving the setup applies it; a bad field keeps the setup page open.
  if (index != kSetupPage && !Apply()) tabs_.Select(kSetupPage);
  UpdateVisibility();
}

void TablePanel::UpdateVisibility() {
  const bool setup = tabs_.Selected() == kSetupPage;
  const bool data = tabs_.Selected() == kDataPage;
  // A hidden field must not keep taking the keyboard.
  if (!setup && (ui::Focused() == &start_ || ui::Focused() == &step_)) ui::Focus(nullptr);
  if (data_) {
    if (!data && data_->CurrentColumn() >= 0) ui::Focus(nullptr);
    data_->SetVisible(data);
  }
  const bool table = !setup && !data && table_.message.empty();
  start_.SetVisible(setup);
  step_.SetVisible(setup);
  view_.SetVisible(table);
  help_.SetVisible(table);
  up_.SetVisible(table);
  down_.SetVisible(table);
  unavailable_.SetVisible(!setup && !data && !table);
}

void TablePanel::Arrange(const draw::Rect& area) {
  const int margin = PanelMargin();
  const int gap = PanelGap();
  const int width = area.Width() - 2 * margin;
  const int left = area.left + margin;
  tabs_.SetBounds(area.left, area.top, area.Width(), ui::Px(ui::kTabHeight));
  const int top = area.top + tabs_.Height() + margin;

  StyleFieldBox(start_);
  StyleFieldBox(step_);
  ColumnFlow setup(left, top, width);
  setup.PlaceBox(start_);
  setup.PlaceBox(step_);

  // The help line wraps inside the panel; reserve its lines.
  ui::TextRenderer* font = ui::CurrentFont();
  const int line = font ? font->LineHeight() : ui::Px(12);
  const int help_lines = help_.LinesAt(width);
  help_.SetBounds(left, top, width, help_lines * line);
  unavailable_.SetBounds(left, top, width, std::max(area.bottom - margin - top, line));

  const int view_top = top + help_.Height() + gap;
  ui::Widget* buttons[] = {&up_, &down_};
  if (area.Width() > area.Height()) {
    // A page wider than tall (landscape and square screens): Up and Dn stand
    // in a column at the right of the table, which keeps its height for rows.
    const int column = ui::Px(50);
    PlaceButtonRows(buttons, 1, left + width - column, view_top, column, column);
    PlaceButtonRows(buttons + 1, 1, left + width - column, view_top + ButtonHeight() + gap, column,
                    column);
    view_.SetBounds(left, view_top, width - column - gap,
                    std::max(area.bottom - margin - view_top, 0));
  } else {
    const int buttons_top = area.bottom - margin - ButtonHeight();
    PlaceButtonRows(buttons, 2, left, buttons_top, std::min(width, ui::Px(120)), ui::Px(40));
    view_.SetBounds(left, view_top, width, std::max(buttons_top - gap - view_top, 0));
  }
  if (data_) data_->SetBounds(left, top, width, std::max(area.bottom - margin - top, 0));
  Rebuild();  // the row count follows the view's height
}

void WriteTableJson(const ValueTable& table, ui::JsonWriter& json) {
  if (!table.message.empty()) {
    json.Null();
    return;
  }
  json.BeginObject().Key("columns").BeginArray();
  for (const std::u16string& c : table.columns) json.Text(c);
  json.EndArray().Key("rows").BeginArray();
  for (const std::vector<TableCell>& row : table.rows) {
    json.BeginArray();
    for (const TableCell& cell : row) json.Text(cell.text);
    json.EndArray();
  }
  json.EndArray().EndObject();
}

}  // namespace zentrix::graphing::screens
