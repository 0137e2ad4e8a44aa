// Solve through the evaluator: answers are compared with the evaluation of the
// expected expression, so that both sides take the same canonical form.

#include "engine/commands/solve/solve.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

constexpr const char* kUnsolved = "Error: Unable to solve the expression.";

class SolveTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

TEST_F(SolveTest, Linear) {
  EXPECT_EQ(Eval("Solve(2x=3, x)"), "3/2");
  EXPECT_EQ(Eval("Solve(x+y=3, x)"), Eval("3-y"));
  EXPECT_EQ(Eval("Solve(3x+π=2x+1, x)"), Eval("1-π"));
  EXPECT_EQ(Eval("Solve(a*t=3, t)"), kUnsolved);  // a product is not a monomial in t
  EXPECT_EQ(Eval("Solve(x=x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(3)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(x-sin(x)=0)"), kUnsolved);
}

TEST_F(SolveTest, Quadratic) {
  EXPECT_EQ(Eval("Solve(x^2=4, x)"), Eval("{-2,2}"));
  EXPECT_EQ(Eval("Solve(x^2-2x+1=0, x)"), "1");
  EXPECT_EQ(Eval("Solve(1, 3, -4)"), Eval("{-4,1}"));
  EXPECT_EQ(Eval("Solve(x^2+1=0, x)"), Eval("{-ⅈ,ⅈ}"));
  // 4 - x^2 = 0 has a = -1: the minus root of the formula is the larger one.
  EXPECT_EQ(Eval("Solve(4=x^2)"), Eval("{2,-2}"));
  EXPECT_EQ(Eval("Solve((x+1)^2=x+3)"), Eval("{(-1-sqrt(9))/2,(-1+sqrt(9))/2}"));
  EXPECT_EQ(Eval("Solve(x^2+2x+2)"), Eval("{-1-ⅈ,-1+ⅈ}"));
}

TEST_F(SolveTest, NonFiniteAnswersAreRefused) {
  EXPECT_EQ(Eval("Solve(0, 1, 2)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(0, 0, 0)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(1ᴇ300, 1ᴇ300, 1)"), kUnsolved);
}

TEST_F(SolveTest, QuadraticWithSymbolicCoefficients) {
  EXPECT_EQ(Eval("Solve(x^2+y*x+1=0, x)"), Eval("{(-y-sqrt(y^2-4))/2,(-y+sqrt(y^2-4))/2}"));
  // A coefficient that holds x itself is no coefficient.
  EXPECT_EQ(Eval("Solve(x^2=x^2*sin(x)+1, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(x^2=sin(x), x)"), kUnsolved);
}

TEST_F(SolveTest, CubicThreeRealRootsAscending) {
  EXPECT_EQ(Eval("Solve(x^3-6x^2+11x-6=0, x)"), "list(0; 1; 2; 3)");
  EXPECT_EQ(Eval("Solve(-x^3+6x^2-11x+6=0, x)"), "list(0; 1; 2; 3)");
  // A double root: three elements, two of them (nearly) equal.
  ExprNode roots = *EvaluateExpression(u"Solve(x^3-4x^2+5x-2=0, x)");
  ASSERT_TRUE(roots.IsList());
  ASSERT_EQ(roots.OperandCount(), 3u);
  EXPECT_NEAR(roots.Operand(0).coefficient().RealValue(), 1.0, 1e-7);
  EXPECT_NEAR(roots.Operand(1).coefficient().RealValue(), 1.0, 1e-7);
  EXPECT_NEAR(roots.Operand(2).coefficient().RealValue(), 2.0, 1e-12);
}

TEST_F(SolveTest, CubicWithZeroConstantTerm) {
  EXPECT_EQ(Eval("Solve(x^3-x=0, x)"), Eval("{0,-1,1}"));
  EXPECT_EQ(Eval("Solve(2, -3, 1, 0)"), Eval("{0,1/2,1}"));
  // The root 0 is not repeated when the quadratic has it too.
  EXPECT_EQ(Eval("Solve(x^3+x^2=0)"), Eval("{0,-1}"));
  EXPECT_EQ(Eval("Solve(x^3=0)"), "0");
  EXPECT_EQ(Eval("Solve(x^3+y*x=0, x)"), Eval("{0,(-sqrt(-4y))/2,sqrt(-4y)/2}"));
}

