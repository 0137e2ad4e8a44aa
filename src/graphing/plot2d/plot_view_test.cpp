#include "graphing/plot2d/plot_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/plot2d/curves/jump_detection.h"
#include "graphing/plot2d/features/feature_finder.h"
#include "graphing/stats/number_text.h"

namespace zentrix::graphing {
namespace {

constexpr double kPi = std::numbers::pi;

class PlotViewTest : public ::testing::Test {
 protected:
  void SetUp() override { window_.SetPlotArea(0, 0, 240, 300); }

  Graph2D& Add(Graph2DKind kind, std::u16string_view text = {}) {
    EXPECT_TRUE(graphs_.Create(kind).ok);
    Graph2D& graph = graphs_[graphs_.size() - 1];
    if (!text.empty()) {
      EXPECT_TRUE(graph.SetExpression(text)) << std::string(text.begin(), text.end());
    }
    return graph;
  }
  void Show(double xmin, double xmax, double ymin, double ymax) {
    window_.SetValues(xmin, xmax, ymin, ymax);
    view_.Recompute();
  }
  void Trig() {
    window_.Trig();
    view_.Recompute();
  }
  double ColumnX(int column) const { return view_.viewport().ColumnToX(column); }
  // Finds the features as a repaint does, without drawing.
  void FindFeatures() { features_.Find(graphs_, view_.display, view_.viewport().origin_row); }
  std::vector<double> FeatureXs(FeatureKind kind) {
    std::vector<double> xs;
    for (const FoundFeature& f : features_.items()) {
      if (f.kind == kind) xs.push_back(ColumnX(f.point.column));
    }
    return xs;
  }

  ScopedEvalContext context_;
  GraphSet2D graphs_;
  Window2D window_;
  PlotView2D view_{graphs_, window_};
  FeatureLists features_;
};

TEST_F(PlotViewTest, SineOnTheTrigWindowHasItsTurnsWhereExpected) {
  Add(Graph2DKind::kFunction, u"sin(x)");
  view_.display.maxima = view_.display.minima = true;
  Trig();
  EXPECT_EQ(graphs_[0].point_count(), 241u);
  FindFeatures();
  const std::vector<double> maxima = FeatureXs(FeatureKind::kMaximum);
  const std::vector<double> minima = FeatureXs(FeatureKind::kMinimum);
  ASSERT_EQ(maxima.size(), 2u);
  ASSERT_EQ(minima.size(), 2u);
  const double column = ColumnX(1) - ColumnX(0);
  EXPECT_NEAR(maxima[0], -3 * kPi / 2, 2 * column);
  EXPECT_NEAR(maxima[1], kPi / 2, 2 * column);
  EXPECT_NEAR(minima[0], -kPi / 2, 2 * column);
  EXPECT_NEAR(minima[1], 3 * kPi / 2, 2 * column);
}

TEST_F(PlotViewTest, TappingTheMaximumRefinesItAndTheBarShowsFourDecimals) {
  Add(Graph2DKind::kFunction, u"sin(x)");
  view_.display.maxima = true;
  Trig();
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 300), draw::kOk);
  view_.Draw(display.BackBuffer(), nullptr);
  ASSERT_EQ(view_.features().Count(FeatureKind::kMaximum), 2);
  const PlotPoint near_half_pi = view_.features().items()[1].point;
  view_.PenDown(near_half_pi.column + 3, near_half_pi.row - 4);  // within the hit box
  const FeatureSelection& s = view_.selection();
  ASSERT_TRUE(s.visible);
  EXPECT_EQ(s.kind, FeatureKind::kMaximum);
  EXPECT_EQ(FormatTrimmed(s.x, 4), u"1.5708");
  EXPECT_EQ(FormatTrimmed(s.y, 4), u"1");
  EXPECT_TRUE(view_.draw_once);

  // A tap away from every circle selects nothing new; a recompute clears the selection.
  view_.PenUp(0, 0);
  view_.Recompute();
  EXPECT_FALSE(view_.selection().visible);
}

