#include "ui/grid/cell_grid.h"

#include <algorithm>

#include "ui/core/focus.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

constexpr int kFractionBits = 10;
// Limits on what Load accepts, so that a damaged file cannot ask for millions
// of cells.
constexpr long long kMaxLoadedColumns = 256;
constexpr long long kMaxLoadedCells = 100000;

}  // namespace

CellGrid::CellGrid() : CellGrid(0, 0) {}

CellGrid::CellGrid(int x, int y) : Widget(x, y, 0, 0) {
  vertical_.SetKind("scroll bar");
  horizontal_.SetKind("scroll bar");
  ComputeColumnWidth();
}

std::unique_ptr<TextBox> CellGrid::NewCell() const {
  auto cell = std::make_unique<TextBox>();
  cell->SetBackground(TextBox::kNoBackground);
  return cell;
}

void CellGrid::SetSize(int width, int height) {
  Widget::SetSize(width, height);
  ComputeColumnWidth();
}

void CellGrid::SetVisibleColumns(int count) {
  visible_columns_ = std::max(count, 1);
  ComputeColumnWidth();
}

void CellGrid::SetGrowing(bool on) {
  growing_ = on;
  if (growing_) EnsureTrailingCells();
}

int CellGrid::RowHeight() const {
  const TextRenderer* font = CurrentFont();
  return (font ? font->LineHeight() : Px(12)) + 2;
}

bool CellGrid::HorizontalBarShown() const {
  return horizontal_allowed_ && ColumnCount() > visible_columns_;
}

draw::Rect CellGrid::CellArea() const {
  const int thickness =
      CurrentSkin() ? CurrentSkin()->Palette().scroll_bar_thickness : Px(kScrollBarThickness);
  const int w = width_ - (vertical_allowed_ ? thickness : 0);
  const int h = height_ - (HorizontalBarShown() ? thickness : 0);
  return draw::Rect::FromSize(x_, y_, std::max(w, 0), std::max(h, 0));
}

int CellGrid::RowsShown() const { return std::max(CellArea().Height() / RowHeight() - 1, 0); }

void CellGrid::ComputeColumnWidth() {
  const int shown = std::min(visible_columns_, ColumnCount());
  if (shown <= 0) {
    column_width_ = 0;
    return;
  }
  const long long fixed = (static_cast<long long>(CellArea().Width()) << kFractionBits) / shown;
  column_width_ = static_cast<int>(fixed >> kFractionBits);
}

int CellGrid::StoredCount(int column) const {
  const auto& cells = columns_[static_cast<std::size_t>(column)].cells;
  int count = static_cast<int>(cells.size());
  if (growing_ && !uniform_ && count > 0 && cells.back()->Text().empty()) --count;
  return count;
}

int CellGrid::CellCount(int column) const {
  if (column < 0 || column >= ColumnCount()) return 0;
  return StoredCount(column);
}

std::u16string CellGrid::CellText(int column, int row) const {
  if (column < 0 || column >= ColumnCount()) return {};
  const auto& cells = columns_[static_cast<std::size_t>(column)].cells;
  if (row < 0 || row >= static_cast<int>(cells.size())) return {};
  return cells[static_cast<std::size_t>(row)]->Text();
}

TextBox* CellGrid::Cell(int column, int row) {
  if (column < 0 || column >= ColumnCount()) return nullptr;
  auto& cells = columns_[static_cast<std::size_t>(column)].cells;
  if (row < 0 || row >= static_cast<int>(cells.size())) return nullptr;
  return cells[static_cast<std::size_t>(row)].get();
}

void CellGrid::SetTitle(int column, std::u16string title) {
  if (column >= 0 && column < ColumnCount()) {
    columns_[static_cast<std::size_t>(column)].title = std::move(title);
  }
}

const std::u16string& CellGrid::Title(int column) const {
  static const std::u16string kEmpty;
  if (column < 0 || column >= ColumnCount()) return kEmpty;
  return columns_[static_cast<std::size_t>(column)].title;
}

