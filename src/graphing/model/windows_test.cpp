#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "graphing/model/engine_bridge.h"
#include "graphing/model/grid_step.h"
#include "graphing/model/window2d.h"
#include "graphing/model/window3d.h"

namespace zentrix::graphing {
namespace {

using chars::U16;

TEST(FieldEvaluationTest, TextsEvaluateThroughTheEngineWithTheNotebooksVariables) {
  engine::ScopedEngineState state;
  EXPECT_DOUBLE_EQ(EvaluateField(U16("(47/24)π"), nullptr).value, 47.0 / 24.0 * M_PI);
  EXPECT_DOUBLE_EQ(EvaluateField(U16("sqrt(2)"), nullptr).value, std::sqrt(2.0));
  engine::VariableStore store;
  store.Store(u"a", engine::ExprNode::MakeNumber(engine::Number(3.0)));
  EXPECT_DOUBLE_EQ(EvaluateField(U16("a^2+1"), &store).value, 10.0);
  EXPECT_FALSE(store.Contains(engine::kAnsName));  // the store is never changed
  const FieldValue symbol = EvaluateField(U16("b+1"), &store);
  EXPECT_FALSE(symbol.ok);
  EXPECT_FALSE(EvaluateField(U16("1/0"), nullptr).ok);
  const FieldValue bad = EvaluateField(U16("2+3)"), nullptr);
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.error, u"Not enough parenthesis found.");
}

TEST(GridStepTest, PowersOfTwoNearATwentiethOfTheRange) {
  EXPECT_EQ(ComputeGridAxis(-10, 10).step, 1.0);
  EXPECT_EQ(ComputeGridAxis(-10, 10.5).step, 2.0);
  EXPECT_EQ(ComputeGridAxis(0, 3).step, 0.25);
  const GridAxis axis = ComputeGridAxis(-7.5, 7.5);
  EXPECT_EQ(axis.step, 1.0);
  EXPECT_EQ(axis.first, -7.0);  // fmod keeps the sign of the minimum
  EXPECT_EQ(ComputeGridAxis(1.3, 30).first, 0.0);
  EXPECT_EQ(ComputeGridAxis(-5.3, 30).first, -4.0);
  EXPECT_EQ(ComputeGridAxis(0, 0).step, 1.0);  // no power of two: a unit step
}

TEST(Window2DTest, StandardKeepsUnitsEqualOnBothAxes) {
  Window2D w;
  w.SetPlotArea(0, 0, 240, 320);
  w.Standard();
  EXPECT_EQ(w.text(Window2D::kXmin), u"-7.5");
  EXPECT_EQ(w.text(Window2D::kXmax), u"7.5");
  EXPECT_EQ(w.text(Window2D::kYmin), u"-10");
  EXPECT_EQ(w.text(Window2D::kYmax), u"10");
  w.SetPlotArea(0, 0, 320, 227);
  w.Standard();
  EXPECT_EQ(w.text(Window2D::kYmax), u"7.09");
  EXPECT_EQ(w.value(Window2D::kYmax), 7.09);
  EXPECT_EQ(w.text(Window2D::kXmin), u"-10");
}

TEST(Window2DTest, DerivedValuesFollowTheWindowAndPlotArea) {
  Window2D w;
  w.SetPlotArea(10, 20, 200, 100);
  w.SetValues(-5, 15, -2, 8);
  const PlotViewport& v = w.viewport();
  EXPECT_EQ(v.x_scale, 10.0);
  EXPECT_EQ(v.y_scale, 10.0);
  EXPECT_EQ(v.origin_column, 60);
  EXPECT_EQ(v.origin_row, 100);
  EXPECT_EQ(w.x_grid().step, 1.0);
  // Xmax ≤ Xmin keeps the previous transform.
  w.SetValues(5, 5, -2, 8);
  EXPECT_EQ(w.viewport().origin_column, 60);
  EXPECT_EQ(w.viewport().xmin, -5.0);
}

TEST(Window2DTest, TrigZoomAndApply) {
  engine::ScopedEngineState state;
  Window2D w;
  w.Trig();
  EXPECT_EQ(w.text(Window2D::kXmin), U16("-(47/24)π"));
  EXPECT_EQ(w.text(Window2D::kYmax), u"4");
  ASSERT_TRUE(w.Apply().ok);
  EXPECT_NEAR(w.value(Window2D::kXmax), 6.152285613280012, 1e-12);
  ASSERT_TRUE(w.ZoomIn());
  EXPECT_EQ(w.value(Window2D::kYmin), -2.0);
  EXPECT_EQ(w.text(Window2D::kYmin), u"-2");
  ASSERT_TRUE(w.ZoomOut());
  ASSERT_TRUE(w.ZoomOut());
  EXPECT_EQ(w.text(Window2D::kYmax), u"8");

  // A field that does not evaluate: nothing changes, the message names it.
  w.SetText(Window2D::kYmin, U16("2+"));
  EXPECT_FALSE(w.ZoomIn());
  EXPECT_EQ(w.text(Window2D::kYmax), u"8");
  w.SetText(Window2D::kXmax, U16("1"));
  const ApplyResult r = w.Apply();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, u"Error solving Ymin");
  EXPECT_NEAR(w.value(Window2D::kXmax), 2.0 * 6.152285613280012, 1e-12);  // still in force
}

TEST(WindowFieldsTest, WrittenValuesReadBackExactly) {
  engine::ScopedEngineState state;
  // Exact, but for the power of ten of an exponent, which the engine computes.
  for (double v : {12.304571226560023, -2.5, 1e300, -3e-20, 0.1 + 0.2}) {
    EXPECT_DOUBLE_EQ(EvaluateField(FieldText(v), nullptr).value, v) << chars::ToUtf8(FieldText(v));
  }
  EXPECT_EQ(FieldText(1e300), U16("1ᴇ300"));
  EXPECT_EQ(FieldText(-3e-20), U16("-3ᴇ-20"));
  EXPECT_EQ(TwoDecimalText(7.0999), u"7.1");
}

TEST(Window3DTest, ButtonsAndApplyOrder) {
  engine::ScopedEngineState state;
  Window3D w;
  EXPECT_EQ(w.text(Window3D::kZmin), u"-10");
  w.Trig();
  EXPECT_EQ(w.text(Window3D::kXmax), U16("π"));
  EXPECT_EQ(w.text(Window3D::kZmin), U16("-2π"));
  ASSERT_TRUE(w.Apply().ok);
  EXPECT_NEAR(w.zmax(), 2.0 * M_PI, 1e-15);
  w.SetText(Window3D::kYmax, U16("q"));
  w.SetText(Window3D::kZmin, U16("("));
  EXPECT_EQ(w.Apply().message, u"Error solving Ymax");
  w.SetText(Window3D::kYmax, U16("1"));
  EXPECT_EQ(w.Apply().message, u"Error solving Zmin");
  EXPECT_NEAR(w.ymax(), M_PI, 1e-15);
}

}  // namespace
}  // namespace zentrix::graphing
