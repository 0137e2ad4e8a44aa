#pragma once
// The table of values with its two tabs: "Table" shows the selected 2D
// graph's values (as many rows as fit), the help line and the "Up" and "Dn"
// buttons; "Setup" holds "Table Start= " and "Table Step= ". When no table
// can be built its message is shown instead.
//
// With a data table, a third tab "Data" shows it: the cell grid the
// statistical plots read, where Return and down move to the next row's cell
// and up to the previous one.
//
// Applying the setup rebuilds the table only when a value changed. Up and
// down on the navigation pad (or the buttons) move Table Start by one Table
// Step and rebuild. Leaving the setup page applies it; a field that does not
// evaluate keeps the setup page open and reports "Error solving ...".

#include "engine/core/decimal_format.h"
#include "graphing/model/graph_set.h"
#include "graphing/model/value_table.h"
#include "graphing/screens/editor_panel.h"
#include "graphing/screens/value_table_view.h"
#include "graphing/screens/wrapped_text.h"
#include "ui/core/json_writer.h"
#include "ui/grid/cell_grid.h"
#include "ui/widgets/button.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

class TablePanel : public EditorPanel {
 public:
  enum Page : int { kTablePage, kSetupPage, kDataPage };

  // The settings and graphs stay the grapher's and must outlive the panel. A
  // null graph set is the 3D grapher's, which has no table.
  TablePanel(TableSettings& settings, GraphSet2D* graphs, ui::CellGrid* data = nullptr);

  // The notebook's number format for the cells; rebuilds the table.
  void SetFormat(const engine::DecimalFormat& format);

  bool Apply() override;
  // Takes the texts from the settings and rebuilds the table (after the graph
  // set, its selection or its preparation changed).
  void Refresh() override;
  // Up and down move Table Start while the table page shows; Return applies.
  bool KeyDown(const ui::KeyEvent& key) override;
  // The wheel scrolls the data grid, or moves the table as up and down do.
  bool Wheel(ui::Point p, int steps) override;

  void ScrollUp();
  void ScrollDown();
  void ShowPage(Page page);
  Page CurrentPage() const { return static_cast<Page>(tabs_.Selected()); }

  const ValueTable& Table() const { return table_; }
  ui::TextBox& StartBox() { return start_; }
  ui::TextBox& StepBox() { return step_; }

 protected:
  void Arrange(const draw::Rect& area) override;

 private:
  void Rebuild();
  void UpdateVisibility();
  void OnTab(int index);
  bool DataKey(const ui::KeyEvent& key);

  TableSettings& settings_;
  GraphSet2D* graphs_;
  ui::CellGrid* data_;
  engine::DecimalFormat format_{5, engine::Notation::kNormal, false};
  ValueTable table_;

  ui::TabControl tabs_{0, 0, 0, {u"Table", u"Setup"}};
  ValueTableView view_;
  WrappedText help_{std::u16string(kTableHelp)};
  WrappedText unavailable_{u""};
  ui::Button up_{0, 0, 0, 0, u"Up"};
  ui::Button down_{0, 0, 0, 0, u"Dn"};
  ui::TextBox start_;
  ui::TextBox step_;
};

// The dump's "table" field: {"columns": [...], "rows": [[...], ...]}, or null
// while a message is shown instead of the table.
void WriteTableJson(const ValueTable& table, ui::JsonWriter& json);

}  // namespace zentrix::graphing::screens