TEST_F(PlotViewTest, ParabolaHasOneMinimumAndItsZeroIsARunOnTheOriginRow) {
  Add(Graph2DKind::kFunction, u"x^2");
  view_.display.minima = view_.display.maxima = view_.display.zeros = true;
  Show(-7.5, 7.5, -10, 10);
  FindFeatures();
  EXPECT_EQ(features_.Count(FeatureKind::kMinimum), 1);
  EXPECT_EQ(features_.Count(FeatureKind::kMaximum), 0);
  ASSERT_EQ(features_.Count(FeatureKind::kZero), 1);
  const FoundFeature& zero = features_.items().back();
  EXPECT_EQ(zero.point.row, view_.viewport().origin_row);
  EXPECT_EQ(zero.point.column, view_.viewport().origin_column);
  EXPECT_EQ(features_.items().front().point.column, view_.viewport().origin_column);

  // The refined zero of the tapped run, and a walk that never ends gives up.
  const std::optional<RefinedPoint> at_zero =
      RefineFeature(FeatureKind::kZero, graphs_[0], nullptr, 0.03, 0);
  ASSERT_TRUE(at_zero);
  EXPECT_LT(std::fabs(at_zero->y), 1e-5);
  Graph2D& line = Add(Graph2DKind::kFunction, u"x");
  EXPECT_FALSE(RefineFeature(FeatureKind::kMinimum, line, nullptr, 0, 0));
  Graph2D& above = Add(Graph2DKind::kFunction, u"x^2+1");
  EXPECT_FALSE(RefineFeature(FeatureKind::kZero, above, nullptr, 0, 0));
}

TEST_F(PlotViewTest, TangentDropsFarRowsAndJumpsAtItsPoles) {
  Graph2D& tan = Add(Graph2DKind::kFunction, u"tan(x)");
  // Columns fall on −π/2 and (nearly) π/2, where the rows lie far beyond ±20000.
  Show(-kPi / 2, 3 * kPi / 2, -4, 4);
  ASSERT_LT(tan.point_count(), 241u);
  for (std::size_t i = 0; i < tan.point_count(); ++i) {
    EXPECT_GE(tan.points()[i].row, -19999);
    EXPECT_LT(tan.points()[i].row, 20000);
  }
  // Joined, the pole shows as one vertical run from above the plot to below it.
  int through = 0;
  for (std::size_t i = 0; i + 1 < tan.point_count(); ++i) {
    if (tan.points()[i].row < 0 && tan.points()[i + 1].row >= 300) ++through;
  }
  EXPECT_EQ(through, 1);
}

TEST_F(PlotViewTest, HideJumpsBreaksOnlyAtDiscontinuities) {
  const char16_t* texts[] = {u"tan(x)",  u"sin(x)", u"unitStep(x-0.3)",
                             u"1/(x-1)", u"8x",     u"abs(x)"};
  for (const char16_t* text : texts) Add(Graph2DKind::kFunction, text);
  Trig();
  const int expected[] = {4, 0, 1, 1, 0, 0};  // tan: poles at ±π/2 and ±3π/2
  std::vector<std::uint8_t> breaks;
  for (int g = 0; g < 6; ++g) {
    FindJumps(static_cast<FunctionGraph&>(graphs_[g]), view_.viewport(), 0, breaks);
    int count = 0;
    for (std::uint8_t b : breaks) count += b;
    EXPECT_EQ(count, expected[g]) << g;
  }

  // Drawn, the broken step leaves the rows between the two samples of the pole empty.
  view_.display.hide_jumps = true;
  for (int g = 1; g < 6; ++g) graphs_[g].enabled = false;
  view_.Recompute();
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 300), draw::kOk);
  view_.Draw(display.BackBuffer(), nullptr);
  const int pole =
      view_.viewport().origin_column + static_cast<int>(kPi / 2 * view_.viewport().x_scale);
  int lit = 0;
  for (int row = 0; row < 300; ++row) {
    for (int column = pole - 1; column <= pole + 1; ++column) {
      draw::Color c = 0;
      display.BackBuffer().GetPixel(column, row, &c);
      if (c == 0xF800F8) ++lit;  // the graph's magenta in 16 bits
    }
  }
  EXPECT_LT(lit, 30);

  // A pole crosses the axis but is no zero once it is known as a jump.
  view_.display.zeros = true;
  view_.FindFeatures();
  EXPECT_EQ(view_.features().Count(FeatureKind::kZero), 3);  // −π, 0, π
  view_.display.hide_jumps = false;
  view_.Recompute();
  view_.FindFeatures();
  EXPECT_EQ(view_.features().Count(FeatureKind::kZero), 7);
}

