// The graphing screen driven as a person drives it: taps on its widgets, typed
// texts and keys, with the questions and notices collected.

#include "graphing/screens/graphing_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphing/model/parametric_graph.h"
#include "graphing/model/stat_plots.h"
#include "graphing/model/surfaces.h"
#include "graphing/screens/testing/graphing_screen_test.h"

namespace zentrix::graphing::screens {
namespace {

using chars::U16;

class GraphingScreenTest : public testing::GraphingScreenTest {
 protected:
  std::vector<std::u16string> Texts(std::string_view kind) {
    std::vector<std::u16string> texts;
    for (const ui::WidgetInfo& w : Widgets()) {
      if (w.kind == kind) texts.push_back(w.text);
    }
    return texts;
  }
  bool Shows(std::u16string_view text) {
    const ui::WidgetList widgets = Widgets();
    return std::any_of(widgets.begin(), widgets.end(),
                       [&](const ui::WidgetInfo& w) { return w.text == text; });
  }
};

TEST_F(GraphingScreenTest, KindMenusOfferTheKindsOfEachGrapher) {
  EXPECT_TRUE(Shows(u"No [yellow]2D graphs[/] have been created."));
  EXPECT_TRUE(Shows(u"To create a graph click the      button."));
  ASSERT_TRUE(Click(u"add"));
  EXPECT_EQ(Texts("menu item"),
            (std::vector<std::u16string>{u"Function", u"Parametric", u"Polar", u"Scatter",
                                         u"Histogram", u"Box", u"Normal Probability"}));
  Tap(1, Content().bottom - 1);  // a tap beside the menu closes it
  EXPECT_TRUE(Texts("menu item").empty());

  Show(Dimension::k3D);
  EXPECT_TRUE(Shows(u"No [yellow]3D graphs[/] have been created."));
  ASSERT_TRUE(Click(u"add"));
  EXPECT_EQ(Texts("menu item"), (std::vector<std::u16string>{u"Function", u"Parametric",
                                                             u"Spherical", u"Cylindrical"}));
}

TEST_F(GraphingScreenTest, TheSeventeenthGraphIsRefusedAndRemovingAsksFirst) {
  for (int i = 0; i < 16; ++i) Add(i % 2 ? u"Polar" : u"Function");
  EXPECT_EQ(Two().Graphs().size(), 16u);
  EXPECT_EQ(Two().Graphs()[1].colour, 0x0000FFu);  // the colours of their places
  Add(u"Scatter");
  EXPECT_EQ(Two().Graphs().size(), 16u);
  EXPECT_EQ(LastMessage(), u"Zentrix can graph up to 16 graphs.");

  // The list scrolls: the last rows are reached through the wheel.
  EXPECT_FALSE(Shows(u"graph 16"));
  host_->Wheel(dimension_, {100, 100}, -20);
  Frame();
  EXPECT_TRUE(Shows(u"graph 16"));

  Two().Graphs().Select(0);
  ASSERT_TRUE(Click(u"remove"));
  EXPECT_EQ(LastMessage(), u"Are you sure you to remove this graph?");
  Answer(false);
  EXPECT_EQ(Two().Graphs().size(), 16u);
  ASSERT_TRUE(Click(u"remove"));
  Answer(true);
  EXPECT_EQ(Two().Graphs().size(), 15u);
  EXPECT_EQ(Two().Graphs()[0].kind(), Graph2DKind::kPolar);
}

TEST_F(GraphingScreenTest, RowFieldsAndEditorsWriteTheGraphs) {
  Add(u"Parametric");
  TypeInto(u"", "2cos(u)");  // x, then the y box, which is now the first empty one
  TypeInto(u"", "sin(u)");
  auto& graph = static_cast<ParametricGraph&>(Two().Graphs()[0]);
  EXPECT_EQ(graph.expression_text, u"2cos(u)");
  EXPECT_EQ(graph.y_text, u"sin(u)");

  ASSERT_TRUE(Click(u"graph 1"));
  EXPECT_TRUE(Shows(u"Parametric #1"));
  EXPECT_EQ(Texts("text box"),
            (std::vector<std::u16string>{u"2cos(u)", u"sin(u)", u"0", u"2\u00ED", u"48"}));
  const std::vector<std::u16string> choices = Texts("drop-down box");
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0], u"Line");
  ASSERT_TRUE(Click(u"Line", "drop-down box"));
  ASSERT_TRUE(Click(u"Origin Shade", "menu item"));
  EXPECT_EQ(graph.style, GraphStyle::kOriginShade);
  ASSERT_TRUE(Click(u"Plot", "check box"));
  EXPECT_FALSE(graph.enabled);
  ASSERT_TRUE(Click(u"back"));
  EXPECT_TRUE(Shows(u"graph 1"));
}

