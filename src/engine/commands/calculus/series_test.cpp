#include "engine/commands/calculus/series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::RealAt;
using calculus_testing::Tree;
using testkit::Dump;
using testkit::Eval;

class SeriesTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

#define EXPECT_SAME(entry, expected) EXPECT_EQ(Eval(entry), Dump(Tree(expected))) << (entry)

TEST_F(SeriesTest, TaylorPolynomials) {
  EXPECT_SAME("Series(ℯ^x,x,0,3)", "1+x+x^2/2+x^3/6");
  EXPECT_SAME("Series(sin(x),x,0,5)", "x-x^3/6+x^5/120");
  EXPECT_SAME("Series(x^2,x,1,3)", "1+2(x-1)+(x-1)^2");
  EXPECT_SAME("Series(cos(x),x,0,0)", "1");
  EXPECT_SAME("Series(sin(x),x,π/6,1)", "1/2+sqrt(3)/2*(x-π/6)");
  EXPECT_EQ(Eval("Series(1/x,x,0,2)"), "Error: Unable to find the series");
  EXPECT_EQ(Eval("Series(abs(x),x,1,2)"), "Error: Unable to find the series");
  EXPECT_EQ(Eval("Series({x},x,0,2)"), "Error: Unable to find the series");
  EXPECT_EQ(Eval("Series(x,x,0,-1)"), "Error: Unable to find the series");
  // No Taylor polynomial at a root's branch point: 0 to a negative power.
  EXPECT_EQ(Eval("Series(√(x),x,0,1)"), "Error: Unable to find the series");
  EXPECT_EQ(Eval("Series(x^(1/3),x,0,1)"), "Error: Unable to find the series");
}

TEST_F(SeriesTest, HugeOrdersAreRefused) {
  EXPECT_EQ(Eval("Series(ℯ^x,x,0,1000000000)"), "Error: The expression is too large.");
  EXPECT_EQ(Eval("Series(ln(1+x),x,0,171)"), "Error: The expression is too large.");
  // Whichever bound comes first on this machine: the size or the entry's clock.
  {
    const std::string answer = Eval("Series(x^x,x,1,150)");
    EXPECT_TRUE(answer == "Error: The expression is too large." ||
                answer == "Error: The calculation takes too long.")
        << answer;
  }
}

// The error of the order-n polynomial near 0 shrinks like t^(n+1): halving t
// divides it by about 2^(n+1), and a wrong coefficient of order n or lower
// would leave a factor of 2^n or less.
TEST_F(SeriesTest, AgreesWithTheFunctionToItsOrder) {
  const char* functions[] = {"ℯ^x",     "sin(x)",   "cos(x)",     "ln(1+x)",
                             "1/(1-x)", "atan(x)",  "sqrt(1+x)",  "ℯ^(sin(x))",
                             "tanh(x)", "cosh(2x)", "(1+x)^(-3)", "asin(x)"};
  for (const char* f : functions) {
    ExprNode g = Tree(f);
    for (int n = 1; n <= 7; ++n) {
      std::string entry = "Series(";
      entry += f;
      entry += ",x,0,";
      entry += std::to_string(n);
      entry += ')';
      ExprNode s = Tree(entry);
      const double t = 0.1;
      std::optional<double> g1 = RealAt(g, t), s1 = RealAt(s, t);
      std::optional<double> g2 = RealAt(g, t / 2), s2 = RealAt(s, t / 2);
      ASSERT_TRUE(g1 && s1 && g2 && s2) << f;
      const double e1 = std::fabs(*g1 - *s1), e2 = std::fabs(*g2 - *s2);
      EXPECT_LT(e1, 100 * std::pow(t, n + 1)) << f << " order " << n << ": " << Dump(s);
      if (e1 > 1e-13) {
        EXPECT_LT(e2 / e1, 0.75 * std::pow(0.5, n)) << f << " order " << n << ": " << Dump(s);
      }
    }
  }
}

TEST_F(SeriesTest, FourierPolynomials) {
  EXPECT_SAME("FSeries(x,x,2)", "2sin(x)-sin(2x)");
  EXPECT_SAME("FSeries(x^2,2)", "π^2/3-4cos(x)+cos(2x)");
  EXPECT_SAME("FSeries(sin(x)^2,x,2)", "1/2-cos(2x)/2");
  // An integral without rule stays inside the result.
  EXPECT_NE(Eval("FSeries(ℯ^(x^2),x,1)").find("Integrate"), std::string::npos);
  EXPECT_EQ(Eval("FSeries(x,x,1000000)"), "Error: The expression is too large.");
}

