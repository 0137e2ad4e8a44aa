#pragma once
// The table of values of the selected 2D graph: rows from Table Start by
// repeated addition of Table Step, evaluated in radians at T = 0, each cell
// printed with the notebook's number format or "Error" in red.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/decimal_format.h"
#include "graphing/model/colours.h"
#include "graphing/model/graph_set.h"
#include "graphing/model/window_fields.h"

namespace zentrix::graphing {

inline constexpr std::u16string_view kTableNot3D = u"Table is not available for 3D graphs.";
inline constexpr std::u16string_view kTableNotStatistical =
    u"Table is not available for statistical graphs.";
inline constexpr std::u16string_view kTableNotSolved = u"The equation could not be solved.";
inline constexpr std::u16string_view kTableNoGraphs = u"No 2d graphs have been created.";
inline constexpr std::u16string_view kTableHelp =
    u"Press [yellow]up[/] or [yellow]down[/] on your navigation pad to scroll up or down in "
    u"the graphing table.";

class TableSettings {
 public:
  enum Field : int { kStart, kStep, kFieldCount };

  TableSettings();  // start 0, step 1

  // Evaluates both texts. `changed` tells whether either value differs from
  // before (only then is the table rebuilt).
  ApplyResult Apply(bool& changed, const engine::VariableStore* variables = nullptr);
  // Up and down on the navigation pad: Table Start −/+ Table Step.
  void ScrollUp();
  void ScrollDown();

  WindowField& field(Field f) { return fields_[f]; }
  const std::u16string& text(Field f) const { return fields_[f].text; }
  void SetText(Field f, std::u16string text) { fields_[f].text = std::move(text); }
  double start() const { return fields_[kStart].value; }
  double step() const { return fields_[kStep].value; }

 private:
  void SetStart(double value);

  std::array<WindowField, kFieldCount> fields_;
};

struct TableCell {
  std::u16string text;
  Colour colour = colour::kWhite;
};

struct ValueTable {
  std::u16string message;  // shown instead of the table when not empty
  std::vector<std::u16string> columns;
  std::vector<std::vector<TableCell>> rows;
};

// The table of the selected graph of the set with `row_count` rows.
ValueTable BuildValueTable(GraphSet2D& set, const TableSettings& settings, int row_count,
                           const engine::DecimalFormat& format);

}  // namespace zentrix::graphing