TEST_F(GraphingScreenTest, StatisticalEditorsOfferTheDataColumnsAndTheModels) {
  Add(u"Scatter");
  ASSERT_TRUE(Click(u"graph 1"));
  ASSERT_TRUE(Click(u"None", "drop-down box"));
  const std::vector<std::u16string> models = Texts("menu item");
  ASSERT_EQ(models.size(), 12u);
  EXPECT_EQ(models[0], u"None");
  EXPECT_EQ(models[1], u"Cubic");
  EXPECT_EQ(models[2], std::u16string(1, char16_t{220}));
  EXPECT_EQ(models[11], u"Sinusoidal");
  ASSERT_TRUE(Click(u"Quadratic", "menu item"));
  auto& scatter = static_cast<ScatterPlot&>(Two().Graphs()[0]);
  EXPECT_EQ(scatter.regression_model, 7);
  EXPECT_TRUE(scatter.show_regression);
  ASSERT_TRUE(Click(u"back"));

  // A histogram's second selector appears with the frequency list.
  Add(u"Histogram");
  ASSERT_TRUE(Click(u"graph 2"));
  EXPECT_TRUE(Shows(u"Values"));
  EXPECT_FALSE(Shows(u"Frequency"));
  ASSERT_TRUE(Click(u"Use Frequency List"));
  Frame();
  EXPECT_TRUE(Shows(u"Data"));
  EXPECT_TRUE(Shows(u"Frequency"));
  EXPECT_EQ(static_cast<StatPlot&>(Two().Graphs()[1]).frequency_text, u"2");
}

TEST_F(GraphingScreenTest, ASurfaceEditorHoldsItsPointCountsAndRenderChoice) {
  Show(Dimension::k3D);
  Add(u"Function");
  ASSERT_TRUE(Click(u"graph 1"));
  const std::vector<std::u16string> boxes = Texts("text box");
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), u"20"), 2);
  ASSERT_TRUE(Click(u"Solid", "drop-down box"));
  ASSERT_TRUE(Click(u"Wireframe", "menu item"));
  const Graph3D& surface = Three().Graphs()[0];
  EXPECT_FALSE(surface.show_faces);
  EXPECT_TRUE(surface.show_lines);
}

TEST_F(GraphingScreenTest, AGraphThatDoesNotCompileKeepsTheTabs) {
  Add(u"Function");
  TypeInto(u"", "sin(");
  EXPECT_FALSE(Two().ShowPlot());
  EXPECT_FALSE(Two().PlotShown());
  EXPECT_EQ(LastMessage().rfind(u"Function #1 could not be graphed.\n[red]", 0), 0u);
  EXPECT_TRUE(Click(u"Window", "tab"));
  EXPECT_TRUE(Click(u"Trig"));
}

TEST_F(GraphingScreenTest, TimeControlsPlayPauseRewindAndStep) {
  Add(u"Function");
  TypeInto(u"", "sin(x+T)");
  ASSERT_TRUE(Two().ShowPlot());
  Frame();
  TimeState& time = Two().View().time;
  EXPECT_TRUE(time.playing);
  Frame();
  EXPECT_DOUBLE_EQ(time.t, 1.0);  // one step of 0.5 per frame
  ASSERT_TRUE(Click(u"play"));    // a playing view draws one more frame and stops
  EXPECT_FALSE(time.playing);
  EXPECT_DOUBLE_EQ(time.t, 1.5);
  ASSERT_TRUE(Click(u"faster"));
  EXPECT_DOUBLE_EQ(time.step, 0.55);
  ASSERT_TRUE(Click(u"rewind"));  // one frame drawn at Tmin
  EXPECT_DOUBLE_EQ(time.t, 0.0);
  EXPECT_FALSE(time.playing);
  ASSERT_TRUE(Click(u"play"));
  EXPECT_TRUE(time.playing);
  ASSERT_TRUE(Click(u"slower"));
  EXPECT_DOUBLE_EQ(time.step, 0.5);
}