TEST_F(SeriesTest, SumsAndProducts) {
  EXPECT_SAME("Sum(k^2,k,1,10)", "385");
  EXPECT_SAME("Product(k,k,1,5)", "120");
  EXPECT_SAME("Sum(1/k,k,1,4)", "25/12");
  EXPECT_SAME("Sum(x^k,k,0,3)", "1+x+x^2+x^3");
  EXPECT_SAME("Product(x+k,k,1,2)", "(x+1)(x+2)");
  EXPECT_SAME("Sum(k,k,5,1)", "0");
  EXPECT_SAME("Product(k,k,3,1)", "1");
  EXPECT_SAME("Sum(k,k,-3,3)", "0");
  EXPECT_EQ(Eval("Sum({k},k,1,2)"), "Error: General");
}

TEST_F(SeriesTest, SumAndProductBounds) {
  EXPECT_EQ(Eval("Sum(k,k,1,10000000000)"), "Error: The range is too large.");
  EXPECT_EQ(Eval("Product(k,k,-5000000000,5000000000)"), "Error: The range is too large.");
  EXPECT_EQ(Eval("Sum(x^k*y,k,1,90000)"), "Error: The expression is too large.");
}

TEST_F(SeriesTest, NumericIntegration) {
  EXPECT_EQ(Eval("NIntegrate(x^2,0,3)"), "9");
  auto near = [](const char* entry, double want) {
    ExprNode v = Tree(entry);
    ASSERT_TRUE(v.IsNumber()) << entry;
    EXPECT_NEAR(v.coefficient().RealValue(), want, 1e-10 * std::fmax(1.0, std::fabs(want)))
        << entry;
  };
  near("NIntegrate(ℯ^(-x^2),0,100000)", std::sqrt(M_PI) / 2);
  near("NIntegrate(1/√(x),0,1)", 2);
  near("NIntegrate(4x/√(1-x^4),0,1)", M_PI);
  near("NIntegrate(1/(1+x^2),-∞,∞)", M_PI);
  near("NIntegrate(ℯ^x,-∞,0)", 1);
  near("NIntegrate(sin(x),0,π)", 2);
  EXPECT_EQ(Eval("NIntegrate(1/x,0,1)"), "Error: Unable to integrate");
  EXPECT_EQ(Eval("NIntegrate(1,0,∞)"), "Error: Unable to integrate");
  EXPECT_EQ(Eval("NIntegrate(x,0,y)"), "Error: Unable to integrate");
  EXPECT_EQ(Eval("NIntegrate(x*y,0,1)"), "Error: Too many variables found.");
  EXPECT_EQ(Eval("NIntegrate(ln(x),-1,1)"), "Error: Unable to integrate");
  EXPECT_EQ(Eval("NIntegrate({x},0,1)"), "Error: Unable to integrate");
  ExprNode v = Tree("NIntegrate(sin(x),0,3)");
  ASSERT_TRUE(v.IsNumber());
  EXPECT_NEAR(v.coefficient().RealValue(), 1 - std::cos(3.0), 1e-14);
}

// Polynomials of high degree come out to full precision.
TEST_F(SeriesTest, NumericIntegrationOfHighDegreePolynomials) {
  for (int k : {0, 1, 2, 17, 127, 200, 254, 255}) {
    std::string entry = "NIntegrate(x^";
    entry += std::to_string(k);
    entry += ",0,3)";
    ExprNode v = Tree(entry);
    ASSERT_TRUE(v.IsNumber()) << k;
    const double exact = std::pow(3.0, k + 1) / (k + 1);
    EXPECT_NEAR(v.coefficient().RealValue() / exact, 1.0, 1e-13) << k;
  }
  // A dense polynomial of degree 255 over [-1, 2].
  std::string p = "0";
  double exact = 0;
  for (int k = 0; k <= 255; ++k) {
    const int c = (k * 37) % 11 - 5;
    p += c < 0 ? '-' : '+';
    p += std::to_string(std::abs(c));
    p += "*x^";
    p += std::to_string(k);
    exact += c * (std::pow(2.0, k + 1) - std::pow(-1.0, k + 1)) / (k + 1);
  }
  std::string entry = "NIntegrate(";
  entry += p;
  entry += ",-1,2)";
  ExprNode v = Tree(entry);
  ASSERT_TRUE(v.IsNumber());
  EXPECT_NEAR(v.coefficient().RealValue() / exact, 1.0, 1e-13);
}

}  // namespace
}  // namespace zentrix::engine
