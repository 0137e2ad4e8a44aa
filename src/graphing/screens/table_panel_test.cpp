#include "graphing/screens/table_panel.h"

#include <gtest/gtest.h>

#include "graphing/screens/testing/panel_test_support.h"

namespace zentrix::graphing::screens {
namespace {

using chars::U16;

class TablePanelTest : public testing::PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    graphs_.Create(Graph2DKind::kFunction);
    ASSERT_TRUE(graphs_[0].SetExpression(U16("sqrt(x)")));
    panel_.Layout(draw::Rect{0, 40, 240, 300});
  }
  const std::u16string& Cell(int row, int column) {
    return panel_.Table()
        .rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
        .text;
  }
  // Types the setup and goes back to the table, as a person does.
  void Setup(std::string_view start, std::string_view step) {
    panel_.ShowPage(TablePanel::kSetupPage);
    Type(panel_.StartBox(), start);
    Type(panel_.StepBox(), step);
    panel_.ShowPage(TablePanel::kTablePage);
  }

  GraphSet2D graphs_;
  TableSettings settings_;
  TablePanel panel_{settings_, &graphs_};
};

TEST_F(TablePanelTest, RowsFillTheViewAndErrorsAreRed) {
  panel_.Refresh();
  const ValueTable& table = panel_.Table();
  EXPECT_TRUE(table.message.empty());
  EXPECT_EQ(table.columns, (std::vector<std::u16string>{u"x", u"y"}));
  // As many rows as the view's height holds, and no more.
  const int row_height = ValueTableView::RowHeight();
  ui::WidgetList widgets;
  panel_.DescribeWidgets(widgets);
  int cells = 0;
  int bottom = 0;
  for (const ui::WidgetInfo& w : widgets) {
    if (w.kind != "cell") continue;
    ++cells;
    bottom = std::max(bottom, w.rect.bottom);
  }
  EXPECT_GT(table.rows.size(), 5u);
  EXPECT_EQ(cells, 2 * (static_cast<int>(table.rows.size()) + 1));
  EXPECT_LE(bottom, 300);
  EXPECT_GT(bottom + 2 * row_height, 300 - 30);  // the view uses the height it has

  Setup("-2", "1");
  EXPECT_EQ(Cell(0, 0), u"-2");
  EXPECT_EQ(Cell(0, 1), u"Error");
  EXPECT_EQ(panel_.Table().rows[0][1].colour, colour::kRed);
  EXPECT_EQ(Cell(3, 1), u"1");
  EXPECT_EQ(panel_.Table().rows[3][1].colour, colour::kWhite);
}

TEST_F(TablePanelTest, TheTenthRowAddsTheStepTenTimes) {
  Setup("0", "0.1");
  EXPECT_TRUE(panel_.Message().empty());
  EXPECT_EQ(Cell(10, 0), u"1");
  EXPECT_EQ(Cell(10, 1), u"1");
  EXPECT_EQ(Cell(3, 0), u"0.3");
}

TEST_F(TablePanelTest, UpAndDownMoveTableStartByOneStep) {
  Setup("1", "0.5");
  Press(panel_, ui::keys::kDown);
  EXPECT_EQ(Cell(0, 0), u"1.5");
  EXPECT_EQ(panel_.StartBox().Text(), u"1.5");
  Press(panel_, ui::keys::kUp);
  Press(panel_, ui::keys::kUp);
  Press(panel_, ui::keys::kUp);
  EXPECT_EQ(Cell(0, 0), u"0");
  EXPECT_EQ(settings_.start(), 0.0);
  ui::WidgetList widgets;
  panel_.DescribeWidgets(widgets);
  const ui::WidgetInfo* down = ui::FindForClick(widgets, u"Dn", "button");
  ASSERT_NE(down, nullptr);
  const ui::Point centre{down->rect.left + down->rect.Width() / 2,
                         down->rect.top + down->rect.Height() / 2};
  panel_.StylusDown(centre);
  panel_.StylusUp(centre);
  EXPECT_EQ(Cell(0, 0), u"0.5");
  // The mouse wheel steps as the keys do: towards the person is down.
  EXPECT_TRUE(panel_.Wheel(centre, -2));
  EXPECT_EQ(Cell(0, 0), u"1.5");
  EXPECT_TRUE(panel_.Wheel(centre, 2));
  EXPECT_EQ(Cell(0, 0), u"0.5");
  // On the setup page the keys belong to the fields, not to the table.
  panel_.ShowPage(TablePanel::kSetupPage);
  Press(panel_, ui::keys::kDown);
  EXPECT_FALSE(panel_.Wheel(centre, -1));
  EXPECT_EQ(settings_.start(), 0.5);
}

TEST_F(TablePanelTest, ABadSetupKeepsTheSetupPageAndTheOldValues) {
  Setup("3", "2");
  Setup("4", "1/0");
  EXPECT_EQ(panel_.Message(), u"Error solving Table Step");
  EXPECT_EQ(panel_.CurrentPage(), TablePanel::kSetupPage);
  EXPECT_EQ(settings_.start(), 3.0);
  EXPECT_EQ(settings_.step(), 2.0);
  EXPECT_EQ(Cell(1, 0), u"5");
  Type(panel_.StepBox(), "2");
  panel_.ShowPage(TablePanel::kTablePage);
  EXPECT_EQ(panel_.CurrentPage(), TablePanel::kTablePage);
  EXPECT_EQ(ui::Focused(), nullptr);  // the hidden fields no longer take keys
  EXPECT_EQ(Cell(1, 0), u"6");
}

TEST_F(TablePanelTest, MessagesReplaceTheTable) {
  graphs_.Clear();
  panel_.Refresh();
  EXPECT_EQ(panel_.Table().message, kTableNoGraphs);
  ui::WidgetList widgets;
  panel_.DescribeWidgets(widgets);
  EXPECT_NE(ui::FindForClick(widgets, kTableNoGraphs, "label"), nullptr);
  EXPECT_EQ(ui::FindForClick(widgets, u"Up"), nullptr);
  ui::JsonWriter json;
  WriteTableJson(panel_.Table(), json);
  EXPECT_EQ(json.Result(), "null");

  TableSettings settings;
  TablePanel three_d(settings, nullptr);
  EXPECT_EQ(three_d.Table().message, kTableNot3D);
}

TEST_F(TablePanelTest, TheDumpListsColumnsAndRowTexts) {
  Setup("4", "5");
  ui::JsonWriter json;
  WriteTableJson(panel_.Table(), json);
  EXPECT_EQ(json.Result().rfind(R"({"columns": ["x", "y"], "rows": [["4", "2"], ["9", "3"], )", 0),
            0u)
      << json.Result();
}

}  // namespace
}  // namespace zentrix::graphing::screens
