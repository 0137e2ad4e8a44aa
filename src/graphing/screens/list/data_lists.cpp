#include "graphing/screens/list/data_lists.h"

#include <limits>

#include "graphing/model/engine_bridge.h"

namespace zentrix::graphing::screens {

int ColumnOfList(const std::u16string& text) {
  if (text.empty() || text.size() > 3) return -1;
  int n = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return -1;
    n = n * 10 + (c - u'0');
  }
  return n - 1;
}

std::u16string ListOfColumn(int column) {
  const std::string digits = std::to_string(column + 1);
  return std::u16string(digits.begin(), digits.end());
}

std::vector<double> ColumnValues(const ui::CellGrid& grid, int column) {
  std::vector<double> values;
  if (column < 0 || column >= grid.ColumnCount()) return values;
  const int count = grid.CellCount(column);
  values.reserve(static_cast<std::size_t>(count));
  for (int row = 0; row < count; ++row) {
    const std::u16string text = grid.CellText(column, row);
    if (text.empty()) continue;
    const FieldValue v = EvaluateField(text, nullptr);
    values.push_back(v.ok ? v.value : std::numeric_limits<double>::quiet_NaN());
  }
  return values;
}

void LoadPlotLists(const ui::CellGrid& grid, StatPlot& plot) {
  plot.SetData(ColumnValues(grid, ColumnOfList(plot.data_text)));
  plot.SetFrequencies(ColumnValues(grid, ColumnOfList(plot.frequency_text)));
}

}  // namespace zentrix::graphing::screens
