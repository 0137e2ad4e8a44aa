// The rewrite flag after typical entries: Smart Solve shows a variable-free
// answer as a decimal only when nothing exact happened during the entry.

#include <gtest/gtest.h>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

class SmartSolveTest : public ::testing::Test {
 protected:
  bool Raised(const char* entry) {
    ClearRewriteFlag();
    Evaluator evaluator;
    EXPECT_TRUE(evaluator.Evaluate(chars::U16(entry)).ok) << entry;
    return RewriteFlag();
  }
  ScopedEngineState state_;
};

TEST_F(SmartSolveTest, ExactWorkRaisesTheFlag) {
  for (const char* entry : {"3/12+1/2", "1/2+1/3", "√(12)", "√(-4)", "sin(π/3)", "x+x",
                            "Solve(1,3,-4)", "8^(1/3)", "30°", "tan(π/4)"}) {
    EXPECT_TRUE(Raised(entry)) << entry;
  }
}

TEST_F(SmartSolveTest, PlainValuesLeaveTheFlagClear) {
  for (const char* entry : {"2+3", "1/3", "2/3*3/5", "√(2)", "sin(1)", "2π", "π/2", "x+y", "3!",
                            "2ᴇ3", "ln(2)", "ℯ^2"}) {
    EXPECT_FALSE(Raised(entry)) << entry;
  }
}

TEST_F(SmartSolveTest, ApproximationKeepsTheFlag) {
  Evaluator evaluator;
  EvaluationResult r = evaluator.Evaluate(u"1/3");
  ASSERT_TRUE(r.ok);
  ClearRewriteFlag();
  ExprNode decimal = Approximate(r.value);
  EXPECT_FALSE(RewriteFlag());
  EXPECT_EQ(testkit::Dump(decimal), "0.33333333333333331");
}

TEST_F(SmartSolveTest, ApproximationOfExactForms) {
  auto approx = [](const char* entry) {
    Evaluator evaluator;
    return testkit::Dump(Approximate(evaluator.Evaluate(chars::U16(entry)).value));
  };
  EXPECT_EQ(approx("2π"), "6.2831853071795862");
  EXPECT_EQ(approx("√(2)"), "1.4142135623730951");
  EXPECT_EQ(approx("sin(π/3)"), "0.8660254037844386");
  EXPECT_EQ(approx("ℯ^2"), "7.3890560989306504");
  EXPECT_EQ(approx("2^x"), "pow(1; 2; sum(0; 1*x))");
  EXPECT_EQ(approx("π x"), "sum(0; 3.1415926535897931*x)");
  EXPECT_EQ(approx("{1/2, √(-4)}"), "list(0; 0.5; 0+2i)");
  EXPECT_EQ(approx("x^(1/2)"), "sum(0; 1*x^0.5)");
}

}  // namespace
}  // namespace zentrix::engine
