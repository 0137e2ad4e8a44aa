// Sampling graphs into pixel points and 3D sample points.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/charset.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/stat_plots.h"
#include "graphing/model/surfaces.h"
#include "graphing/model/window2d.h"

namespace zentrix::graphing {
namespace {

using chars::U16;

class SamplingTest : public ::testing::Test {
 protected:
  SamplingTest() {
    window_.SetPlotArea(0, 0, 200, 100);
    window_.SetValues(-10, 10, -5, 5);
  }
  const PlotViewport& viewport() const { return window_.viewport(); }

  ScopedEvalContext context_;
  Window2D window_;
};

TEST_F(SamplingTest, FunctionGraphsTakeOneSamplePerColumnAndDropFarRows) {
  FunctionGraph f;
  ASSERT_TRUE(f.SetExpression(U16("x/2")));
  ASSERT_TRUE(f.AllocatePoints(viewport().width));
  f.ComputePoints(viewport(), 0.0);
  ASSERT_EQ(f.point_count(), 201u);
  EXPECT_EQ(f.points()[0], (PlotPoint{0, 100}));
  EXPECT_EQ(f.points()[100], (PlotPoint{100, 50}));
  EXPECT_EQ(f.points()[200], (PlotPoint{200, 0}));

  // 1/x fails at x = 0 and rows beyond ±20000 are dropped.
  ASSERT_TRUE(f.SetExpression(U16("1/(x-0.1)")));
  f.ComputePoints(viewport(), 0.0);
  EXPECT_EQ(f.point_count(), 200u);
  ASSERT_TRUE(f.SetExpression(U16("10^6/x")));
  f.ComputePoints(viewport(), 0.0);
  for (std::size_t i = 0; i < f.point_count(); ++i) {
    EXPECT_GE(f.points()[i].row, -19999);
    EXPECT_LT(f.points()[i].row, 20000);
  }
  EXPECT_LT(f.point_count(), 200u);
}

TEST_F(SamplingTest, PointsAreReallocatedOnlyWhenTheSizeChanges) {
  FunctionGraph f;
  ASSERT_TRUE(f.SetExpression(U16("x")));
  f.AllocatePoints(200);
  const PlotPoint* before = f.points();
  f.AllocatePoints(200);
  EXPECT_EQ(f.points(), before);
  // A wider plot after the first pass gets room for every column.
  window_.SetPlotArea(0, 0, 400, 100);
  f.AllocatePoints(400);
  f.ComputePoints(viewport(), 0.0);
  EXPECT_EQ(f.point_count(), 401u);
}

TEST_F(SamplingTest, AVariableNoSlotHoldsDrawsNothingWhateverCameBefore) {
  // The 3D grapher leaves y in slot 1; a 2D graph must not read it.
  GraphEvaluation().Set(1, variable::kY, 4.0);
  FunctionGraph f;
  ASSERT_TRUE(f.SetExpression(U16("x+y")));
  f.AllocatePoints(viewport().width);
  f.ComputePoints(viewport(), 0.0);
  EXPECT_EQ(f.point_count(), 0u);
  EXPECT_EQ(f.ErrorCode(), 4);
}

TEST_F(SamplingTest, TimeGoesToSlotOneWhenTheGraphUsesIt) {
  FunctionGraph f;
  ASSERT_TRUE(f.SetExpression(U16("x+T")));
  EXPECT_TRUE(f.uses_time);
  double y;
  ASSERT_TRUE(f.Evaluate(1.0, 2.5, y));
  EXPECT_EQ(y, 3.5);
}

TEST_F(SamplingTest, PolarCurvesUseRadiansForTheirPointsInAnyMode) {
  GraphEvaluation().angle_mode = AngleMode::kDegrees;
  PolarGraph p;
  ASSERT_TRUE(p.SetExpression(U16("4")));
  ASSERT_TRUE(p.AllocatePoints(0));
  p.ComputePoints(viewport(), 0.0);
  ASSERT_GE(p.point_count(), 48u);
  // A full circle of radius 4: first and last points meet at (4, 0).
  EXPECT_EQ(p.points()[0], (PlotPoint{140, 50}));
  const PlotPoint quarter = p.points()[12];
  EXPECT_EQ(quarter.column, 100);
  EXPECT_EQ(quarter.row, 10);
  double theta = M_PI / 2, y;
  ASSERT_TRUE(p.EvaluateAt(theta, y, 0.0));
  EXPECT_NEAR(theta, 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(y, 4.0);
  theta = 7.0;  // outside [0, 2π]
  EXPECT_FALSE(p.EvaluateAt(theta, y, 0.0));
}

TEST_F(SamplingTest, ParametricCurvesNeedBothCoordinatesAndNeverSpin) {
  ParametricGraph p;
  ASSERT_TRUE(p.SetExpressions(U16("u"), U16("sqrt(u-π)")));
  ASSERT_TRUE(p.AllocatePoints(0));
  p.ComputePoints(viewport(), 0.0);
  EXPECT_GT(p.point_count(), 20u);
  EXPECT_LT(p.point_count(), 30u);
  // Minimum equal to maximum: a zero step visits the capacity at most.
  p.parameter.maximum = 0.0;
  p.ComputePoints(viewport(), 0.0);
  EXPECT_LE(p.point_count(), p.point_capacity());
  p.parameter.minimum = 1.0;  // minimum above maximum: nothing
  p.ComputePoints(viewport(), 0.0);
  EXPECT_EQ(p.point_count(), 0u);
  // Far samples stay inside the pixel range.
  ASSERT_TRUE(p.SetExpressions(U16("10^300"), U16("-10^300")));
  p.parameter.minimum = 0.0;
  p.parameter.maximum = 1.0;
  p.ComputePoints(viewport(), 0.0);
  ASSERT_GT(p.point_count(), 0u);
  EXPECT_EQ(p.points()[0].column, 1 << 30);
}

TEST_F(SamplingTest, ScatterPointsAndBounds) {
  ScatterPlot s;
  s.SetData({1, 2, 3});
  s.SetFrequencies({2, 4});
  EXPECT_FALSE(s.AllocatePoints(0));
  DataBounds b;
  EXPECT_FALSE(s.GetDataBounds(b));
  s.SetFrequencies({2, 4, 6});
  EXPECT_TRUE(s.data_changed);
  ASSERT_TRUE(s.AllocatePoints(0));
  s.ComputePoints(viewport(), 0.0);
  EXPECT_EQ(s.point_count(), 3u);
  ASSERT_TRUE(s.GetDataBounds(b));
  EXPECT_DOUBLE_EQ(b.xmin, 0.8);
  EXPECT_DOUBLE_EQ(b.ymax, 6.4);
  s.SetData({5});
  s.SetFrequencies({5});
  ASSERT_TRUE(s.GetDataBounds(b));
  EXPECT_EQ(b.xmin, 4.0);
  EXPECT_EQ(b.ymax, 6.0);
}

TEST(SurfaceSamplingTest, EachKindMapsItsSampleToSpace) {
  ScopedEvalContext context;
  FunctionSurface f;
  ASSERT_TRUE(f.SetExpression(U16("sin(x)+cos(y)")));
  Point3 p;
  ASSERT_TRUE(f.EvaluatePoint(0.0, 0.0, 0.0, p));
  EXPECT_DOUBLE_EQ(p.z, 1.0);

  SphericalSurface sphere;
  ASSERT_TRUE(sphere.SetExpression(U16("2")));
  ASSERT_TRUE(sphere.EvaluatePoint(0.0, M_PI / 2, 0.0, p));
  EXPECT_NEAR(p.x, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(p.y, 2.0);
  EXPECT_DOUBLE_EQ(p.z, 0.0);

  CylindricalSurface cylinder;
  ASSERT_TRUE(cylinder.SetExpression(U16("ω+1")));
  ASSERT_TRUE(cylinder.EvaluatePoint(0.0, 3.0, 0.0, p));
  EXPECT_DOUBLE_EQ(p.x, 4.0);
  EXPECT_DOUBLE_EQ(p.z, 3.0);

  // A pole leaves the vertex invalid.
  ASSERT_TRUE(f.SetExpression(U16("1/(x*y)")));
  EXPECT_FALSE(f.EvaluatePoint(0.0, 1.0, 0.0, p));
}

TEST(SurfaceSamplingTest, ParametricSurfacesKnowWhenTheyAreCurves) {
  ScopedEvalContext context;
  ParametricSurface s;
  ASSERT_TRUE(s.SetExpressions(U16("cos(u)"), U16("sin(u)"), U16("u/4")));
  EXPECT_EQ(s.curve_mode(), ParametricSurface::CurveMode::kCurve);
  EXPECT_EQ(s.curve_variable(), u'u');
  ASSERT_TRUE(s.SetExpressions(U16("u"), U16("v"), U16("T")));
  EXPECT_EQ(s.curve_mode(), ParametricSurface::CurveMode::kSurface);
  EXPECT_TRUE(s.uses_time);
  ASSERT_TRUE(s.SetExpressions(U16("1"), U16("2"), U16("3")));
  EXPECT_EQ(s.curve_mode(), ParametricSurface::CurveMode::kNone);
  EXPECT_FALSE(s.SetExpressions(U16("u"), U16("ln(0"), U16("(")));
  EXPECT_EQ(s.failing_index(), 2);
  // One failing coordinate contributes 0 and marks the point invalid.
  ASSERT_TRUE(s.SetExpressions(U16("u"), U16("ln(v)"), U16("1")));
  Point3 p;
  EXPECT_FALSE(s.EvaluatePoint(2.0, -1.0, 0.0, p));
  EXPECT_EQ(p.x, 2.0);
  EXPECT_EQ(p.y, 0.0);
  EXPECT_EQ(p.z, 1.0);
}

TEST(SurfaceSamplingTest, MeshBuffersFollowThePointCounts) {
  FunctionSurface f;
  EXPECT_TRUE(f.AllocateMesh());
  EXPECT_EQ(f.mesh.vertex_count(), 441u);
  EXPECT_EQ(f.mesh.triangles.size(), 3u * 800);
  EXPECT_FALSE(f.AllocateMesh());
  f.lighting = false;
  EXPECT_TRUE(f.AllocateMesh());
  EXPECT_TRUE(f.mesh.normals.empty());
}

}  // namespace
}  // namespace zentrix::graphing
