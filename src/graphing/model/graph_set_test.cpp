#include "graphing/model/graph_set.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/graph_preparation.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/sampling_window.h"
#include "graphing/model/stat_plots.h"
#include "graphing/model/surfaces.h"

namespace zentrix::graphing {
namespace {

using chars::U16;

TEST(GraphSetTest, SeventeenthGraphIsRefusedAndTheSixteenStay) {
  GraphSet2D set;
  for (int i = 0; i < 16; ++i) ASSERT_TRUE(set.Create(Graph2DKind::kFunction).ok);
  set[3].expression_text = u"kept";
  const CreateResult r = set.Create(Graph2DKind::kPolar);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, u"Zentrix can graph up to 16 graphs.");
  EXPECT_EQ(set.size(), 16u);
  EXPECT_EQ(set[3].expression_text, u"kept");
  EXPECT_EQ(set[15].kind(), Graph2DKind::kFunction);

  GraphSet3D set3;
  for (int i = 0; i < 16; ++i) set3.Create(Graph3DKind::kSpherical);
  EXPECT_FALSE(set3.Create(Graph3DKind::kFunction).ok);
}

TEST(GraphSetTest, DefaultColoursFollowThePlaceInTheList) {
  GraphSet2D set;
  for (Graph2DKind k : {Graph2DKind::kFunction, Graph2DKind::kPolar, Graph2DKind::kScatter,
                        Graph2DKind::kBox, Graph2DKind::kParametric}) {
    set.Create(k);
  }
  EXPECT_EQ(set[0].colour, 0xFF00FFu);
  EXPECT_EQ(set[1].colour, 0x0000FFu);
  EXPECT_EQ(set[2].colour, 0x00FF00u);
  EXPECT_EQ(static_cast<StatPlot&>(set[2]).second_colour, 0x00FFFFu);
  EXPECT_EQ(set[3].colour, 0x007FFFu);
  EXPECT_EQ(static_cast<StatPlot&>(set[3]).second_colour, 0x0000FFu);
  EXPECT_EQ(set[4].colour, 0xFF00FFu);

  GraphSet3D set3;
  set3.Create(Graph3DKind::kFunction);
  set3.Create(Graph3DKind::kParametric);
  EXPECT_EQ(set3[0].scheme_colours[0], 0xFF0000u);
  EXPECT_EQ(set3[0].scheme_colours[1], 0x0000FFu);
  EXPECT_EQ(set3[0].colour_scheme, ColourScheme::kTwoColours);
  EXPECT_EQ(set3[1].colour_scheme, ColourScheme::kOneColour);
  EXPECT_EQ(set3[1].scheme_colours[1], 0xFFFFFFu);
}

TEST(GraphSetTest, KindsStartWithTheirDefaults) {
  FunctionGraph f;
  EXPECT_EQ(f.column_count(), -1);
  EXPECT_TRUE(f.connect_columns());
  EXPECT_EQ(f.style, GraphStyle::kLine);
  EXPECT_EQ(f.variable(), u'x');
  PolarGraph p;
  EXPECT_EQ(p.parameter.count, 48);
  EXPECT_DOUBLE_EQ(p.parameter_step(), 2 * M_PI / 48);
  EXPECT_EQ(p.variable(), 229);
  EXPECT_FALSE(p.connect_columns());
  ScatterPlot s;
  EXPECT_EQ(s.regression_curve.colour, 0xFF00FFu);
  EXPECT_EQ(s.regression_model, -1);
  SphericalSurface sphere;
  EXPECT_EQ(sphere.u_range.count, 20);
  EXPECT_DOUBLE_EQ(sphere.v_range.maximum, M_PI);
  EXPECT_EQ(sphere.line_colour, 0u);
  EXPECT_EQ(sphere.second_variable(), 242);
  FunctionSurface fs;
  EXPECT_EQ(fs.points_x(), 20);
}

class PreparationTest : public ::testing::Test {
 protected:
  ScopedEvalContext context_;
  engine::ScopedEngineState engine_;
  GraphSet2D set_;
  PreparationSettings settings_;
};

TEST_F(PreparationTest, AListOfFunctionsBecomesSeparateRuns) {
  set_.Create(Graph2DKind::kFunction);
  set_[0].expression_text = U16("{x,2x,x^2}");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  auto& f = static_cast<FunctionGraph&>(set_[0]);
  EXPECT_EQ(f.list_count(), 3);
  EXPECT_EQ(f.expression_text, U16("{x,2x,x^2}"));  // the typed text stays
  double x = 2.0, y;
  EXPECT_FALSE(f.EvaluateAt(x, y, 0.0));  // tracing a list is refused

  PlotViewport v;  // -10..10 over 100 × 100
  ASSERT_TRUE(f.AllocatePoints(v.width));
  EXPECT_EQ(f.point_capacity(), 3u * 101 + 1);
  f.ComputePoints(v, 0.0);
  EXPECT_EQ(f.list_offsets(), (std::vector<int>{0, 101, 202, 303}));
  EXPECT_EQ(f.points()[101 + 50].row, 50);  // 2x at x = 0
}

TEST_F(PreparationTest, FunctionsGoThroughTheSymbolicEngine) {
  engine::VariableStore store;
  store.Store(u"k", engine::ExprNode::MakeNumber(engine::Number(3.0)));
  settings_.variables = &store;
  set_.Create(Graph2DKind::kFunction);
  set_[0].expression_text = U16("D(k*x^2,x)");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  double y;
  ASSERT_TRUE(set_[0].Evaluate(2.0, 0.0, y));
  EXPECT_DOUBLE_EQ(y, 12.0);
  // "y=" answers its right side.
  set_[0].expression_text = U16("y=x+1");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  ASSERT_TRUE(set_[0].Evaluate(2.0, 0.0, y));
  EXPECT_DOUBLE_EQ(y, 3.0);
}

TEST_F(PreparationTest, FailuresNameTheKindAndNumberWithTheRedMessage) {
  set_.Create(Graph2DKind::kFunction);
  set_.Create(Graph2DKind::kParametric);
  set_[0].expression_text = U16("x");
  auto& p = static_cast<ParametricGraph&>(set_[1]);
  p.expression_text = U16("cos(u)");
  p.y_text = U16("sin u");
  PreparationResult r = PrepareGraphSet(set_, settings_);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.graph_index, 1);
  EXPECT_EQ(r.message,
            u"Parametric #2 could not be graphed.\n[red]sin is the name of a function.[/]");
  EXPECT_EQ(p.failing_index(), 1);