void CellGrid::AddColumn(std::u16string title) {
  Column column;
  column.title = std::move(title);
  if (growing_ && !uniform_) column.cells.push_back(NewCell());
  columns_.push_back(std::move(column));
  ComputeColumnWidth();
}

void CellGrid::AppendCell(int column) {
  if (column < 0 || column >= ColumnCount()) return;
  columns_[static_cast<std::size_t>(column)].cells.push_back(NewCell());
}

void CellGrid::EnsureTrailingCells() {
  if (!growing_ || uniform_) return;
  for (int c = 0; c < ColumnCount(); ++c) {
    auto& cells = columns_[static_cast<std::size_t>(c)].cells;
    if (cells.empty() || !cells.back()->Text().empty()) {
      cells.push_back(NewCell());
      if (c == current_column_) scroll_to_new_cell_ = true;
    }
  }
}

void CellGrid::FocusCell(int column, int row) {
  TextBox* cell = Cell(column, row);
  if (!cell) return;
  Focus(cell);
  if (column != current_column_ || row != current_row_) focus_changed_ = true;
  current_column_ = column;
  current_row_ = row;
}

void CellGrid::InsertCell() {
  if (!growing_ || current_column_ < 0 || current_column_ >= ColumnCount()) return;
  auto& cells = columns_[static_cast<std::size_t>(current_column_)].cells;
  const int row = std::clamp(current_row_, 0, static_cast<int>(cells.size()));
  cells.insert(cells.begin() + row, NewCell());
  FocusCell(current_column_, row);
}

void CellGrid::DeleteCell() {
  if (!growing_ || current_column_ < 0 || current_column_ >= ColumnCount()) return;
  auto& cells = columns_[static_cast<std::size_t>(current_column_)].cells;
  if (cells.size() <= 1 || current_row_ < 0 || current_row_ >= static_cast<int>(cells.size())) {
    return;
  }
  cells.erase(cells.begin() + current_row_);
  EnsureTrailingCells();
  FocusCell(current_column_, std::min(current_row_, static_cast<int>(cells.size()) - 1));
}

void CellGrid::InsertRow() {
  if (current_column_ < 0 || current_column_ >= ColumnCount()) return;
  for (Column& column : columns_) {
    if (static_cast<int>(column.cells.size()) > current_row_) {
      column.cells.insert(column.cells.begin() + current_row_, NewCell());
    }
  }
  FocusCell(current_column_, current_row_);
}

void CellGrid::DeleteRow() {
  if (current_column_ < 0 || current_column_ >= ColumnCount()) return;
  for (int c = 0; c < ColumnCount(); ++c) {
    const int count = StoredCount(c);
    if (count == 1 || count <= current_row_) continue;
    auto& cells = columns_[static_cast<std::size_t>(c)].cells;
    cells.erase(cells.begin() + current_row_);
  }
  EnsureTrailingCells();
  const int size =
      static_cast<int>(columns_[static_cast<std::size_t>(current_column_)].cells.size());
  int row = current_row_;
  if (row >= size) row = std::max(row - 1, 0);
  current_row_ = -1;  // so that the focus counts as changed
  FocusCell(current_column_, row);
}

void CellGrid::InsertColumn() {
  const int at = std::clamp(current_column_, 0, ColumnCount());
  Column column;
  if (growing_ && !uniform_) {
    column.cells.push_back(NewCell());
    current_row_ = 0;
  } else {
    const int count = at < ColumnCount()
                          ? static_cast<int>(columns_[static_cast<std::size_t>(at)].cells.size())
                          : 1;
    for (int i = 0; i < std::max(count, 1); ++i) column.cells.push_back(NewCell());
  }
  columns_.insert(columns_.begin() + at, std::move(column));
  ComputeColumnWidth();
  const int rows = static_cast<int>(columns_[static_cast<std::size_t>(at)].cells.size());
  current_column_ = -1;
  FocusCell(at, std::clamp(current_row_, 0, rows - 1));
}

