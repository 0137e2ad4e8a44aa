#pragma once
// ValueTableView: draws a value table as a grid, a header row of column
// titles over as many rows as fit its height. A cell that did not evaluate
// shows "Error" in red; the others use the font's own colour so they read on
// either skin style. The view shows a table it does not own.

#include "graphing/model/value_table.h"
#include "ui/core/widget.h"

namespace zentrix::graphing::screens {

class ValueTableView : public ui::Widget {
 public:
  std::string_view Kind() const override { return "table"; }
  void SetTable(const ValueTable* table) { table_ = table; }

  // The height of one row on the current screen, and how many value rows the
  // view's height holds (the header takes one row).
  static int RowHeight();
  int RowsShown() const;

  void Draw(draw::Surface& surface) override;
  // One "cell" entry per header and value cell shown.
  void Describe(ui::WidgetList& out) const override;

 private:
  int ColumnCount() const;
  draw::Rect CellRect(int column, int row) const;  // row −1: the header

  const ValueTable* table_ = nullptr;
};

}  // namespace zentrix::graphing::screens
