// Sum with a symbolic or infinite upper bound, and over ranges too long to add
// up: the closed forms against known values and against the term-by-term sum.

#include "engine/commands/calculus/sum_closed_form.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::Tree;
using testkit::Dump;
using testkit::Eval;

constexpr const char* kNoClosedForm = "Error: Unable to find the sum in closed form.";

class SumClosedFormTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

#define EXPECT_SAME(entry, expected) EXPECT_EQ(Eval(entry), Dump(Tree(expected))) << (entry)
// Equal once both are expanded (the factored form depends on Factor).
#define EXPECT_EXPANDS_TO(entry, expected) \
  EXPECT_EQ(Dump(Expand(Tree(entry))), Dump(Expand(Tree(expected)))) << (entry)

TEST_F(SumClosedFormTest, PolynomialsByFaulhaber) {
  EXPECT_EXPANDS_TO("Sum(k,k,1,n)", "n(n+1)/2");
  EXPECT_EXPANDS_TO("Sum(k^2,k,1,n)", "n(n+1)(2n+1)/6");
  EXPECT_EXPANDS_TO("Sum(k^3,k,1,n)", "(n(n+1)/2)^2");
  EXPECT_EXPANDS_TO("Sum(1,k,1,n)", "n");
  EXPECT_EXPANDS_TO("Sum(k,k,m,n)", "(n-m+1)(n+m)/2");
  EXPECT_EXPANDS_TO("Sum(a*k+b,k,0,n)", "a*n(n+1)/2+b(n+1)");
  EXPECT_SAME("Sum(k,k,1,∞)", "∞");
  EXPECT_SAME("Sum(3-k^2,k,1,∞)", "-∞");
  EXPECT_SAME("Sum(0,k,1,∞)", "0");
}

// Random polynomials in k: the closed form at n = N agrees with the sum of
// the N − a + 1 values, over several seeds.
TEST_F(SumClosedFormTest, ClosedFormAgreesWithTermByTermSums) {
  for (unsigned seed : {7u, 8u, 9u}) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coefficient(-9, 9), degree_of(0, 6), low_of(-3, 3);
    for (int trial = 0; trial < 8; ++trial) {
      std::string p = "0";
      for (int j = degree_of(random); j >= 0; --j) {
        p += "+(" + std::to_string(coefficient(random)) + ")*k^" + std::to_string(j);
      }
      const std::string low = std::to_string(low_of(random));
      const std::string closed = "Sum(" + p + ",k," + low + ",n)";
      for (int n : {3, 8, 20}) {
        EXPECT_EQ(Eval("Eval(" + closed + ",n," + std::to_string(n) + ")"),
                  Eval("Sum(" + p + ",k," + low + "," + std::to_string(n) + ")"))
            << closed << " at n = " << n;
      }
    }
  }
}

TEST_F(SumClosedFormTest, GeometricSeries) {
  EXPECT_SAME("Sum(1/2^k,k,0,∞)", "2");
  EXPECT_SAME("Sum(3/2^k,k,1,∞)", "3");
  EXPECT_SAME("Sum((1/3)^k,k,1,∞)", "1/2");
  EXPECT_SAME("Sum(2^k,k,0,n)", "2^(n+1)-1");
  EXPECT_SAME("Eval(Sum(x^k,k,0,n),{x,n},{3,4})", "121");
  EXPECT_SAME("Sum(k+1/2^k,k,1,n)", "n*(n+1)/2+1-(1/2)^n");
  EXPECT_SAME("Sum(2^k,k,0,∞)", "∞");
  // (−2)^k oscillates; x^k to ∞ depends on x.
  EXPECT_EQ(Eval("Sum((-2)^k,k,0,∞)"), kNoClosedForm);
  EXPECT_EQ(Eval("Sum(x^k,k,0,∞)"), kNoClosedForm);
}

TEST_F(SumClosedFormTest, PSeries) {
  EXPECT_SAME("Sum(1/k^2,k,1,∞)", "π^2/6");
  EXPECT_SAME("Sum(1/k^4,k,1,∞)", "π^4/90");
  EXPECT_SAME("Sum(3/k^2,k,2,∞)", "π^2/2-3");
  EXPECT_SAME("Sum(1/(k+1)^2,k,0,∞)", "π^2/6");
  EXPECT_SAME("Sum(1/k,k,1,∞)", "∞");
  EXPECT_SAME("Sum(1/√(k),k,1,∞)", "∞");
  EXPECT_EQ(Eval("Sum(1/k^3,k,1,∞)"), kNoClosedForm);
  // The term at k = 0 is undefined.
  EXPECT_EQ(Eval("Sum(1/k^2,k,0,∞)"), kNoClosedForm);
}

TEST_F(SumClosedFormTest, TelescopingRationalTerms) {
  EXPECT_SAME("Sum(1/(k*(k+1)),k,1,∞)", "1");
  EXPECT_SAME("Sum(1/(k*(k+1)),k,1,n)", "1-1/(n+1)");
  EXPECT_SAME("Sum(1/(4k^2-1),k,1,∞)", "1/2");
  EXPECT_SAME("Sum(1/(k*(k+2)),k,1,∞)", "3/4");
  EXPECT_SAME("Sum(1/(k*(k+1)*(k+2)),k,1,∞)", "1/4");
  EXPECT_SAME("Sum(1/(k^2-1),k,2,∞)", "3/4");
  EXPECT_EQ(Eval("Sum(1/(k*(k+1)),k,0,∞)"), kNoClosedForm);  // 1/0 at k = 0
  EXPECT_EQ(Eval("Sum(1/(k^2+1),k,0,∞)"), kNoClosedForm);
  EXPECT_EQ(Eval("Sum(sin(k),k,1,n)"), kNoClosedForm);
}

TEST_F(SumClosedFormTest, BoundsAndLongRanges) {
  EXPECT_EQ(Eval("Sum(k,k,1,1000000)"), "500000500000");
  // Beyond the exact range of binary64 the closed form would be rounded.
  EXPECT_EQ(Eval("Sum(k,k,1,10000000000)"), "Error: The range is too large.");
  // Values added up one by one until the result passes its size bound.
  EXPECT_EQ(Eval("Sum(sin(k*x),k,1,20000)"), "Error: The expression is too large.");
  EXPECT_EQ(Eval("Product(sin(k*x),k,1,30000)"), "Error: The expression is too large.");
  EXPECT_EQ(Eval("Sum(k,k,1,k)"), "Error: Parameter 4 is not an integer");
  EXPECT_EQ(Eval("Sum(k,k,1,-∞)"), "Error: Parameter 4 is not an integer");
  EXPECT_EQ(Eval("Sum(k,k,k,5)"), "Error: Parameter 3 is not an integer");
  EXPECT_EQ(Eval("Product(k,k,1,n)"), "Error: Parameter 4 is not an integer");
}

}  // namespace
}  // namespace zentrix::engine
