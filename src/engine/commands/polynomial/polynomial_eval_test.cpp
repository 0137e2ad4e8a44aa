// The polynomial commands as entries, through the evaluator and the simplifier:
// results must equal the canonical trees of the same values typed directly.

#include <gtest/gtest.h>

#include "engine/commands/testing/test_support.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

TEST(PolynomialEntryTest, ExpandMatchesTypedCanonicalForm) {
  EXPECT_EQ(Eval("Expand((x+1)^3)"), Eval("x^3+3x^2+3x+1"));
  EXPECT_EQ(Eval("Expand((x+y)^2*(x-y))"), Eval("x^3+x^2*y-x*y^2-y^3"));
  EXPECT_EQ(Eval("Expand((x+y+1)^2)"), Eval("x^2+y^2+2x*y+2x+2y+1"));
  EXPECT_EQ(Eval("Expand(x*(x+sin(y)))"), Eval("x^2+x*sin(y)"));
  EXPECT_EQ(Eval("Expand(sqrt(x)*(sqrt(x)+1))"), Eval("x+sqrt(x)"));
  EXPECT_EQ(Eval("Expand(5)"), Eval("5"));
}

TEST(PolynomialEntryTest, FactorAndFriends) {
  EXPECT_EQ(Eval("Factor(x^2-1)"), Eval("(x-1)*(x+1)"));
  EXPECT_EQ(Eval("Factor(6x^2+5x+1)"), Eval("(2x+1)*(3x+1)"));
  EXPECT_EQ(Eval("Factor(x^2+1)"), Eval("x^2+1"));
  EXPECT_EQ(Eval("Factor(x^3+3x^2+3x+1)"), Eval("(x+1)^3"));
  EXPECT_EQ(Eval("FactorSquareFree(x^3-x^2-x+1)"), Eval("(x+1)*(x-1)^2"));
  EXPECT_EQ(Eval("GCD(x^2-1, x^2+2x+1)"), Eval("x+1"));
  EXPECT_EQ(Eval("GCD(12, 18)"), Eval("6"));
  EXPECT_EQ(Eval("LCM(4, 6)"), Eval("12"));
  EXPECT_EQ(Eval("PolyDivide(x^3+1, x+1)"), Eval("{x^2-x+1, 0}"));
  EXPECT_EQ(Eval("PolyDivide(x, x^2+1)"), Eval("{0, x}"));
  EXPECT_EQ(Eval("Quotient(x*y+1, y)"), "Error: Too many variables");
  EXPECT_EQ(Eval("Degree(x^3*y+x, x)"), Eval("3"));
  EXPECT_EQ(Eval("Degree(sin(x), x)"), Eval("0"));
  EXPECT_EQ(Eval("Lagrange({1, 3, 7}, x)"), Eval("x^2+x+1"));
  EXPECT_EQ(Eval("Normalize(2x+4)"), Eval("x+2"));
  EXPECT_EQ(Eval("Coefficient(3x^2+2x+1, x, 2)"), Eval("3"));
}

TEST(PolynomialEntryTest, FractionsAndTogether) {
  EXPECT_EQ(Eval("Numerator(x/(x+1))"), Eval("x"));
  EXPECT_EQ(Eval("Denominator(x/(x+1))"), Eval("x+1"));
  EXPECT_EQ(Eval("Denominator(tan(x))"), Eval("cos(x)"));
  EXPECT_EQ(Eval("Together(1/(x-1)+1/(x+1))"), Eval("2x/((x-1)*(x+1))"));
}

TEST(PolynomialEntryTest, NonPolynomialsTakeTheirFallbacks) {
  EXPECT_EQ(Eval("GCD(sin(x), x)"), Eval("1"));
  EXPECT_EQ(Eval("PolyDivide(sin(x), x)"), Eval("{0, 0}"));
  EXPECT_EQ(Eval("Factor(sin(x))"), Eval("sin(x)"));
  EXPECT_EQ(Eval("FactorSquareFree(sin(x))"), Eval("sin(x)"));
  EXPECT_EQ(Eval("Operand(x^2+3, 5)"), "Error: Parameter 2 is out of range");
  // Twenty sample divisor lists too long to combine: unchanged, and quickly.
  const std::string big = "x^20+720720x+735134400";
  EXPECT_EQ(Eval("Factor(" + big + ")"), Eval(big));
}

TEST(PolynomialEntryTest, HugeExpansionIsAnError) {
  EXPECT_EQ(Eval("Expand((x+y+z+w+1)^300)"), "Error: The polynomial is too large.");
}

}  // namespace
}  // namespace zentrix::engine
