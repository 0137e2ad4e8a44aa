// Pictures of the graphing screen: every tab of each grapher, a graph's
// editor and the plot with its toolbar, side by side in one image per grapher,
// in a Small Classic and a Large Bright skin built by the skin tool.

#include <gtest/gtest.h>

#include "graphing/screens/graphing_screen.h"
#include "graphing/screens/testing/graphing_screen_test.h"

namespace zentrix::graphing::screens {
namespace {

using testing::SkinCase;

class GraphingScreenPixelsTest : public testing::GraphingScreenTest,
                                 public ::testing::WithParamInterface<SkinCase> {
 protected:
  void SetUp() override {}
  std::string Name(const char* scene) const { return testing::SceneName(scene, GetParam()); }
  // The last frame of a page, without a caret.
  void Settle() {
    ui::Focus(nullptr);
    Frame();
    Frame();
  }
};

TEST_P(GraphingScreenPixelsTest, Grapher2D) {
  Open(240, 320, GetParam().size, GetParam().style, 8);
  Add(u"Function");
  TypeInto(u"", "sin(x)");
  Add(u"Parametric");
  TypeInto(u"", "3cos(u)");
  TypeInto(u"", "2sin(u)");
  Add(u"Scatter");
  Two().Graphs().Select(0);
  Settle();

  Column(1);
  ASSERT_TRUE(Click(u"graph 1"));
  Settle();

  Column(2);  // the editor closes in the next column, which then shows the window
  ASSERT_TRUE(Click(u"back"));
  ASSERT_TRUE(Click(u"Window", "tab"));
  ASSERT_TRUE(Click(u"Trig"));
  Settle();

  Column(3);
  ASSERT_TRUE(Click(u"Time", "tab"));
  Settle();

  Column(4);
  ASSERT_TRUE(Click(u"Table", "tab"));
  Settle();

  Column(5);
  ASSERT_TRUE(Click(u"Data", "tab"));
  ui::CellGrid& grid = Two().DataGrid();
  const char* columns[2][4] = {{"1", "2", "3", "4"}, {"1.5", "2.5", "2", "3"}};
  for (int c = 0; c < 2; ++c) {
    grid.FocusCell(c, 0);
    for (const char* value : columns[c]) {
      ui::InsertText(chars::U16(value));
      Key(ui::keys::kEnter);
      Frame();
    }
  }
  Settle();

  Column(6);
  ASSERT_TRUE(Click(u"Display", "tab"));
  Settle();

  Column(7);
  ASSERT_TRUE(Two().ShowPlot());
  Frame();
  ASSERT_TRUE(Click(u"tracing"));
  ASSERT_TRUE(Click(u"maxima"));
  const draw::Rect plot = Content();
  Tap(plot.left + plot.Width() / 3, plot.top + plot.Height() / 2);
  Settle();
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("grapher2d")));
}

TEST_P(GraphingScreenPixelsTest, Grapher3D) {
  Open(240, 320, GetParam().size, GetParam().style, 6);
  Show(Dimension::k3D);
  Add(u"Function");
  TypeInto(u"", "sin(x)+cos(y)");
  Add(u"Spherical");
  TypeInto(u"", "4");
  Three().Graphs().Select(0);
  Settle();

  Column(1);
  ASSERT_TRUE(Click(u"graph 2"));
  Settle();

  Column(2);
  ASSERT_TRUE(Click(u"back"));
  ASSERT_TRUE(Click(u"Window", "tab"));
  Settle();

  Column(3);
  ASSERT_TRUE(Click(u"Time", "tab"));
  Settle();

  Column(4);
  ASSERT_TRUE(Click(u"Display", "tab"));
  Settle();

  Column(5);
  ASSERT_TRUE(Three().ShowPlot());
  Frame();
  ASSERT_TRUE(Click(u"window zoom"));
  const draw::Rect plot = Content();
  host_->StylusDown(dimension_, {plot.left + 20, plot.top + plot.Height() / 2});
  host_->StylusMove(dimension_, {plot.left + 20, plot.top + plot.Height() / 2 - ui::Px(20)});
  Settle();
  EXPECT_TRUE(testing::MatchesReference(screen_.Surface(), Name("grapher3d")));
}

INSTANTIATE_TEST_SUITE_P(Skins, GraphingScreenPixelsTest, testing::BothSkins(),
                         testing::SkinCaseName);

}  // namespace
}  // namespace zentrix::graphing::screens
