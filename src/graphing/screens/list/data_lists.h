#pragma once
// The statistics data table as the statistical plots read it: a plot's list
// texts name data-table columns by number ("1", "2" ...), and each column's
// cells are evaluated into numbers.

#include <string>
#include <vector>

#include "graphing/model/stat_plots.h"
#include "ui/grid/cell_grid.h"

namespace zentrix::graphing::screens {

// The column a list text names (counting from 0), or -1.
int ColumnOfList(const std::u16string& text);
// The list text of column `column` (counting from 0).
std::u16string ListOfColumn(int column);

// The numbers of a column: each non-empty cell evaluated (a cell that does
// not evaluate gives NaN, which the statistics refuse); empty for -1.
std::vector<double> ColumnValues(const ui::CellGrid& grid, int column);

// Loads the plot's lists from the grid: the data list and, when the plot
// names one, the frequency (or y) list.
void LoadPlotLists(const ui::CellGrid& grid, StatPlot& plot);

}  // namespace zentrix::graphing::screens
