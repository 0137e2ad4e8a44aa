#include "graphing/screens/value_table_view.h"

#include <algorithm>

#include "ui/widgets/widget_draw.h"

namespace zentrix::graphing::screens {

int ValueTableView::RowHeight() {
  const ui::TextRenderer* font = ui::CurrentFont();
  return (font ? font->LineHeight() : ui::Px(12)) + ui::Px(4);
}

int ValueTableView::RowsShown() const { return std::max(height_ / RowHeight() - 1, 0); }

int ValueTableView::ColumnCount() const {
  return table_ ? static_cast<int>(table_->columns.size()) : 0;
}

draw::Rect ValueTableView::CellRect(int column, int row) const {
  const int columns = std::max(ColumnCount(), 1);
  const int left = x_ + width_ * column / columns;
  const int right = x_ + width_ * (column + 1) / columns;
  const int top = y_ + (row + 1) * RowHeight();
  return draw::Rect{left, top, right, top + RowHeight()};
}

void ValueTableView::Draw(draw::Surface& surface) {
  if (!visible_ || !table_) return;
  const ui::Skin* skin = ui::CurrentSkin();
  const ui::SkinPalette palette = skin ? skin->Palette() : ui::SkinPalette{};
  const int columns = ColumnCount();
  const int rows = std::min(RowsShown(), static_cast<int>(table_->rows.size()));
  const draw::Rect used = draw::Rect::FromSize(x_, y_, width_, (rows + 1) * RowHeight() + 1);
  surface.FillRect(&used, palette.grid_fill);
  ui::TextRenderer* font = ui::CurrentFont();
  if (font) font->SetTarget(&surface);
  const int inset = ui::Px(3);
  // Under the Classic style's light text the skin's highlight grey is too
  // light for the headers to read; a darker grey keeps them apart from the
  // cells.
  constexpr draw::Color kDarkHeader = 0x505050;
  const draw::Color header_fill = palette.text == 0xFFFFFF ? kDarkHeader : palette.highlight;
  for (int c = 0; c < columns; ++c) {
    const draw::Rect header = CellRect(c, -1);
    surface.FillRect(&header, header_fill);
    if (font) {
      ui::DrawCentredText(surface, *font, table_->columns[c], header);
      font->SetTarget(&surface);  // the helper lets go of the target
    }
    for (int r = 0; r < rows; ++r) {
      const std::vector<TableCell>& row = table_->rows[r];
      if (c >= static_cast<int>(row.size()) || !font) continue;
      const draw::Rect cell = CellRect(c, r);
      const TableCell& value = row[c];
      const std::int32_t colour =
          value.colour == colour::kWhite ? ui::kNoColor : static_cast<std::int32_t>(value.colour);
      const int room = cell.Width() - 2 * inset;
      font->SetColor(colour);
      if (font->TextWidth(value.text) <= room) {
        font->DrawPlain(value.text, cell.left + inset, cell.top + ui::Px(2), colour);
      } else {
        font->DrawPlainTruncated(value.text, cell.left + inset, cell.top + ui::Px(2), room);
      }
      font->ResetColor();
    }
  }
  // Grid lines: one under each row, one after each column.
  for (int r = 0; r <= rows; ++r) {
    const int y = y_ + (r + 1) * RowHeight();
    surface.DrawLine(x_, y, x_ + width_ - 1, y, palette.grid_line);
  }
  for (int c = 0; c <= columns; ++c) {
    const int x = std::min(x_ + width_ * c / std::max(columns, 1), x_ + width_ - 1);
    surface.DrawLine(x, y_, x, used.bottom - 1, palette.grid_line);
  }
  surface.DrawLine(x_, y_, x_ + width_ - 1, y_, palette.grid_line);
  if (font) font->SetTarget(nullptr);
}

void ValueTableView::Describe(ui::WidgetList& out) const {
  if (!visible_ || !table_) return;
  const int rows = std::min(RowsShown(), static_cast<int>(table_->rows.size()));
  for (int c = 0; c < ColumnCount(); ++c) {
    ui::WidgetInfo header;
    header.kind = "cell";
    header.text = table_->columns[c];
    header.rect = CellRect(c, -1);
    header.enabled = false;
    out.push_back(std::move(header));
  }
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < static_cast<int>(table_->rows[r].size()); ++c) {
      ui::WidgetInfo cell;
      cell.kind = "cell";
      cell.text = table_->rows[r][c].text;
      cell.rect = CellRect(c, r);
      cell.enabled = false;
      out.push_back(std::move(cell));
    }
  }
}

}  // namespace zentrix::graphing::screens
