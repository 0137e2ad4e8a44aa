#include "ui/grid/cell_grid.h"

#include <gtest/gtest.h>

#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::ui {
namespace {

using testing::UiTest;

class CellGridTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    grid_.SetSize(116, 100);  // 100-pixel cell area beside the 16-pixel bar
  }
  void Frame() { grid_.Draw(display_.BackBuffer()); }
  // Types into cell (column, row) as a person would.
  void Type(int column, int row, std::u16string_view text) {
    grid_.FocusCell(column, row);
    InsertText(text);
    Frame();
  }
  CellGrid grid_{0, 0};
};

TEST_F(CellGridTest, GrowingColumnAddsACellWhenTypedInto) {
  grid_.AddColumn();
  Frame();
  EXPECT_EQ(grid_.CellCount(0), 0);
  ASSERT_NE(grid_.Cell(0, 0), nullptr);
  EXPECT_EQ(grid_.Cell(0, 1), nullptr);
  Type(0, 0, u"5");
  EXPECT_EQ(grid_.CellCount(0), 1);
  ASSERT_NE(grid_.Cell(0, 1), nullptr);
  EXPECT_EQ(grid_.CellText(0, 1), u"");
}

TEST_F(CellGridTest, ColumnWidthInFixedPoint) {
  for (int i = 0; i < 3; ++i) grid_.AddColumn();
  EXPECT_EQ(grid_.ColumnWidth(), 33);  // 100 / 3 truncated
  grid_.AddColumn();                   // four columns, three visible
  EXPECT_TRUE(grid_.HorizontalBarShown());
  EXPECT_EQ(grid_.RowHeight(), 7);
  EXPECT_EQ(grid_.RowsShown(), 84 / 7 - 1);
}

TEST_F(CellGridTest, HorizontalBarMovesTheFirstVisibleColumn) {
  for (int i = 0; i < 4; ++i) grid_.AddColumn();
  Frame();
  EXPECT_EQ(grid_.FirstVisibleColumn(), 0);
  EXPECT_EQ(grid_.LastVisibleColumn(), 3);
  Slider& bar = grid_.HorizontalBar();
  EXPECT_EQ(bar.Count(), 2);
  const Point track{bar.X() + bar.Width() - 3, bar.Y() + bar.Height() / 2};
  ASSERT_TRUE(grid_.StylusDown(track));
  grid_.StylusUp(track);
  Frame();
  EXPECT_EQ(grid_.FirstVisibleColumn(), 1);
  EXPECT_EQ(grid_.LastVisibleColumn(), 4);
}

TEST_F(CellGridTest, CellOperations) {
  grid_.AddColumn();
  Type(0, 0, u"1");
  Type(0, 1, u"2");
  grid_.FocusCell(0, 0);
  grid_.DeleteCell();
  EXPECT_EQ(grid_.CellCount(0), 1);
  EXPECT_EQ(grid_.CellText(0, 0), u"2");
  grid_.InsertCell();
  EXPECT_EQ(grid_.CellText(0, 1), u"2");
  EXPECT_EQ(Focused(), grid_.Cell(0, 0));

  CellGrid single;
  single.AddColumn();
  single.FocusCell(0, 0);
  single.DeleteCell();  // a single cell stays
  EXPECT_NE(single.Cell(0, 0), nullptr);
}

TEST_F(CellGridTest, DeleteRowLeavesShortColumnsAlone) {
  grid_.AddColumn();
  grid_.AddColumn();
  for (int r = 0; r < 3; ++r) Type(0, r, u"a");
  Type(1, 0, u"b");
  grid_.FocusCell(0, 2);
  grid_.DeleteRow();
  EXPECT_EQ(grid_.CellCount(0), 2);
  EXPECT_EQ(grid_.CellCount(1), 1);
  grid_.FocusCell(0, 0);
  grid_.DeleteRow();
  EXPECT_EQ(grid_.CellCount(0), 1);
  EXPECT_EQ(grid_.CellCount(1), 1);  // a single cell is not removed
  grid_.InsertRow();
  EXPECT_EQ(grid_.CellText(0, 1), u"a");
  EXPECT_EQ(grid_.CellText(1, 1), u"b");
}

TEST_F(CellGridTest, ColumnsComeAndGo) {
  grid_.AddColumn(u"x");
  grid_.DeleteColumn();  // the last column stays
  EXPECT_EQ(grid_.ColumnCount(), 1);
  Type(0, 0, u"7");
  grid_.InsertColumn();
  EXPECT_EQ(grid_.ColumnCount(), 2);
  EXPECT_EQ(grid_.Title(0), u"");
  EXPECT_EQ(grid_.Title(1), u"x");
  EXPECT_EQ(Focused(), grid_.Cell(0, 0));
  grid_.FocusCell(1, 0);
  grid_.DeleteColumn();
  EXPECT_EQ(grid_.ColumnCount(), 1);
  EXPECT_EQ(grid_.CurrentColumn(), 0);
  EXPECT_EQ(Focused(), grid_.Cell(0, 0));
}

