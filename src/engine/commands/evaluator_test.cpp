#include "engine/commands/evaluator.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;
using testkit::MapScope;

class EvaluatorTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
  MapScope scope_;
};

TEST_F(EvaluatorTest, OperandsAndOperators) {
  EXPECT_EQ(Eval("3/12+1/2"), "3/4");
  EXPECT_EQ(Eval("2^3^2"), "512");
  EXPECT_EQ(Eval("-2^2"), "-4");
  EXPECT_EQ(Eval("2*-3"), "-6");
  EXPECT_EQ(Eval("2ᴇ3"), "2000");
  EXPECT_EQ(Eval("xᴇ3"), "Error: Syntax Error");
  EXPECT_EQ(Eval("3ⅈ"), "0+3i");
  EXPECT_EQ(Eval("∞"), "inf");
  EXPECT_EQ(Eval("{1,2}{3,4}"), "list(0; 3; 8)");
  EXPECT_EQ(Eval("{1,2}+{3}"), "Error: Lists must be the same length");
  EXPECT_EQ(Eval("x+{1,2}"), "list(0; sum(1; 1*x); sum(2; 1*x))");
}

TEST_F(EvaluatorTest, FactorialUsesGamma) {
  EXPECT_EQ(Eval("3!"), "6");
  EXPECT_EQ(Eval("0!"), "1");
  EXPECT_EQ(Eval("x!"), "Error: Syntax Error");
  EXPECT_EQ(Eval("(-1)!"), "123456789");
}

TEST_F(EvaluatorTest, EulerPowerBecomesExp) {
  EXPECT_EQ(Eval("ℯ^x"), "exp(1; sum(0; 1*x))");
  EXPECT_EQ(Eval("ℯ^0"), "1");
  EXPECT_EQ(Eval("ℯ"), "sum(0; 1*ℯ)");
}

TEST_F(EvaluatorTest, MatrixProductAndShapes) {
  EXPECT_EQ(Eval("y={{5,6},{7,8}}", &scope_), "list(0; list(0; 5; 6); list(0; 7; 8))");
  EXPECT_EQ(Eval("y*y", &scope_), "list(0; list(0; 67; 78); list(0; 91; 106))");
  EXPECT_EQ(Eval("{{1,2}}*{{1,2}}"), "Error: General");
  EXPECT_EQ(Eval("{{1,2},{3,4}}*{{1},{1}}"), "list(0; list(0; 3); list(0; 7))");
}

TEST_F(EvaluatorTest, AssignmentLookUpAndClear) {
  EXPECT_EQ(Eval("x=3", &scope_), "3");
  EXPECT_EQ(Eval("x^2", &scope_), "9");
  EXPECT_EQ(Eval("x=x+1", &scope_), "4");  // the right side is substituted first
  EXPECT_EQ(Eval("x", &scope_), "4");
  EXPECT_EQ(Eval("Clear(x)", &scope_), "sum(0; 1*x)");
  EXPECT_EQ(Eval("x^2", &scope_), "sum(0; 1*x^2)");
  EXPECT_EQ(Eval("z=z+1", &scope_), "Error: Syntax Error");
  EXPECT_EQ(Eval("x=2"), "Error: Syntax Error");  // no store
  EXPECT_EQ(Eval("3+Clear(x)", &scope_), "Error: Syntax Error");
  EXPECT_EQ(Eval("Clear(2)", &scope_), "Error: Syntax Error");
}

TEST_F(EvaluatorTest, EquationsInsideExpressionsAreLists) {
  EXPECT_EQ(Eval("{x=1}"), "list(0; list(0; sum(0; 1*x); 1))");
}

TEST_F(EvaluatorTest, TopLevelEquationIsSolvedForItsVariable) {
  EXPECT_EQ(Eval("x^2=4"), "list(0; -2; 2)");
  EXPECT_EQ(Eval("t^2=4"), "list(0; -2; 2)");
  EXPECT_EQ(Eval("x+y=1"), "Error: Too many variables");
  EXPECT_EQ(Eval("x=y"), "Error: Syntax Error");  // an assignment, but there is no store
  EXPECT_EQ(Eval("2x=y", &scope_), "Error: Too many variables");
}

