// The angle marks, angle and rad, the exact values of the circular functions in
// both angle units, and the numeric approximation with the angle unit.

#include <gtest/gtest.h>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Dump;
using testkit::Eval;

class AnglesTest : public ::testing::Test {
 protected:
  void Degrees() { Engine().angle_unit = 1; }
  std::string Approximated(const char* entry) {
    Evaluator evaluator;
    EvaluationResult r = evaluator.Evaluate(chars::U16(entry));
    if (!r.ok) return chars::ToUtf8(r.DisplayText());
    return Dump(Approximate(r.value));
  }
  ScopedEngineState state_;
};

TEST_F(AnglesTest, MarksConvertToRadians) {
  EXPECT_EQ(Eval("30°"), "sum(0; 1/6*π)");
  EXPECT_EQ(Eval("30°15'"), "sum(0; 121/720*π)");
  EXPECT_EQ(Eval("30°15'20''"), "sum(0; 2723/16200*π)");
  EXPECT_EQ(Eval("15'"), "sum(0; 1/720*π)");
  EXPECT_EQ(Eval("36''"), "sum(0; 1/18000*π)");
  EXPECT_EQ(Eval("angle(30)"), "sum(0; 1/6*π)");
  EXPECT_EQ(Eval("rad(30,15)"), Eval("30°15'"));
  EXPECT_EQ(Eval("angle(30,15,20)"), Eval("30°15'20''"));
  EXPECT_EQ(Eval("x°"), "prod(1/180; 1*π; 1*x)") << "a symbolic operand keeps π";
}

TEST_F(AnglesTest, MarksStayInDegrees) {
  Degrees();
  EXPECT_EQ(Eval("30°"), "30");
  EXPECT_EQ(Eval("30°15'"), "121/4");
  EXPECT_EQ(Eval("15'"), "1/4");
  EXPECT_EQ(Eval("angle(30,30)"), "61/2");
}

TEST_F(AnglesTest, ExactValuesInRadians) {
  EXPECT_EQ(Eval("sin(π/3)"), "prod(1/2; pow(1/2; 3))");
  EXPECT_EQ(Eval("cos(π/3)"), "1/2");
  EXPECT_EQ(Eval("tan(π/4)"), "1");
  EXPECT_EQ(Eval("sec(π/4)"), "pow(1/2; 2)");
  EXPECT_EQ(Eval("tan(π/6)"), "prod(1/3; pow(1/2; 3))");
  EXPECT_EQ(Eval("csc(π/6)"), "2");
  EXPECT_EQ(Eval("cot(π/3)"), "prod(1/3; pow(1/2; 3))");
  EXPECT_EQ(Eval("sin(7π/6)"), "-1/2");
  EXPECT_EQ(Eval("cos(5π/3)"), "1/2");
  EXPECT_EQ(Eval("sin(-π/6)"), "-1/2");
  EXPECT_EQ(Eval("tan(-π/4)"), "-1");
  EXPECT_EQ(Eval("cos(9π/4)"), "prod(1/2; pow(1/2; 2))");
  EXPECT_EQ(Eval("sin(π)"), "0");
  EXPECT_EQ(Eval("sin(0)"), "0");
  EXPECT_EQ(Eval("cos(0)"), "1");
  EXPECT_EQ(Eval("tan(π/2)"), "ComplexInfinity");
  EXPECT_EQ(Eval("cot(π)"), "ComplexInfinity");
  // Other multiples, and numbers in radians, stay as they are.
  EXPECT_EQ(Eval("sin(π/5)"), "sin(1; sum(0; 1/5*π))");
  EXPECT_EQ(Eval("sin(30)"), "sin(1; 30)");
}

TEST_F(AnglesTest, ExactValuesInDegrees) {
  Degrees();
  EXPECT_EQ(Eval("sin(30)"), "1/2");
  EXPECT_EQ(Eval("cos(60)"), "1/2");
  EXPECT_EQ(Eval("tan(45)"), "1");
  EXPECT_EQ(Eval("sin(-30)"), "-1/2");
  EXPECT_EQ(Eval("cos(390)"), "prod(1/2; pow(1/2; 3))");
  EXPECT_EQ(Eval("sin(45/2)"), "sin(1; 45/2)");
  EXPECT_EQ(Eval("sin(π/6)"), "sin(1; sum(0; 1/6*π))") << "π is not an angle in degrees";
}

TEST_F(AnglesTest, NumericApproximationUsesTheUnit) {
  EXPECT_EQ(Approximated("sin(30)"), "-0.98803162409286183");
  EXPECT_EQ(Approximated("atan(1)"), "0.78539816339744828");
  Degrees();
  EXPECT_EQ(Approximated("sin(1)"), "0.017452406437283512");
  EXPECT_EQ(Approximated("atan(1)"), "45");
  EXPECT_EQ(Approximated("atan(1,1)"), "45");
  EXPECT_EQ(Approximated("sinh(1)"), "1.1752011936438014") << "hyperbolic: no conversion";
}

TEST_F(AnglesTest, DecimalArgumentsEvaluateAtOnce) {
  EXPECT_EQ(Eval("cos(0.5)"), "0.87758256189037276");
  Degrees();
  EXPECT_EQ(Eval("sin(30.0)"), "1/2") << "30.0 is the integer 30";
  EXPECT_EQ(Eval("sin(0.5)"), "0.0087265354983739347");
}

}  // namespace
}  // namespace zentrix::engine
