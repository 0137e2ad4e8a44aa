// Equations whose variable sits under exp, ln, log10, roots, powers with a
// symbolic exponent, abs and the inverse trigonometric functions; quadratics
// with constant coefficients; false roots of squaring dropped.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

constexpr const char* kUnsolved = "Error: Unable to solve the expression.";

class IsolateTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

TEST_F(IsolateTest, ExponentialsAndLogarithms) {
  EXPECT_EQ(Eval("Solve(ℯ^x=5, x)"), Eval("ln(5)"));
  EXPECT_EQ(Eval("Solve(3ℯ^(2x)=6, x)"), Eval("ln(2)/2"));
  EXPECT_EQ(Eval("Solve(ln(x)=2, x)"), Eval("ℯ^2"));
  EXPECT_EQ(Eval("Solve(ℯ^x=ℯ^3, x)"), "3");
  EXPECT_EQ(Eval("Solve(ℯ^(x^2)=ℯ, x)"), Eval("{-1,1}"));
  EXPECT_EQ(Eval("Solve(log10(x)=3, x)"), "1000");
  EXPECT_EQ(Eval("Solve(2^x=8, x)"), "3");
  EXPECT_EQ(Eval("Solve(3^(x+1)=1/9, x)"), "-3");
  EXPECT_EQ(Eval("Solve(2^x=5, x)"), Eval("ln(5)/ln(2)"));
  // ℯ^u is never 0.
  EXPECT_EQ(Eval("Solve(ℯ^(2x)=0, x)"), kUnsolved);
}

TEST_F(IsolateTest, RootsAndPowers) {
  EXPECT_EQ(Eval("Solve(√(x+3)=3, x)"), "6");
  EXPECT_EQ(Eval("Solve(sqrt(x)=3, x)"), "9");
  EXPECT_EQ(Eval("Solve(x^(1/3)=2, x)"), "8");
  EXPECT_EQ(Eval("Solve(x^(1/2)=4/9, x)"), "16/81");
  // A square root is never negative: the squared equation's root is false.
  EXPECT_EQ(Eval("Solve(√(x+3)=-3, x)"), kUnsolved);
  // x on both sides: squaring gives x = 1 and x = 6; √4 = 2 is not −2.
  EXPECT_EQ(Eval("Solve(√(x+3)=x-3, x)"), "6");
  EXPECT_EQ(Eval("Solve(√(2x+1)=x-1, x)"), "4");
  // Even powers of a function give both signs.
  EXPECT_EQ(Eval("Solve(sin(x)^2=1/4, x)"), Eval("{asin(-1/2),asin(1/2)}"));
}

TEST_F(IsolateTest, ProductsAndAbsoluteValues) {
  EXPECT_EQ(Eval("Solve(2sin(x)=1, x)"), Eval("asin(1/2)"));
  EXPECT_EQ(Eval("Solve(y*cos(x)=1, x)"), Eval("acos(1/y)"));
  EXPECT_EQ(Eval("Solve(abs(x-1)=2, x)"), Eval("{-1,3}"));
  EXPECT_EQ(Eval("Solve(abs(x)=-2, x)"), kUnsolved);
  // The branch ℯ^x = 0 has no root; the other still answers.
  EXPECT_EQ(Eval("Solve(abs(ℯ^x-1)=1, x)"), Eval("ln(2)"));
}

TEST_F(IsolateTest, InverseFunctionsAreUndoneWithinTheirRange) {
  EXPECT_EQ(Eval("Solve(atan(x)=1, x)"), Eval("tan(1)"));
  EXPECT_EQ(Eval("Solve(asin(x)=1/2, x)"), Eval("sin(1/2)"));
  EXPECT_EQ(Eval("Solve(acos(2x)=1, x)"), Eval("cos(1)/2"));
  // asin never reaches 2, acos never −1.
  EXPECT_EQ(Eval("Solve(asin(x)=2, x)"), kUnsolved);
  EXPECT_EQ(Eval("Solve(acos(x)=-1, x)"), kUnsolved);
}

// Roots of quadratics whose coefficients are constants other than numbers.
TEST_F(IsolateTest, QuadraticsWithConstantCoefficients) {
  struct Case {
    const char* entry;
    double a, b, c;
  };
  const double root2 = std::sqrt(2.0), ln2 = std::log(2.0), pi = 3.141592653589793;
  for (const Case& k : {Case{"Solve(x^2-√(2)x+1=0, x)", 1, -root2, 1},
                        Case{"Solve(ln(2)x^2-x-1=0, x)", ln2, -1, -1},
                        Case{"Solve(π*x^2+√(3)x=2, x)", pi, std::sqrt(3.0), -2},
                        Case{"Solve(√(2)x=1, x)", 0, root2, -1}}) {
    std::optional<ExprNode> answer = EvaluateExpression(chars::U16(k.entry));
    ASSERT_TRUE(answer) << k.entry;
    std::vector<ExprNode> roots;
    if (answer->IsList()) {
      roots = answer->operands();
    } else {
      roots.push_back(*answer);
    }
    EXPECT_EQ(roots.size(), k.a == 0 ? 1u : 2u) << k.entry;
    for (const ExprNode& r : roots) {
      const ExprNode v = Approximate(r);
      ASSERT_TRUE(v.IsNumber()) << k.entry;
      const std::complex<double> z(v.coefficient().RealValue(), v.coefficient().ImagValue());
      EXPECT_LE(std::abs(k.a * z * z + k.b * z + k.c), 1e-9) << k.entry;
    }
  }
  // Coefficients with variables stay unsolved, as before.
  EXPECT_EQ(Eval("Solve(a*t=3, t)"), kUnsolved);
}

}  // namespace
}  // namespace zentrix::engine