TEST_F(GraphingScreenTest, TracingFollowsThePadAcrossGraphs) {
  Add(u"Function");
  TypeInto(u"", "x");
  Add(u"Function");
  TypeInto(u"", "2");
  ASSERT_TRUE(Two().ShowPlot());
  Frame();
  ASSERT_TRUE(Click(u"tracing"));
  const draw::Rect plot = Content();
  Tap(plot.left + plot.Width() / 2 + 10, plot.top + plot.Height() / 2);
  ASSERT_TRUE(Two().View().trace().visible);
  EXPECT_EQ(Two().View().trace().graph, 0);
  Key(ui::keys::kRight);
  EXPECT_EQ(Two().View().trace().graph, 1);
  EXPECT_DOUBLE_EQ(Two().View().trace().y, 2.0);
  Key(ui::keys::kRight);  // wraps round
  EXPECT_EQ(Two().View().trace().graph, 0);
}

TEST_F(GraphingScreenTest, TheActionAndTheToolbarToggleThePlot) {
  Add(u"Function");
  TypeInto(u"", "x^2");
  EXPECT_TRUE(host_->OnMenuCommand(dimension_, ui::MenuCommand::kAction));
  EXPECT_TRUE(Two().PlotShown());
  Two().ToggleToolbar();
  Frame();
  EXPECT_FALSE(Shows(u"close"));
  Two().ToggleToolbar();
  ASSERT_TRUE(Click(u"close"));
  EXPECT_FALSE(Two().PlotShown());
  Two().TogglePlot();
  EXPECT_TRUE(Two().PlotShown());
  Two().TogglePlot();
  EXPECT_FALSE(Two().PlotShown());
}

TEST_F(GraphingScreenTest, The3DToolbarSetsTheViewAndTheFaces) {
  Show(Dimension::k3D);
  Add(u"Function");
  TypeInto(u"", "x*y/10");
  Add(u"Spherical");
  TypeInto(u"", "5");
  ASSERT_TRUE(Three().ShowPlot());
  Frame();
  render3d::View3D& view = Three().View();
  const draw::Rect plot = Content();
  ASSERT_TRUE(Click(u"depth move"));
  Drag(100, 150, 120, 130);
  EXPECT_FLOAT_EQ(view.translation[0], 1.0f);
  EXPECT_FLOAT_EQ(view.translation[2], -24.0f);
  ASSERT_TRUE(Click(u"reset"));
  EXPECT_FLOAT_EQ(view.translation[2], -25.0f);
  ASSERT_TRUE(Click(u"render mode"));
  EXPECT_FALSE(Three().Graphs()[0].show_faces);
  EXPECT_FALSE(Three().Graphs()[1].show_faces);
  ASSERT_TRUE(Click(u"graph axis"));
  EXPECT_EQ(view.axes.mode, 0);
  ASSERT_TRUE(Click(u"window zoom"));
  Drag(100, plot.top + 40, 100, plot.top + 40 + plot.Height() - Toolbar::Height());
  EXPECT_NEAR(Three().Window().xmax(), 20.0, 1e-9);  // a full-height drag doubles the range
  EXPECT_EQ(Three().Graphs()[1].mesh.vertex_count(), 21u * 21u);
}

TEST_F(GraphingScreenTest, TimeSettingsAreSharedByBothGraphers) {
  ASSERT_TRUE(Click(u"Time", "tab"));
  ASSERT_TRUE(Click(u"Loop"));
  ASSERT_TRUE(Click(u"Graphs", "tab"));  // leaving the tab applies it
  EXPECT_FALSE(Two().View().time.loop);
  EXPECT_FALSE(Three().View().time.loop);
  Show(Dimension::k3D);
  ASSERT_TRUE(Click(u"Time", "tab"));
  const ui::WidgetList widgets = Widgets();
  const auto loop = std::find_if(widgets.begin(), widgets.end(),
                                 [](const ui::WidgetInfo& w) { return w.text == u"Loop"; });
  ASSERT_NE(loop, widgets.end());
  EXPECT_EQ(loop->checked, false);
}