void CellGrid::DeleteColumn() {
  if (ColumnCount() <= 1 || current_column_ < 0 || current_column_ >= ColumnCount()) return;
  columns_.erase(columns_.begin() + current_column_);
  int column = current_column_;
  if (column >= ColumnCount()) --column;
  ComputeColumnWidth();
  first_column_ = std::min(first_column_, std::max(ColumnCount() - visible_columns_, 0));
  const int rows = static_cast<int>(columns_[static_cast<std::size_t>(column)].cells.size());
  current_column_ = -1;
  FocusCell(column, std::clamp(current_row_, 0, std::max(rows - 1, 0)));
}

int CellGrid::LongestColumn() const {
  int longest = 0;
  for (const Column& column : columns_) {
    longest = std::max(longest, static_cast<int>(column.cells.size()));
  }
  return longest;
}

void CellGrid::PlaceScrollBars() {
  const draw::Rect area = CellArea();
  const int thickness =
      CurrentSkin() ? CurrentSkin()->Palette().scroll_bar_thickness : Px(kScrollBarThickness);
  const int rows = RowsShown();
  vertical_.SetVisible(vertical_allowed_);
  vertical_.SetPosition(x_ + width_ - thickness, y_);
  vertical_.SetLength(area.Height());
  vertical_.SetRange(std::max(LongestColumn() - rows, 0) + 1);
  vertical_.SetPageSize(std::max(rows, 1));
  horizontal_.SetVisible(HorizontalBarShown());
  horizontal_.SetPosition(x_, y_ + height_ - thickness);
  horizontal_.SetLength(area.Width());
  horizontal_.SetRange(std::max(ColumnCount() - visible_columns_, 0) + 1);
  horizontal_.SetPageSize(1);
}

bool CellGrid::StylusDown(Point p) {
  if (!visible_ || ColumnCount() == 0) return false;
  if (horizontal_.Visible() && horizontal_.StylusDown(p)) {
    first_column_ = horizontal_.Position();
    return true;
  }
  if (vertical_.Visible() && vertical_.StylusDown(p)) return true;
  const int rows = RowsShown();
  const int scroll = vertical_.Position();
  for (int c = first_column_; c < last_column_; ++c) {
    auto& cells = columns_[static_cast<std::size_t>(c)].cells;
    for (int r = scroll; r < std::min(scroll + rows, static_cast<int>(cells.size())); ++r) {
      if (cells[static_cast<std::size_t>(r)]->StylusDown(p)) {
        FocusCell(c, r);
        return true;
      }
    }
  }
  return false;
}

bool CellGrid::StylusMove(Point p) {
  if (horizontal_.Pressed()) {
    horizontal_.StylusMove(p);
    first_column_ = horizontal_.Position();
    return true;
  }
  if (vertical_.Pressed()) return vertical_.StylusMove(p);
  return false;
}

bool CellGrid::StylusUp(Point p) {
  if (!visible_ || ColumnCount() == 0) return false;
  if (horizontal_.Visible() && horizontal_.StylusUp(p)) return true;
  if (vertical_.Visible() && vertical_.StylusUp(p)) return true;
  const int rows = RowsShown();
  const int scroll = vertical_.Position();
  for (int c = first_column_; c < last_column_; ++c) {
    auto& cells = columns_[static_cast<std::size_t>(c)].cells;
    for (int r = scroll; r < std::min(scroll + rows, static_cast<int>(cells.size())); ++r) {
      if (cells[static_cast<std::size_t>(r)]->StylusUp(p)) return true;
    }
  }
  return false;
}

bool CellGrid::Wheel(Point p, int steps) {
  if (!visible_ || ColumnCount() == 0 || !Bounds().Contains(p.x, p.y)) return false;
  vertical_.SetPosition(vertical_.Position() - steps);
  return true;
}