TEST_F(PlotViewTest, IdenticalGraphsIntersectAtEveryOtherColumn) {
  Add(Graph2DKind::kFunction, u"x/3");
  Add(Graph2DKind::kFunction, u"x/3");
  Add(Graph2DKind::kFunction, u"-x");
  view_.display.intersections = true;
  Show(-12, 12, -10, 10);
  FindFeatures();
  std::vector<int> same;
  for (const FoundFeature& f : features_.items()) {
    if (f.graph == 0 && f.other == 1) same.push_back(f.point.column);
  }
  ASSERT_EQ(same.size(), 120u);
  for (std::size_t i = 0; i < same.size(); ++i) EXPECT_EQ(same[i], static_cast<int>(2 * i + 1));
  // x/3 and −x cross once, at the origin.
  int crossing = 0;
  for (const FoundFeature& f : features_.items()) {
    if (f.graph == 0 && f.other == 2) {
      ++crossing;
      EXPECT_NEAR(ColumnX(f.point.column), 0, 0.2);
    }
  }
  EXPECT_EQ(crossing, 1);
}

TEST_F(PlotViewTest, IntersectionsStayAlignedWhenOneGraphMissesColumns) {
  std::vector<PlotPoint> a, b, out;
  for (int c = 0; c < 20; ++c) {
    a.push_back({c, 10});
    if (c % 3 != 0) b.push_back({c, 25 - c});  // crosses row 10 at column 15
  }
  FindIntersections(a, b, out);
  // Column 15 is missing from b; the crossing shows at the next shared column.
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].column, 16);
}

TEST_F(PlotViewTest, PolarCircleInDegreesModeIsWhole) {
  ScopedAngleMode degrees(AngleMode::kDegrees);
  Graph2D& circle = Add(Graph2DKind::kPolar, u"1");
  Show(-2, 2, -2, 2);
  ASSERT_EQ(circle.point_count(), 49u);
  const PlotViewport& v = view_.viewport();
  int left = v.origin_column, right = v.origin_column, top = v.origin_row, bottom = v.origin_row;
  for (std::size_t i = 0; i < circle.point_count(); ++i) {
    const PlotPoint p = circle.points()[i];
    left = std::min(left, p.column);
    right = std::max(right, p.column);
    top = std::min(top, p.row);
    bottom = std::max(bottom, p.row);
  }
  // One unit is 60 pixels across and 75 down; every side of the circle is reached.
  EXPECT_NEAR(right - v.origin_column, 60, 1);
  EXPECT_NEAR(v.origin_column - left, 60, 1);
  EXPECT_NEAR(v.origin_row - top, 75, 1);
  EXPECT_NEAR(bottom - v.origin_row, 75, 1);
  EXPECT_NEAR(circle.points()[0].row, circle.points()[48].row, 1);
}

TEST_F(PlotViewTest, StylusDragsMoveAndZoomTheWindow) {
  Add(Graph2DKind::kFunction, u"x");
  Show(-6, 6, -5, 5);
  view_.mode = StylusMode::kZooming;
  view_.PenDown(100, 0);
  view_.PenMove(100, 300);  // the full plot height downward
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kXmin), -12);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kXmax), 12);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kYmin), -10);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kYmax), 10);
  EXPECT_EQ(graphs_[0].point_count(), 241u);

  view_.mode = StylusMode::kMoving;
  view_.PenDown(100, 100);
  view_.PenMove(124, 70);  // a tenth of the width right, a tenth of the height up
  EXPECT_NEAR(window_.value(Window2D::kXmin), -14.4, 1e-9);
  EXPECT_NEAR(window_.value(Window2D::kXmax), 9.6, 1e-9);
  EXPECT_NEAR(window_.value(Window2D::kYmin), -12, 1e-9);
  EXPECT_NEAR(window_.value(Window2D::kYmax), 8, 1e-9);

  view_.CenterView();
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kXmin), -12);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kXmax), 12);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kYmin), -10);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kYmax), 10);
}