TEST_F(GraphingScreenTest, TheDimensionsSwitchAsksForTheOtherScreen) {
  ASSERT_TRUE(Click(u"3D", "radio button"));
  ASSERT_EQ(switched_.size(), 1u);
  EXPECT_EQ(switched_[0], Dimension::k3D);
  EXPECT_EQ(host_->Menu(Dimension::k3D).file[2].text, u"Save 3D");
  EXPECT_EQ(host_->Menu(Dimension::k2D).file[3].text, u"Save 2D As...");
  EXPECT_EQ(host_->Menu(Dimension::k2D).action, u"Plot");
}

TEST_F(GraphingScreenTest, DataTableRowsComeFromTheEditMenu) {
  ASSERT_TRUE(Click(u"Table", "tab"));
  ASSERT_TRUE(Click(u"Data", "tab"));
  ui::CellGrid& grid = Two().DataGrid();
  grid.FocusCell(0, 0);
  for (const char* value : {"1", "2", "3"}) {
    ui::InsertText(U16(value));
    Key(ui::keys::kEnter);
    Frame();
  }
  EXPECT_EQ(grid.CellCount(0), 3);
  grid.FocusCell(0, 1);
  EXPECT_TRUE(host_->OnMenuCommand(dimension_, ui::MenuCommand::kDeleteRow));
  EXPECT_EQ(grid.CellText(0, 1), u"3");
  grid.FocusCell(0, 0);
  EXPECT_TRUE(host_->OnMenuCommand(dimension_, ui::MenuCommand::kInsertCell));
  EXPECT_EQ(grid.CellText(0, 0), u"");
  EXPECT_EQ(grid.CellText(0, 1), u"1");
}

TEST_F(GraphingScreenTest, DisplayButtonsSetTheirLooksAndSinglePlotTheSelectedGraph) {
  ASSERT_TRUE(Click(u"Display", "tab"));
  ASSERT_TRUE(Click(u"Bright"));
  EXPECT_EQ(Two().View().display.background_colour, 0xFFFFFFu);
  EXPECT_EQ(Two().View().display.axis_colour, 0x000000u);
  ASSERT_TRUE(Click(u"Default"));
  EXPECT_EQ(Two().View().display.background_colour, 0x000000u);
  EXPECT_EQ(Two().View().display.grid_colour, 0x404040u);
  TypeInto(u"5", "0");  // "Numbers every 50 side-ticks"
  EXPECT_EQ(Two().View().display.number_interval, 50);
  ASSERT_TRUE(Click(u"Single Plot"));

  ASSERT_TRUE(Click(u"Graphs", "tab"));
  Add(u"Function");
  TypeInto(u"", "x");
  Add(u"Function");
  TypeInto(u"", "-x");
  ASSERT_TRUE(Two().ShowPlot());
  EXPECT_FALSE(Two().Graphs()[0].enabled);
  EXPECT_TRUE(Two().Graphs()[1].enabled);

  Show(Dimension::k3D);
  ASSERT_TRUE(Click(u"Display", "tab"));
  ASSERT_TRUE(Click(u"Bright"));
  EXPECT_EQ(Three().PlotBackground(), 0xFFFFFFu);
  EXPECT_EQ(Three().View().shade, render3d::ShadeModel::kSmooth);
}

TEST_F(GraphingScreenTest, NewEmptiesTheSetAfterItsQuestion) {
  Add(u"Function");
  EXPECT_TRUE(host_->OnMenuCommand(dimension_, ui::MenuCommand::kNew));
  EXPECT_EQ(LastMessage(),
            u"Are you sure you to create a new file?\n\n[yellow]This will erase all your 2D "
            u"graphs.[/]");
  Answer(true);
  EXPECT_TRUE(Two().Graphs().empty());
  EXPECT_TRUE(Shows(u"No [yellow]2D graphs[/] have been created."));
}

}  // namespace
}  // namespace zentrix::graphing::screens