void CellGrid::Draw(draw::Surface& surface) {
  if (!visible_ || Ui().modal_open || ColumnCount() == 0) return;
  const Skin* skin = CurrentSkin();
  const draw::Color fill = skin ? skin->Palette().grid_fill : 0x202020;
  const draw::Color line = skin ? skin->Palette().grid_line : 0x7D7D7D;
  TextRenderer* font = CurrentFont();

  ComputeColumnWidth();
  const draw::Rect box = Bounds();
  surface.FillRect(&box, fill);
  DrawFrameRect(surface, box, line);
  if (framed_) DrawFrameRect(surface, box, 0xC8C8C8);

  EnsureTrailingCells();
  const int shown = std::min(visible_columns_, ColumnCount());
  first_column_ = std::clamp(first_column_, 0, ColumnCount() - shown);
  last_column_ = first_column_ + shown;
  PlaceScrollBars();
  if (scroll_to_new_cell_ && current_column_ >= 0 && current_column_ < ColumnCount()) {
    const int size =
        static_cast<int>(columns_[static_cast<std::size_t>(current_column_)].cells.size());
    if (size - 1 >= vertical_.Position() + RowsShown()) {
      vertical_.SetPosition(size - RowsShown());
    }
  }
  scroll_to_new_cell_ = false;

  const draw::Rect area = CellArea();
  const int row_height = RowHeight();
  const int rows = RowsShown();
  const int scroll = vertical_.Position();
  const long long fixed =
      shown > 0 ? (static_cast<long long>(area.Width()) << kFractionBits) / shown : 0;
  const draw::Rect saved_clip = surface.ClipRect();
  bool focus_in_grid = false;
  for (int i = 0; i < shown; ++i) {
    const int c = first_column_ + i;
    Column& column = columns_[static_cast<std::size_t>(c)];
    const int left = x_ + static_cast<int>((fixed * i) >> kFractionBits);
    if (font) {
      // The column number without building a string each frame.
      char16_t digits[12];
      int n = 0;
      for (int v = c + 1; v > 0 && n < 12; v /= 10)
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
      std::reverse(digits, digits + n);
      const std::u16string_view header =
          numbered_ ? std::u16string_view(digits, static_cast<std::size_t>(n))
                    : std::u16string_view(column.title);
      font->SetTarget(&surface);
      const int header_y = y_ + (font->LineHeight() >> 3) * 2;
      font->DrawMarkup(header, left + (column_width_ - font->SingleLineWidth(header)) / 2,
                       header_y);
      font->SetTarget(nullptr);
    }
    const int last = std::min(scroll + rows, static_cast<int>(column.cells.size()));
    for (int r = scroll; r < last; ++r) {
      TextBox& cell = *column.cells[static_cast<std::size_t>(r)];
      const int cy = y_ + (r - scroll + 1) * row_height + 2;
      cell.SetPosition(left + 1, cy);
      cell.SetSize(column_width_, row_height);
      const draw::Rect cell_rect =
          draw::Rect::FromSize(left + 1, cy, column_width_ - 1, row_height);
      if (cell_rect.bottom > area.bottom) continue;
      const draw::Rect clip = saved_clip.Intersect(cell_rect);
      surface.SetClipRect(&clip);
      cell.Draw(surface);
      surface.SetClipRect(&saved_clip);
      cell.SetSize(column_width_, row_height);
      if (cell.Focused()) {
        focus_in_grid = true;
        if (c != current_column_ || r != current_row_) focus_changed_ = true;
        current_column_ = c;
        current_row_ = r;
      }
      const bool trailing = growing_ && !uniform_ && r + 1 == static_cast<int>(column.cells.size());
      if (trailing && cell.Text().empty() && !cell.Focused()) {
        DrawFrameRect(surface, cell_rect, 0xC8C8C8);
      }
      if (!growing_ && c == 0) {
        const int under = cy + row_height - 1;
        surface.DrawLine(x_, under, x_ + width_ - 1, under, 0x7D7D7D);
      }
    }
    surface.DrawLine(left, y_, left, area.bottom - 1, line);
  }
  surface.DrawLine(x_ + width_ - 1, y_, x_ + width_ - 1, y_ + height_ - 1, line);
  if (vertical_.Visible()) vertical_.Draw(surface);
  if (horizontal_.Visible()) {
    horizontal_.SetPosition(first_column_);
    horizontal_.Draw(surface);
  }
  // A focused cell scrolled out of view still belongs to the grid.
  if (!focus_in_grid && Focused()) {
    for (int c = 0; c < ColumnCount() && !focus_in_grid; ++c) {
      for (const auto& cell : columns_[static_cast<std::size_t>(c)].cells) {
        if (cell.get() == Focused()) focus_in_grid = true;
      }
    }
  }
  if (!focus_in_grid) current_column_ = -1;
}

