#include "graphing/screens/list/data_lists.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphing/screens/testing/panel_test_support.h"

namespace zentrix::graphing::screens {
namespace {

using DataListsTest = testing::PanelTest;

TEST_F(DataListsTest, ListTextsNameColumnsByNumber) {
  EXPECT_EQ(ColumnOfList(u"1"), 0);
  EXPECT_EQ(ColumnOfList(u"12"), 11);
  EXPECT_EQ(ListOfColumn(2), u"3");
  for (const char16_t* bad : {u"", u"0x", u"L1", u"-1", u"99999"}) {
    EXPECT_LT(ColumnOfList(bad), 0) << chars::ToUtf8(bad);
  }
  EXPECT_EQ(ColumnOfList(u"0"), -1);  // columns count from 1
}

TEST_F(DataListsTest, CellsAreEvaluatedAndBadOnesAreRefusedAsNaN) {
  ui::CellGrid grid;
  grid.AddColumn();
  grid.AddColumn();
  const char* cells[] = {"1/2", "", "2^3", "sin(", "7"};
  for (int r = 0; r < 5; ++r) {
    grid.AppendCell(0);
    grid.Cell(0, r)->SetText(chars::U16(cells[r]));
  }
  const std::vector<double> values = ColumnValues(grid, 0);
  ASSERT_EQ(values.size(), 4u);  // the empty cell is skipped
  EXPECT_DOUBLE_EQ(values[0], 0.5);
  EXPECT_DOUBLE_EQ(values[1], 8.0);
  EXPECT_TRUE(std::isnan(values[2]));
  EXPECT_DOUBLE_EQ(values[3], 7.0);
  EXPECT_TRUE(ColumnValues(grid, 5).empty());
  EXPECT_TRUE(ColumnValues(grid, -1).empty());

  ScatterPlot plot;
  plot.data_text = u"1";
  plot.frequency_text = u"3";  // no such column: an empty y list
  LoadPlotLists(grid, plot);
  EXPECT_EQ(plot.data().size(), 4u);
  EXPECT_TRUE(plot.frequencies().empty());
  EXPECT_TRUE(plot.data_changed);
}

}  // namespace
}  // namespace zentrix::graphing::screens
