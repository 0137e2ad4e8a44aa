#include "engine/commands/command_registry.h"

#include <gtest/gtest.h>

#include "engine/commands/command_table.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

class CommandRulesTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

TEST_F(CommandRulesTest, SumAndProduct) {
  EXPECT_EQ(Eval("Sum(k,k,1)"), "Error: Sum(expression, x, min, max)");
  EXPECT_EQ(Eval("Product(k,k,1)"), "Error: Product(expression, x, min, max)");
  EXPECT_EQ(Eval("Sum(k,k,1,2.5)"), "Error: Parameter 4 is not an integer");
  EXPECT_EQ(Eval("Sum(k,k,1.5,2)"), "Error: Parameter 3 is not an integer");
  // A bound in another variable is summed in closed form; Product keeps integers.
  EXPECT_EQ(Eval("Product(k,k,x,2)"), "Error: Parameter 3 is not an integer");
  EXPECT_EQ(Eval("Sum(k,2,1,2)"), "Error: Parameter 2 is not a variable");
  EXPECT_EQ(Eval("Sum(k,k,1,10)"), "55");
}

TEST_F(CommandRulesTest, MatrixCommands) {
  EXPECT_EQ(Eval("Det({1,2})"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Transpose(3)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Identity(100)"), "Error: Identity(size)");
  EXPECT_EQ(Eval("Identity(2,3)"), "Error: Identity(size)");
  EXPECT_EQ(Eval("Eigenvalues({{x}})"), "Error: Syntax Error");
  EXPECT_EQ(Eval("MatrixPower({{1}})"), "Error: MatrixPower(matrix, n)");
  EXPECT_EQ(Eval("MatrixPower({{1}},1.5)"), "Error: Parameter 2 is not an integer");
  EXPECT_EQ(Eval("Dot({1,2})"), "Error: Dot(list, list) or Dot(matrix, matrix)");
  EXPECT_EQ(Eval("Dot({1,2},{1,2,3})"), "Error: Matrix Error");
  EXPECT_EQ(Eval("Dot({{1,2}},{{1,2}})"), "Error: Matrix Error");
  EXPECT_EQ(Eval("Dot({1,2},{{1,2}})"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Cross({1,2})"), "Error: Cross(list, list)");
  EXPECT_EQ(Eval("Cross({1,2},{1,2,3})"), "Error: Syntax Error");
  EXPECT_EQ(Eval("VectorNorm()"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Duf(x,{x},{1})"), "Error: Duf(f, variable list, point, direction)");
  EXPECT_EQ(Eval("Jacobian(x,{x,2})"), "Error: Parameter 2 is not a list of variables.");
  EXPECT_EQ(Eval("Divergence(x,y,z)"),
            "Error: Divergence(expression)\nDivergence(expression, variable list)");
}

TEST_F(CommandRulesTest, Distributions) {
  EXPECT_EQ(Eval("NormalPdf(0,0,1)"), "0.39894228040143265");
  EXPECT_EQ(Eval("NormalPdf(0,0,1,2,3)"), "Error: Too many parameters");
  EXPECT_EQ(Eval("NormalPdf(x,0,1)"), "Error: NormalPdf(x, mu, sigma)");
  EXPECT_EQ(Eval("NormalPdf(ⅈ,0,1)"), "Error: NormalPdf(x, mu, sigma)");
  EXPECT_EQ(Eval("NormalCdf(0,1)"), "Error: NormalCdf(lower, upper, mu, sigma)");
  EXPECT_EQ(Eval("GeoCdf(0.5,3)"), "0.875");
  EXPECT_EQ(Eval("BinomialPdf(1)"), "Error: Binomialdf(n, p, x)");
}

TEST_F(CommandRulesTest, Derivative) {
  EXPECT_EQ(Eval("D(x^3)"), "sum(0; 3*x^2)");
  EXPECT_EQ(Eval("D(x y)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("D(x y,2)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("D(x,2.5)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("D(x,2,x)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("D(x,x,1.5)"), "Error: Parameter 3 is not an integer.");
  EXPECT_EQ(Eval("D(x,x,1,2)"), "Error: Too many parameters");
}

TEST_F(CommandRulesTest, IntegrateAndNIntegrate) {
  EXPECT_EQ(Eval("Integrate(x y)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("Integrate(x,2)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("Integrate(x y,0,1)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("Integrate(x,1,0,1)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("Integrate(x,x,1,2,3)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("NIntegrate(x,0)"), "Error: NIntegrate(f, a, b)");
  EXPECT_EQ(Eval("NIntegrate(x y,0,1)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("NIntegrate(x,0,ⅈ)"), "Error: Unable to integrate");
}

TEST_F(CommandRulesTest, Limit) {
  EXPECT_EQ(Eval("Limit(x)"), "Error: Limit(expression, x, a)");
  EXPECT_EQ(Eval("Limit(x y,0)"), "Error: Too many parameters");
  EXPECT_EQ(Eval("Limit(x,2,0)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("Limit(x,2,0,1)"), "Error: Parameter 3 is not a variable.");
  EXPECT_EQ(Eval("Limit(1/x,x,0,2)"), "Error: Direction must be -1, 0, or 1");
  EXPECT_EQ(Eval("Limit(1/x,x,0,-1)"), "-inf");
}

TEST_F(CommandRulesTest, SeriesAndFourierSeries) {
  EXPECT_EQ(Eval("Series(x,x,0)"), "Error: Series(f, x, x0, n)");
  EXPECT_EQ(Eval("Series(x,x,0,1.5)"), "Error: Parameter 4 is not an integer");
  EXPECT_EQ(Eval("Series(x,2,0,3)"), "Error: Parameter 2 is not a variable");
  EXPECT_EQ(Eval("FSeries(x,0)"), "Error: The last parameter is not a positive integer");
  EXPECT_EQ(Eval("FSeries(x y,2)"), "Error: Too many variables");
  EXPECT_EQ(Eval("FSeries(x,y)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("FSeries(x,2,3)"), "Error: Syntax Error");
}

TEST_F(CommandRulesTest, Solve) {
  EXPECT_EQ(Eval("Solve(x+y=1)"), "Error: Too many variables");
  EXPECT_EQ(Eval("Solve({1,2,3})"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Solve(x=1,2)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Solve(1,2,3,4,5)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Solve(1,3,-4)"), "list(0; -4; 1)");
}

TEST_F(CommandRulesTest, PolynomialCommands) {
  EXPECT_EQ(Eval("Quotient(x)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Quotient(x,y,x,y)"), "Error: Too many parameters");
  EXPECT_EQ(Eval("Quotient(x,y)"), "Error: Too many variables");
  EXPECT_EQ(Eval("Remainder(x,y,2)"), "Error: Parameter 3 is not a variable");
  EXPECT_EQ(Eval("GCD(x)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("LCM(4)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Operand(x,y)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Coefficient(x,x,y)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Degree(x,2)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("Lagrange({1,x},x)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("FactorSquareFree(x y)"), "Error: Too many variables");
  EXPECT_EQ(Eval("Factor(x,y)"), "Error: Syntax Error");
}

TEST_F(CommandRulesTest, EvalSubstitutes) {
  EXPECT_EQ(Eval("Eval(x^2+1,x,3)"), "10");
  EXPECT_EQ(Eval("Eval(x*y,{x,y},{2,3})"), "6");
  EXPECT_EQ(Eval("Eval(sin(x),x,π/6)"), "1/2");
  EXPECT_EQ(Eval("Eval(x*y,{x,2},{2,3})"), "Error: Parameter 2 is not a list of variables.");
  EXPECT_EQ(Eval("Eval(x,{x},{1,2})"), "Error: Parameter 2 and 3 must be the same length.");
  EXPECT_EQ(Eval("Eval(x,2,3)"), "Error: Parameter 2 is not a variable.");
  EXPECT_EQ(Eval("Eval(x)"), "Error: Syntax Error");
}

TEST_F(CommandRulesTest, VarStatsAndAngle) {
  EXPECT_EQ(Eval("VarStats()"), "Error: Syntax Error");
  EXPECT_EQ(Eval("VarStats({1},{2},{3})"), "Error: VarStats(list) or VarStats(list1, list2)");
  EXPECT_EQ(Eval("VarStats(3)"), "Error: Parameter 1 is not a list.");
  EXPECT_EQ(Eval("VarStats({1},2)"), "Error: Parameter 2 is not a list.");
  EXPECT_EQ(Eval("angle(1,2,3,4)"), "Error: angle(degrees, minutes, seconds)");
}

TEST(CommandTable, HelpTextsAndDefaults) {
  EXPECT_EQ(CommandTable::HelpTextForName(u"Fpdf"), u"FPdf(x, numerator df, denominator df)");
  EXPECT_EQ(CommandTable::HelpTextForName(u"Fcdf"), CommandTable::HelpText(55));
  EXPECT_EQ(CommandTable::HelpTextForName(u"Solve"), u"Solve(expression=value, x)");
  EXPECT_TRUE(CommandTable::HelpTextForName(u"sin").empty());
  EXPECT_TRUE(CommandTable::HelpTextForName(u"nothing").empty());
  EXPECT_EQ(CommandTable::HelpText(68), u"\u0084(expression, x) or \u0084(expression, x, a, b)");
  EXPECT_EQ(CommandTable::DefaultArgumentCount(0), 1);
  EXPECT_EQ(CommandTable::DefaultArgumentCount(48), 4);
  EXPECT_EQ(CommandTable::DefaultArgumentCount(82), 0);
  EXPECT_EQ(CommandTable::Row(121).id, -1);
  EXPECT_EQ(CommandTable::Row(80).name, u"Solve");
}

}  // namespace
}  // namespace zentrix::engine
