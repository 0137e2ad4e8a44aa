#include "graphing/model/compiled_expr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/charset.h"
#include "graphing/model/eval_context.h"

namespace zentrix::graphing {
namespace {

using chars::U16;

class CompiledExprTest : public ::testing::Test {
 protected:
  // The value of the text with x in slot 0, or NaN with the error code kept.
  double At(const std::string& text, double x = 0.0) {
    GraphEvaluation().Set(0, variable::kX, x);
    if (!expr_.Compile(U16(text))) return NAN;
    double v;
    return expr_.Evaluate(v) ? v : NAN;
  }

  ScopedEvalContext context_;
  CompiledExpr expr_;
};

TEST_F(CompiledExprTest, ArithmeticFollowsTheParsersPrecedenceAndImplicitProducts) {
  EXPECT_DOUBLE_EQ(At("2^3^2"), 512.0);
  EXPECT_DOUBLE_EQ(At("-2^2"), -4.0);
  EXPECT_DOUBLE_EQ(At("2*-3"), -6.0);
  EXPECT_DOUBLE_EQ(At("2x+1", 3.0), 7.0);
  EXPECT_DOUBLE_EQ(At("(x+2)(x+5)", 1.0), 18.0);
  EXPECT_DOUBLE_EQ(At("3!"), 6.0);
  EXPECT_DOUBLE_EQ(At("2ᴇ3"), 2000.0);
  EXPECT_DOUBLE_EQ(At("x²", 3.0), 9.0);
  EXPECT_DOUBLE_EQ(At("x⁻¹", 4.0), 0.25);
  EXPECT_DOUBLE_EQ(At("√(16)"), 4.0);
  EXPECT_DOUBLE_EQ(At("(2+3"), 5.0);  // a missing closing bracket is tolerated
}

TEST_F(CompiledExprTest, NamedConstantsAreTheirDoubles) {
  EXPECT_EQ(At("π"), 3.141592653589793);
  EXPECT_EQ(At("ℯ"), 2.718281828459045);
  EXPECT_DOUBLE_EQ(At("2π"), 2.0 * 3.141592653589793);
}

TEST_F(CompiledExprTest, CompileFailuresKeepTheParsersCodeOrAMessage) {
  EXPECT_FALSE(expr_.Compile(u""));
  EXPECT_EQ(expr_.error_code(), 16);
  EXPECT_FALSE(expr_.Compile(U16("2+3)")));
  EXPECT_EQ(expr_.error_code(), 5);
  EXPECT_FALSE(expr_.Compile(U16("3.1.4")));
  EXPECT_EQ(expr_.ErrorText(), u"Syntax Error");
  EXPECT_FALSE(expr_.Compile(U16("sin x")));
  EXPECT_EQ(expr_.error_code(), 6);
  EXPECT_EQ(expr_.ErrorText(), u"sin is the name of a function.");
  // Names are single letters; Tx is one name.
  EXPECT_FALSE(expr_.Compile(U16("Tx")));
  EXPECT_NE(expr_.message().find(u"Tx"), std::u16string::npos);
  EXPECT_FALSE(expr_.Compile(U16("{1,2}")));
  EXPECT_EQ(expr_.error_code(), 4);
  EXPECT_FALSE(expr_.Compile(U16("sin(1,2)")));
  EXPECT_FALSE(expr_.compiled());
  EXPECT_EQ(expr_.instructions().size(), 0u);
}

TEST_F(CompiledExprTest, SymbolicCommandsAreAClearCompileError) {
  EXPECT_FALSE(expr_.Compile(U16("D(x^2,x)")));
  EXPECT_TRUE(expr_.needs_symbolic_pass());
  EXPECT_EQ(expr_.ErrorText(), u"D cannot be evaluated in a graph.");
  EXPECT_FALSE(expr_.Compile(U16("∫(x,x)")));
  EXPECT_TRUE(expr_.needs_symbolic_pass());
  EXPECT_TRUE(expr_.Compile(U16("sin(x)")));
  EXPECT_FALSE(expr_.needs_symbolic_pass());
}

TEST_F(CompiledExprTest, DeepNestingCompilesWithoutRecursion) {
  const std::string deep = std::string(10000, '(') + "x" + std::string(10000, ')');
  EXPECT_DOUBLE_EQ(At(deep, 2.5), 2.5);
  std::string chain = "x";
  for (int i = 0; i < 5000; ++i) chain = "sin(" + chain;
  chain += std::string(5000, ')');
  EXPECT_TRUE(std::isfinite(At(chain, 1.0)));
  EXPECT_EQ(expr_.stack_capacity(), 1u);
}

TEST_F(CompiledExprTest, StackIsSizedByTheOperandInstructions) {
  ASSERT_TRUE(expr_.Compile(U16("(a^2/sin(2*π/b))-a/2")));
  // a 2 2 π b: eight operands (a, 2, 2, π, b, a, 2 and the inner 2).
  int operands = 0;
  for (const ExprInstr& in : expr_.instructions()) {
    operands += in.opcode == ExprInstr::kConstant || in.opcode == ExprInstr::kVariable;
  }
  EXPECT_EQ(expr_.stack_capacity(), static_cast<std::size_t>(operands));
}

TEST_F(CompiledExprTest, VariablesComeFromTheFirstMatchingSlot) {
  ASSERT_TRUE(expr_.Compile(U16("x+10y")));
  GraphEvaluation().Set(0, variable::kX, 1.0);
  GraphEvaluation().Set(1, variable::kY, 2.0);
  GraphEvaluation().Set(2, variable::kY, 99.0);
  double v;
  ASSERT_TRUE(expr_.Evaluate(v));
  EXPECT_EQ(v, 21.0);
  // A variable held by no slot compiles but fails every sample with code 4.
  ASSERT_TRUE(expr_.Compile(U16("x+q")));
  EXPECT_FALSE(expr_.Evaluate(v));
  EXPECT_EQ(expr_.error_code(), 4);
}

TEST_F(CompiledExprTest, UsesTimeSeesTheCapitalT) {
  ASSERT_TRUE(expr_.Compile(U16("sin(x+T)")));
  EXPECT_TRUE(expr_.uses_time());
  ASSERT_TRUE(expr_.Compile(U16("sin(x+t)")));
  EXPECT_FALSE(expr_.uses_time());
}

TEST_F(CompiledExprTest, NonFiniteAndNonRealResultsFail) {
  EXPECT_TRUE(std::isnan(At("1/x", 0.0)));
  EXPECT_EQ(expr_.error_code(), 18);
  EXPECT_TRUE(std::isnan(At("asin(2)")));
  EXPECT_EQ(expr_.error_code(), 18);
  EXPECT_TRUE(std::isnan(At("sqrt(-1)")));
  EXPECT_TRUE(std::isnan(At("ln(0)")));
  EXPECT_TRUE(std::isnan(At("10^400")));
  // The imaginary unit has no real value.
  EXPECT_TRUE(std::isnan(At("ⅈ+1")));
  EXPECT_EQ(expr_.error_code(), 4);
  EXPECT_TRUE(std::isnan(At("(-1)!")));
}

TEST_F(CompiledExprTest, AngleModesConvertArgumentsAndResults) {
  GraphEvaluation().angle_mode = AngleMode::kDegrees;
  EXPECT_DOUBLE_EQ(At("atan2(1,1)"), 45.0);
  EXPECT_DOUBLE_EQ(At("sin(90)"), 1.0);
  EXPECT_DOUBLE_EQ(At("acos(0)"), 90.0);
  GraphEvaluation().angle_mode = AngleMode::kGradians;
  EXPECT_DOUBLE_EQ(At("sin(100)"), 1.0);
  EXPECT_DOUBLE_EQ(At("asin(1)"), 100.0);
  EXPECT_DOUBLE_EQ(At("cosh(0)"), 1.0);  // hyperbolic functions take no conversion
  GraphEvaluation().angle_mode = AngleMode::kRadians;
  EXPECT_DOUBLE_EQ(At("atan2(0,1)"), std::atan2(1.0, 0.0));
  EXPECT_DOUBLE_EQ(At("acot(-1)"), 3.0 * 3.141592653589793 / 4.0);
}

TEST_F(CompiledExprTest, FunctionsOfSeveralArgumentsAndPiecewiseOnes) {
  EXPECT_DOUBLE_EQ(At("nPr(5,2)"), 20.0);
  EXPECT_DOUBLE_EQ(At("nCr(5,2)"), 10.0);
  EXPECT_DOUBLE_EQ(At("nCr(2,5)"), 0.0);
  EXPECT_NEAR(At("nCr(200,100)") / 9.054851465610328e58, 1.0, 1e-11);  // past 170!
  EXPECT_DOUBLE_EQ(At("wavelet(0.5)"), 1.0);
  EXPECT_DOUBLE_EQ(At("wavelet(0.75)"), -1.0);
  EXPECT_DOUBLE_EQ(At("wavelet(1.5)"), 0.0);
  EXPECT_DOUBLE_EQ(At("wave(2,0,0.1)"), 2.0);
  EXPECT_DOUBLE_EQ(At("unitStep(0)"), 1.0);
  EXPECT_DOUBLE_EQ(At("unitStep(-0.1)"), 0.0);
  EXPECT_DOUBLE_EQ(At("sign(-3)+fPart(-2.5)+iPart(-2.5)"), -1.0 - 0.5 - 2.0);
  EXPECT_DOUBLE_EQ(At("re(3)+im(3)"), 3.0);
  EXPECT_NEAR(At("NormalPdf(0,0,1)"), 0.3989422804014327, 1e-15);
  EXPECT_NEAR(At("NormalCdf(-1,1,0,1)"), 0.6826894921370859, 1e-12);
  EXPECT_TRUE(std::isnan(At("NormalPdf(0,0,1,2,3)")));
  EXPECT_EQ(expr_.error_code(), 20);
  EXPECT_TRUE(std::isnan(At("NormalPdf(0)")));
  EXPECT_EQ(expr_.error_code(), 4);
}

TEST_F(CompiledExprTest, AngleMarksGiveTheAngleModesUnit) {
  EXPECT_DOUBLE_EQ(At("180°"), 3.141592653589793);
  GraphEvaluation().angle_mode = AngleMode::kDegrees;
  EXPECT_DOUBLE_EQ(At("30'"), 0.5);
}

}  // namespace
}  // namespace zentrix::graphing