TEST_F(PlotViewTest, TracingFollowsThePenAndThePadSwitchesGraphs) {
  Add(Graph2DKind::kFunction, u"x^2");
  Add(Graph2DKind::kFunction, u"x").enabled = false;
  static_cast<ParametricGraph&>(Add(Graph2DKind::kParametric)).SetExpressions(u"cos(u)", u"sin(u)");
  Show(-12, 12, -10, 10);
  view_.mode = StylusMode::kTracing;
  view_.PenDown(150, 40);
  const TraceState& trace = view_.trace();
  ASSERT_TRUE(trace.visible);
  EXPECT_EQ(trace.graph, 0);
  EXPECT_NEAR(trace.x, 3, 1e-12);
  EXPECT_NEAR(trace.y, 9, 1e-12);
  EXPECT_EQ(trace.pixel.column, 150);
  EXPECT_EQ(trace.pixel.row, 150 - 135);

  view_.TraceNextGraph(1);  // skips the disabled graph
  EXPECT_EQ(view_.trace().graph, 2);
  view_.TraceNextGraph(1);  // wraps around
  EXPECT_EQ(view_.trace().graph, 0);
  view_.TraceNextGraph(-1);
  EXPECT_EQ(view_.trace().graph, 2);
  EXPECT_TRUE(view_.trace().has_parameter);
}

TEST_F(PlotViewTest, GraphsOfTimePlayAndADrawOnceRequestStopsThem) {
  Graph2D& moving = Add(Graph2DKind::kFunction, u"x+T");
  Add(Graph2DKind::kFunction, u"x");
  view_.time.step = 0.5;
  Show(-10, 10, -10, 10);
  EXPECT_TRUE(view_.time.playing);
  EXPECT_EQ(moving.point_count(), 0u);  // sampled by the repaints
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 300), draw::kOk);
  view_.Draw(display.BackBuffer(), nullptr);
  EXPECT_EQ(view_.time.t, 0.5);
  const int row_at_half = moving.points()[120].row;
  view_.Draw(display.BackBuffer(), nullptr);
  EXPECT_EQ(view_.time.t, 1.0);
  EXPECT_EQ(moving.points()[120].row, row_at_half - 7);  // T = 0.5 drawn: 0.5 units of 15 px

  view_.draw_once = true;
  view_.Draw(display.BackBuffer(), nullptr);
  EXPECT_FALSE(view_.time.playing);
  EXPECT_EQ(view_.time.t, 1.0);
  view_.CenterView();  // keeps T, plays again
  EXPECT_EQ(view_.time.t, 1.0);
  EXPECT_TRUE(view_.time.playing);
}

TEST_F(PlotViewTest, BadGraphsAndExtremeWindowsDrawWithoutFailing) {
  Graph2D& nothing = Add(Graph2DKind::kFunction, u"sqrt(-1-x^2)");
  Add(Graph2DKind::kFunction, u"sin(x)");
  view_.display.zeros = view_.display.maxima = view_.display.intersections = true;
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 300), draw::kOk);
  for (const double half : {1e-300, 1e-30, 1e30, 1e300}) {
    Show(-half, half, -half, half);
    view_.Draw(display.BackBuffer(), nullptr);
    EXPECT_EQ(nothing.point_count(), 0u) << half;
  }
  // An empty window keeps the previous transform.
  const PlotViewport before = view_.viewport();
  Show(1, 1, -1, 1);
  EXPECT_EQ(view_.viewport().xmin, before.xmin);
  view_.Draw(display.BackBuffer(), nullptr);
}

}  // namespace
}  // namespace zentrix::graphing