TEST_F(SolveTest, CubicOneRealRoot) {
  ExprNode roots = *EvaluateExpression(u"Solve(x^3-1=0, x)");
  ASSERT_TRUE(roots.IsList());
  ASSERT_EQ(roots.OperandCount(), 3u);
  EXPECT_EQ(roots.Operand(0), ExprNode::MakeNumber(Number(1.0)));
  // The deflated quadratic x^2 + x + 1 has exact coefficients here.
  ExprNode expected = *EvaluateExpression(u"Solve(x^2+x+1=0, x)");
  EXPECT_EQ(roots.Operand(1), expected.Operand(0));
  EXPECT_EQ(roots.Operand(2), expected.Operand(1));
}

TEST_F(SolveTest, TripleRootIsOneRoot) {
  EXPECT_EQ(Eval("Solve((x-1)^3=0, x)"), "1");
  EXPECT_EQ(Eval("Solve(2, 12, 24, 16)"), "-2");
}

TEST_F(SolveTest, CubicRefusals) {
  EXPECT_EQ(Eval("Solve(x^3+y=0, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(0, 1, 2, 3)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(1, 0, 0, 1ᴇ300)"), kUnsolved);  // overflows binary64
}

TEST_F(SolveTest, IsolationThroughSumsAndReciprocals) {
  EXPECT_EQ(Eval("Solve(1/x=4, x)"), "1/4");
  EXPECT_EQ(Eval("Solve(x+ln(2)=5, x)"), Eval("5-ln(2)"));
  EXPECT_EQ(Eval("Solve(x/(x+1)=2, x)"), "-2");
  EXPECT_EQ(Eval("Solve(1/(x+1)=2, x)"), "-1/2");
  EXPECT_EQ(Eval("Solve(1/(x^2+1)=1/5, x)"), Eval("{-2,2}"));
  EXPECT_EQ(Eval("Solve(1/(x+1)=0, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(1/x=0, x)"), kUnsolved);  // not the infinite 1/0
}

TEST_F(SolveTest, IsolationThroughFunctions) {
  EXPECT_EQ(Eval("Solve(sin(x)=1/2, x)"), Eval("asin(1/2)"));
  EXPECT_EQ(Eval("Solve(sin(x)+1=2, x)"), Eval("asin(1)"));
  EXPECT_EQ(Eval("Solve(cos(2x+1)=y, x)"), Eval("(acos(y)-1)/2"));
  const char* table[][2] = {{"sin", "asin"},   {"cos", "acos"},   {"tan", "atan"},
                            {"csc", "acsc"},   {"sec", "asec"},   {"cot", "acot"},
                            {"sinh", "asinh"}, {"cosh", "acosh"}, {"tanh", "atanh"},
                            {"csch", "acsch"}, {"sech", "asech"}, {"coth", "acoth"}};
  for (auto& [f, inverse] : table) {
    EXPECT_EQ(Eval(std::string("Solve(") + f + "(x)=y, x)"), Eval(std::string(inverse) + "(y)"))
        << f;
  }
}

TEST_F(SolveTest, IsolationFailures) {
  EXPECT_EQ(Eval("Solve(sin(x)=x, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(x*ℯ^x=1, x)"), kUnsolved);
  // Nothing can be moved any more: no endless repetition.
  EXPECT_EQ(Eval("Solve(x+y+ln(2)=0, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(x+1/x=2, x)"), kUnsolved);
}

TEST_F(SolveTest, TopLevelEquationAndForms) {
  EXPECT_EQ(Eval("x^2=4"), Eval("{-2,2}"));
  EXPECT_EQ(Eval("2t+1=0"), "-1/2");
  EXPECT_EQ(Eval("ℯ^x=2"), Eval("ln(2)"));
  EXPECT_EQ(Eval("x+y=1"), "Error: Too many variables");
  EXPECT_EQ(Eval("Solve(x^2=4, 3)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Solve({x,1,2}, x)"), "Error: Syntax Error");
}

TEST_F(SolveTest, RaisesTheRewriteFlag) {
  ClearRewriteFlag();
  Eval("Solve(x=5, x)");
  EXPECT_TRUE(RewriteFlag());
  ClearRewriteFlag();
  Eval("Solve(ℯ^x=2, x)");
  EXPECT_TRUE(RewriteFlag());
}

TEST_F(SolveTest, DirectEntryPoints) {
  const ExprNode x = ExprNode::MakeSymbol(u"x");
  EXPECT_EQ(SolveEquation(x, ExprNode::MakeNumber(Number(7.0)), u"x"),
            ExprNode::MakeNumber(Number(7.0)));
  EXPECT_FALSE(SolveEquation(x, x, u"x"));
  EXPECT_FALSE(CubicRoots(x, x, x, x));
  std::vector<ExprNode> bad{x, x};
  std::optional<CommandOutcome> outcome = SolveAlgorithm(bad);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->failure.code, EngineError::kBadSyntax);
}

}  // namespace
}  // namespace zentrix::engine
