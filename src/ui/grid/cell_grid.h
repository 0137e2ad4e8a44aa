#pragma once
// CellGrid: columns of TextBox cells side by side under a header row of
// column titles, with scroll bars when the content does not fit, and the Edit
// menu's cell and row operations. In growing mode every column ends with one
// empty cell that grows the list when typed into; with uniform rows every
// column shows the same number of rows and no empty cell is added.
//
// The column width is the cell-area width divided by min(visible columns,
// column count), in fixed point with 10 fractional bits, truncated. Rows
// shown = cell-area height / row height − 1 (the header takes a row).

#include <memory>
#include <vector>

#include "ui/core/widget.h"
#include "ui/grid/line_stream.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {

class CellGrid : public Widget {
 public:
  CellGrid();
  CellGrid(int x, int y);

  std::string_view Kind() const override { return "cell grid"; }
  void SetSize(int width, int height) override;

  // Columns and cells.
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // Cells of a column; in growing mode without the trailing empty cell.
  int CellCount(int column) const;
  std::u16string CellText(int column, int row) const;
  TextBox* Cell(int column, int row);
  void SetTitle(int column, std::u16string title);
  const std::u16string& Title(int column) const;
  void AddColumn(std::u16string title = {});
  void AppendCell(int column);

  // Edit operations on the current cell.
  void InsertCell();
  void DeleteCell();
  void InsertRow();
  void DeleteRow();
  void InsertColumn();
  void DeleteColumn();

  // Current cell (column −1: no cell of the grid has the focus).
  int CurrentColumn() const { return current_column_; }
  int CurrentRow() const { return current_row_; }
  // Focuses cell (column, row) and makes it current.
  void FocusCell(int column, int row);

  // Settings.
  int VisibleColumns() const { return visible_columns_; }
  void SetVisibleColumns(int count);
  bool Growing() const { return growing_; }
  void SetGrowing(bool on);
  bool UniformRows() const { return uniform_; }
  void SetUniformRows(bool on) { uniform_ = on; }
  void SetHorizontalScrollAllowed(bool on) { horizontal_allowed_ = on; }
  void SetVerticalScrollAllowed(bool on) { vertical_allowed_ = on; }
  bool NumberedTitles() const { return numbered_; }
  void SetNumberedTitles(bool on) { numbered_ = on; }
  void SetFramed(bool on) { framed_ = on; }
  bool FocusChanged() const { return focus_changed_; }
  void ClearFocusChanged() { focus_changed_ = false; }

  // Geometry.
  int ColumnWidth() const { return column_width_; }
  int RowHeight() const;
  int RowsShown() const;
  draw::Rect CellArea() const;
  int FirstVisibleColumn() const { return first_column_; }
  int LastVisibleColumn() const { return last_column_; }  // one past
  bool HorizontalBarShown() const;
  Slider& HorizontalBar() { return horizontal_; }
  Slider& VerticalBar() { return vertical_; }

  bool StylusDown(Point p) override;
  bool StylusMove(Point p) override;
  bool StylusUp(Point p) override;
  // Scrolls the rows under the pointer, one row per step.
  bool Wheel(Point p, int steps) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

  // Title of the grid, x, y, cell-area width and height, visible columns,
  // column count, then per column its title, cell count and cell texts.
  void Save(LineWriter& out, const std::u16string& grid_title) const;
  // Empties the grid and reads it back; false (and an empty grid with one
  // column) when the stream ends early or holds impossible counts.
  bool Load(LineReader& in, std::u16string* grid_title = nullptr);

 private:
  struct Column {
    std::u16string title;
    std::vector<std::unique_ptr<TextBox>> cells;
  };

  std::unique_ptr<TextBox> NewCell() const;
  void ComputeColumnWidth();
  int StoredCount(int column) const;
  int LongestColumn() const;
  void EnsureTrailingCells();
  void PlaceScrollBars();

  std::vector<Column> columns_;
  int visible_columns_ = 3;
  int column_width_ = 0;
  int first_column_ = 0;
  int last_column_ = 0;
  int current_column_ = -1;
  int current_row_ = 0;
  bool growing_ = true;
  bool uniform_ = false;
  bool horizontal_allowed_ = true;
  bool vertical_allowed_ = true;
  bool numbered_ = true;
  bool framed_ = false;
  bool focus_changed_ = false;
  bool scroll_to_new_cell_ = false;
  Slider horizontal_{0, 0, 0, Slider::Orientation::kHorizontal};
  Slider vertical_{0, 0, 0, Slider::Orientation::kVertical};
};

}  // namespace zentrix::ui