TEST_F(CellGridTest, SaveAndLoadRestoreTitlesAndCells) {
  grid_.AddColumn(u"L1");
  grid_.AddColumn(u"L2");
  Type(0, 0, u"1");
  Type(0, 1, u"2.5");
  Type(1, 0, u"-3");
  MemoryLineStream stream;
  grid_.Save(stream, u"Data");
  CellGrid copy;
  std::u16string title;
  ASSERT_TRUE(copy.Load(stream, &title));
  EXPECT_EQ(title, u"Data");
  ASSERT_EQ(copy.ColumnCount(), 2);
  EXPECT_EQ(copy.Title(1), u"L2");
  EXPECT_EQ(copy.CellCount(0), 2);
  EXPECT_EQ(copy.CellText(0, 1), u"2.5");
  EXPECT_EQ(copy.CellText(1, 0), u"-3");

  // An empty cell stored last stays a cell: the copy saves as the grid did.
  Type(1, 1, u"4");
  grid_.Cell(1, 1)->SetText(u"");
  MemoryLineStream first;
  grid_.Save(first, u"Data");
  copy.SetSize(116, 100);
  ASSERT_TRUE(copy.Load(first));
  MemoryLineStream second;
  copy.Save(second, u"Data");
  EXPECT_EQ(second.Lines(), first.Lines());
}

TEST_F(CellGridTest, DamagedStreamsLoadAsAnEmptyGrid) {
  MemoryLineStream truncated;
  truncated.WriteText(u"t");
  for (int i = 0; i < 5; ++i) truncated.WriteInteger(1);
  truncated.WriteInteger(2);  // two columns promised, none follow
  EXPECT_FALSE(grid_.Load(truncated));
  EXPECT_EQ(grid_.ColumnCount(), 1);

  MemoryLineStream huge;
  huge.WriteText(u"t");
  for (int i = 0; i < 5; ++i) huge.WriteInteger(1);
  huge.WriteInteger(1);
  huge.WriteText(u"c");
  huge.WriteInteger(1LL << 40);
  EXPECT_FALSE(grid_.Load(huge));
  EXPECT_EQ(grid_.CellCount(0), 0);
}

TEST_F(CellGridTest, FixedColumnsCopyTheCurrentColumnsLength) {
  grid_.SetGrowing(false);
  grid_.AddColumn();
  for (int i = 0; i < 3; ++i) grid_.AppendCell(0);
  EXPECT_EQ(grid_.CellCount(0), 3);  // no trailing empty cell
  grid_.FocusCell(0, 2);
  grid_.InsertCell();  // only in growing mode
  EXPECT_EQ(grid_.CellCount(0), 3);
  grid_.InsertColumn();
  EXPECT_EQ(grid_.CellCount(0), 3);
  EXPECT_EQ(Focused(), grid_.Cell(0, 2));
  Frame();
  EXPECT_EQ(grid_.CellCount(1), 3);  // drawing adds nothing
}

TEST_F(CellGridTest, TappingACellFocusesItAndLosingTheFocusClearsTheCurrentColumn) {
  grid_.AddColumn();
  grid_.AddColumn();
  Frame();
  const TextBox* cell = grid_.Cell(1, 0);
  ASSERT_TRUE(grid_.StylusDown({cell->X() + 3, cell->Y() + 3}));
  grid_.StylusUp({cell->X() + 3, cell->Y() + 3});
  EXPECT_EQ(Focused(), cell);
  EXPECT_EQ(grid_.CurrentColumn(), 1);
  EXPECT_TRUE(grid_.FocusChanged());
  TextBox elsewhere(0, 200, 50);
  Focus(&elsewhere);
  Frame();
  EXPECT_EQ(grid_.CurrentColumn(), -1);
}

TEST_F(CellGridTest, TypingPastTheLastShownRowScrollsToTheNewCell) {
  grid_.AddColumn();
  const int rows = grid_.RowsShown();
  for (int r = 0; r < rows; ++r) Type(0, r, u"1");
  EXPECT_EQ(grid_.VerticalBar().Position(), 1);
  EXPECT_EQ(grid_.CellCount(0), rows);
  grid_.Wheel({10, 10}, 5);  // back to the top, clamped
  EXPECT_EQ(grid_.VerticalBar().Position(), 0);
}

TEST_F(CellGridTest, NoColumnsDrawsAndTakesNothing) {
  Frame();
  EXPECT_FALSE(grid_.StylusDown({10, 10}));
  grid_.InsertRow();
  grid_.DeleteRow();
  grid_.DeleteCell();
  grid_.DeleteColumn();
  EXPECT_EQ(grid_.ColumnCount(), 0);
}

}  // namespace
}  // namespace zentrix::ui
