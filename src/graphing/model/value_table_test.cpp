#include "graphing/model/value_table.h"

#include <gtest/gtest.h>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"

namespace zentrix::graphing {
namespace {

using chars::U16;

class ValueTableTest : public ::testing::Test {
 protected:
  ValueTable Build(int rows = 12) { return BuildValueTable(set_, settings_, rows, format_); }

  ScopedEvalContext context_;
  engine::ScopedEngineState engine_;
  GraphSet2D set_;
  TableSettings settings_;
  engine::DecimalFormat format_{5, engine::Notation::kNormal, false};
};

TEST_F(ValueTableTest, MessagesInsteadOfATable) {
  EXPECT_EQ(Build().message, kTableNoGraphs);
  set_.Create(Graph2DKind::kFunction);
  set_[0].SetExpression(U16("x+"));
  EXPECT_EQ(Build().message, kTableNotSolved);
  set_.Create(Graph2DKind::kHistogram);
  set_.Select(1);
  EXPECT_EQ(Build().message, kTableNotStatistical);
}

TEST_F(ValueTableTest, RowsAddTheStepRepeatedlyInRadians) {
  set_.Create(Graph2DKind::kFunction);
  ASSERT_TRUE(set_[0].SetExpression(U16("sin(x)/x")));
  settings_.SetText(TableSettings::kStep, U16("0.1"));
  bool changed = false;
  ASSERT_TRUE(settings_.Apply(changed).ok);
  EXPECT_TRUE(changed);
  GraphEvaluation().angle_mode = AngleMode::kDegrees;
  const ValueTable t = Build(11);
  EXPECT_EQ(t.columns, (std::vector<std::u16string>{u"x", u"y"}));
  ASSERT_EQ(t.rows.size(), 11u);
  EXPECT_EQ(t.rows[0][1].text, u"Error");
  EXPECT_EQ(t.rows[0][1].colour, colour::kRed);
  double x = 0.0;
  for (int i = 0; i < 10; ++i) x += 0.1;
  EXPECT_EQ(t.rows[10][0].text, engine::FormatDecimal(x, format_));
  EXPECT_EQ(t.rows[10][0].text, u"1");
  EXPECT_EQ(t.rows[10][1].text, u"0.84147");  // radians despite the setting
  EXPECT_EQ(t.rows[10][1].colour, colour::kWhite);
  EXPECT_EQ(GraphEvaluation().angle_mode, AngleMode::kDegrees);  // restored
  ASSERT_TRUE(settings_.Apply(changed).ok);
  EXPECT_FALSE(changed);
}

TEST_F(ValueTableTest, ParametricRowsHaveUXAndY) {
  set_.Create(Graph2DKind::kParametric);
  auto& p = static_cast<ParametricGraph&>(set_[0]);
  ASSERT_TRUE(p.SetExpressions(U16("u^2"), U16("sqrt(u)")));
  settings_.SetText(TableSettings::kStart, U16("-1"));
  bool changed;
  ASSERT_TRUE(settings_.Apply(changed).ok);
  const ValueTable t = Build(2);
  EXPECT_EQ(t.columns, (std::vector<std::u16string>{u"u", u"x", u"y"}));
  EXPECT_EQ(t.rows[0][1].text, u"1");
  EXPECT_EQ(t.rows[0][2].text, u"Error");
  EXPECT_EQ(t.rows[1][2].text, u"0");
}

TEST_F(ValueTableTest, UpAndDownMoveTheStart) {
  settings_.SetText(TableSettings::kStep, U16("0.5"));
  bool changed;
  ASSERT_TRUE(settings_.Apply(changed).ok);
  settings_.ScrollDown();
  settings_.ScrollDown();
  EXPECT_EQ(settings_.start(), 1.0);
  settings_.ScrollUp();
  EXPECT_EQ(settings_.start(), 0.5);
  EXPECT_EQ(settings_.text(TableSettings::kStart), u"0.5");
}

}  // namespace
}  // namespace zentrix::graphing