  p.y_text = U16("sin(u)");
  p.parameter.maximum_text = U16("2+");
  r = PrepareGraphSet(set_, settings_);
  EXPECT_EQ(r.message,
            u"The parametric window for graph #2 could not be solved.\n[red]Syntax Error[/]");

  // A disabled graph is skipped; Single Plot disables all but the selected one.
  set_[1].enabled = false;
  EXPECT_TRUE(PrepareGraphSet(set_, settings_).ok);
  set_[1].enabled = true;
  settings_.single_plot = true;
  set_.Select(0);
  EXPECT_TRUE(PrepareGraphSet(set_, settings_).ok);
  EXPECT_FALSE(set_[1].enabled);

  set_[0].expression_text = U16("");
  r = PrepareGraphSet(set_, settings_);
  EXPECT_EQ(r.message, u"Function #1 could not be graphed.\n[red]No equation to solve[/]");
}

TEST_F(PreparationTest, CurveWindowsClampTheirCountsAndWriteThemBack) {
  set_.Create(Graph2DKind::kPolar);
  auto& polar = static_cast<PolarGraph&>(set_[0]);
  polar.expression_text = U16("1");
  polar.parameter.count_text = U16("1");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  EXPECT_EQ(polar.parameter.count, 2);
  EXPECT_EQ(polar.parameter.count_text, u"2");
  polar.parameter.count_text = U16("10^300");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  EXPECT_EQ(polar.parameter.count_text, u"1000");
  polar.parameter.count_text = U16("36");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  EXPECT_EQ(polar.parameter.count_text, u"36");

  // Symbolic calls in a directly compiled text are evaluated once.
  polar.expression_text = U16("D(θ^2,θ)");
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  double r;
  ASSERT_TRUE(polar.Evaluate(1.5, 0.0, r));
  EXPECT_DOUBLE_EQ(r, 3.0);
}

TEST_F(PreparationTest, AngleModeComesFromTheSettingsUnlessAlwaysRadians) {
  set_.Create(Graph2DKind::kFunction);
  set_[0].expression_text = U16("sin(x)");
  settings_.angle_mode = AngleMode::kDegrees;
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  double y;
  ASSERT_TRUE(set_[0].Evaluate(90.0, 0.0, y));
  EXPECT_DOUBLE_EQ(y, 1.0);
  settings_.always_radians = true;
  ASSERT_TRUE(PrepareGraphSet(set_, settings_).ok);
  EXPECT_EQ(GraphEvaluation().angle_mode, AngleMode::kRadians);
}

TEST(SurfaceWindowTest, CountsAreClampedPerKind) {
  engine::ScopedEngineState engine;
  FunctionSurface f;
  f.u_range.count_text = U16("500");
  f.v_range.count_text = U16("0");
  EXPECT_EQ(ApplySurfaceWindow(f, 1, nullptr), u"");
  EXPECT_EQ(f.points_x(), 100);
  EXPECT_EQ(f.u_range.count_text, u"100");
  EXPECT_EQ(f.points_y(), 1);
  CylindricalSurface c;
  c.v_range.minimum_text = U16("(");
  EXPECT_EQ(ApplySurfaceWindow(c, 3, nullptr),
            u"The cylidrical window for graph #3 could not be solved.\n[red]Syntax Error[/]");
  ParametricSurface p;
  p.u_range.count_text = U16("q");
  EXPECT_EQ(ApplySurfaceWindow(p, 2, nullptr).substr(0, 38),
            u"The parametric window u for graph #2 c");
}

}  // namespace
}  // namespace zentrix::graphing