TEST_F(EvaluatorTest, ElementaryFunctionsAndArgumentCounts) {
  EXPECT_EQ(Eval("sqrt(4)"), "2");
  EXPECT_EQ(Eval("sin(1,2)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("atan(1,1)"), "0.78539816339744828");
  EXPECT_EQ(Eval("atan(x,1)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("atan(1,2,3)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("nCr(5,2)"), "10");
  EXPECT_EQ(Eval("nPr(5,2)"), "20");
  EXPECT_EQ(Eval("nCr(x,2)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("unitStep(-1)"), "0");
  EXPECT_EQ(Eval("wave(0,0,0.25)"), "1");
  // Content is the numeric content that Factor takes out.
  EXPECT_EQ(Eval("Content(x+1)"), "1");
  EXPECT_EQ(Eval("Content(4x+6)"), "2");
  // Commands without an operation hand their argument back.
  EXPECT_EQ(Eval("DSolve(x+1)"), "sum(1; 1*x)");
}

TEST_F(EvaluatorTest, ParserErrorsShowTheirTexts) {
  EXPECT_EQ(Eval(""), "Error: No equation to solve");
  EXPECT_EQ(Eval("2+3)"), "Error: Not enough parenthesis found.");
  EXPECT_EQ(Eval("sin x"), "Error: sin is the name of a function.");
  EXPECT_EQ(Eval("3.1.4"), "Error: Syntax Error");
}

TEST_F(EvaluatorTest, DeepNestingEndsInAMessage) {
  std::string entry;
  for (int i = 0; i < 5000; ++i) entry += "sin(";
  entry += "x";
  EXPECT_EQ(Eval(entry), "Error: The expression is too deeply nested.");
  std::string powers = "x";
  for (int i = 0; i < 3000; ++i) powers = "(" + powers + "+1)^2";
  EXPECT_EQ(Eval(powers), "Error: The expression is too deeply nested.");
}

TEST_F(EvaluatorTest, ModeratelyDeepTreesStillWork) {
  std::string entry;
  for (int i = 0; i < 300; ++i) entry += "sin(";
  entry += "x";
  Evaluator evaluator;
  EXPECT_TRUE(evaluator.Evaluate(chars::U16(entry)).ok);
}

TEST_F(EvaluatorTest, HugeMatrixProductsAreRefused) {
  std::string row = "{";
  for (int i = 0; i < 200; ++i) row += (i ? ",1" : "1");
  row += "}";
  std::string matrix = "{";
  for (int i = 0; i < 200; ++i) matrix += (i ? "," : "") + row;
  matrix += "}";
  EXPECT_EQ(Eval(matrix + "*" + matrix), "Error: The expression is too large.");
}

TEST_F(EvaluatorTest, VariablesBuiltFromVariablesAreBounded) {
  std::string list = "x={";
  for (int i = 0; i < 1000; ++i) list += (i ? ",1" : "1");
  list += "}";
  ASSERT_NE(Eval(list, &scope_).substr(0, 5), "Error");
  std::string y = "y={x";
  for (int i = 1; i < 50; ++i) y += ",x";
  y += "}";
  ASSERT_NE(Eval(y, &scope_).substr(0, 5), "Error");
  std::string z = "z={y";
  for (int i = 1; i < 30; ++i) z += ",y";
  z += "}";
  EXPECT_EQ(Eval(z, &scope_), "Error: The expression is too large.");
}

TEST_F(EvaluatorTest, MalformedProgramsFailCleanly) {
  // Hand-made programs that the parser never produces.
  EvalProgram program;
  EvalItem plus;
  plus.code = '+';
  program.items = {plus};
  Evaluator evaluator;
  EXPECT_FALSE(evaluator.Run(program).ok);
  EvalItem list;
  list.code = '$';
  list.count = 5;
  program.items = {list};
  EXPECT_FALSE(evaluator.Run(program).ok);
  EvalItem function;
  function.type = EvalItem::Type::kFunction;
  function.code = 256 + 39;
  function.count = 9;
  program.items = {function};
  EXPECT_FALSE(evaluator.Run(program).ok);
}

}  // namespace
}  // namespace zentrix::engine