void CellGrid::Describe(WidgetList& out) const {
  if (!visible_ || ColumnCount() == 0) return;
  const int rows = RowsShown();
  const int scroll = vertical_.Position();
  for (int c = first_column_; c < std::min(last_column_, ColumnCount()); ++c) {
    const auto& cells = columns_[static_cast<std::size_t>(c)].cells;
    for (int r = scroll; r < std::min(scroll + rows, static_cast<int>(cells.size())); ++r) {
      const TextBox& cell = *cells[static_cast<std::size_t>(r)];
      out.push_back(
          {"cell", cell.Text(), cell.Bounds(), enabled_, std::nullopt,
           c == current_column_ && r == current_row_ ? std::optional<int>(1) : std::nullopt});
    }
  }
  if (vertical_.Visible()) vertical_.Describe(out);
  if (horizontal_.Visible()) horizontal_.Describe(out);
}

void CellGrid::Save(LineWriter& out, const std::u16string& grid_title) const {
  const draw::Rect area = CellArea();
  out.WriteText(grid_title);
  out.WriteInteger(x_);
  out.WriteInteger(y_);
  out.WriteInteger(area.Width());
  out.WriteInteger(area.Height());
  out.WriteInteger(visible_columns_);
  out.WriteInteger(ColumnCount());
  for (int c = 0; c < ColumnCount(); ++c) {
    out.WriteText(columns_[static_cast<std::size_t>(c)].title);
    const int count = StoredCount(c);
    out.WriteInteger(count);
    for (int r = 0; r < count; ++r) out.WriteText(CellText(c, r));
  }
}

bool CellGrid::Load(LineReader& in, std::u16string* grid_title) {
  for (const Column& column : columns_) {
    for (const auto& cell : column.cells) {
      if (cell.get() == Focused()) Focus(nullptr);
    }
  }
  columns_.clear();
  current_column_ = -1;
  current_row_ = 0;
  first_column_ = 0;
  const auto fail = [this] {
    columns_.clear();
    AddColumn();
    return false;
  };
  const std::optional<std::u16string> title = in.ReadText();
  if (!title) return fail();
  if (grid_title) *grid_title = *title;
  long long header[6];
  for (long long& value : header) {
    const std::optional<long long> v = in.ReadInteger();
    if (!v) return fail();
    value = *v;
  }
  const long long column_count = header[5];
  if (column_count < 0 || column_count > kMaxLoadedColumns) return fail();
  SetVisibleColumns(static_cast<int>(std::clamp(header[4], 1LL, kMaxLoadedColumns)));
  long long total = 0;
  for (long long c = 0; c < column_count; ++c) {
    const std::optional<std::u16string> column_title = in.ReadText();
    const std::optional<long long> count = in.ReadInteger();
    if (!column_title || !count || *count < 0 || (total += *count) > kMaxLoadedCells) {
      return fail();
    }
    Column column;
    column.title = *column_title;
    columns_.push_back(std::move(column));
    const int index = static_cast<int>(c);
    for (long long r = 0; r < *count; ++r) {
      const std::optional<std::u16string> text = in.ReadText();
      if (!text) return fail();
      AppendCell(index);
      columns_.back().cells.back()->SetText(*text);
    }
    // Every stored cell stays a cell, an empty last one included, so a grid
    // saves again as it was read.
    if (growing_ && !uniform_) AppendCell(index);
  }
  EnsureTrailingCells();
  ComputeColumnWidth();
  return true;
}

}  // namespace zentrix::ui
