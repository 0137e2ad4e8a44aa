#pragma once
// The statistics data table: the cell grid in which the statistical plots'
// lists are typed, with the title that the 2D graph file keeps beside it. The
// 2D grapher owns one and shows its grid; the graph files save and load it.

#include <string>

#include "ui/grid/cell_grid.h"

namespace zentrix::graphing::files {

struct DataTable {
  ui::CellGrid grid;
  // Kept as read, so that a file is written back unchanged.
  std::u16string title;
};

}  // namespace zentrix::graphing::files
