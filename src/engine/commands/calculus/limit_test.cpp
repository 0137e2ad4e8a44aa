#include "engine/commands/calculus/limit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::Tree;
using testkit::Dump;
using testkit::Eval;

class LimitTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

#define EXPECT_LIMIT(entry, expected) EXPECT_EQ(Eval(entry), Dump(Tree(expected))) << (entry)

constexpr const char* kNoTwoSided = "Error: The two-sided limit does not exist";
constexpr const char* kNotFound = "Error: Could not find the limit";

TEST_F(LimitTest, ConstantsMonomialsAndContinuousFunctions) {
  EXPECT_LIMIT("Limit(y,x,3)", "y");
  EXPECT_LIMIT("Limit(x^2+3x,x,2)", "10");
  EXPECT_LIMIT("Limit(sin(x)+ℯ^x,x,0)", "1");
  EXPECT_LIMIT("Limit(x^2,x,y)", "y^2");
  EXPECT_LIMIT("Limit(x^2,4)", "16");
  EXPECT_LIMIT("Limit(sqrt(x),x,0)", "0");
}

TEST_F(LimitTest, OneSidedRuleAtPoles) {
  EXPECT_EQ(Eval("Limit(1/x,x,0)"), kNoTwoSided);
  EXPECT_LIMIT("Limit(1/x,x,0,1)", "∞");
  EXPECT_LIMIT("Limit(1/x,x,0,-1)", "-∞");
  EXPECT_LIMIT("Limit(-3/x^2,x,0)", "-∞");
  EXPECT_LIMIT("Limit(1/x^3,x,0,-1)", "-∞");
  EXPECT_EQ(Eval("Limit(1/(x-1),x,1)"), kNoTwoSided);
  EXPECT_LIMIT("Limit(1/(x-1),x,1,1)", "∞");
  EXPECT_LIMIT("Limit(1/(x-1)^2,x,1)", "∞");
  EXPECT_LIMIT("Limit(1/(1-x),x,1,1)", "-∞");
  EXPECT_LIMIT("Limit(x^(-1/2),x,0,1)", "∞");
  EXPECT_EQ(Eval("Limit(x^(-1/2),x,0,-1)"), kNotFound);
  EXPECT_LIMIT("Limit(ℯ^(1/x),x,0,-1)", "0");
  EXPECT_LIMIT("Limit(ℯ^(1/x),x,0,1)", "∞");
  EXPECT_LIMIT("Limit(cos(x)/x^2,x,0)", "∞");
}

TEST_F(LimitTest, AtInfinity) {
  EXPECT_LIMIT("Limit((1+2/x)^x,x,∞)", "ℯ^2");
  EXPECT_LIMIT("Limit((1+2/x)^(3x),x,∞)", "ℯ^6");
  EXPECT_LIMIT("Limit((x^2+1)/(2x^2-3),x,∞)", "1/2");
  EXPECT_LIMIT("Limit((x+1)/(x^2+1),x,-∞)", "0");
  EXPECT_LIMIT("Limit(x^3/(x+1),x,-∞)", "∞");
  EXPECT_LIMIT("Limit(x^2/(1-x),x,∞)", "-∞");
  EXPECT_LIMIT("Limit(x^2-x,x,∞)", "∞");
  EXPECT_LIMIT("Limit(x^3,x,-∞)", "-∞");
  EXPECT_LIMIT("Limit(1/x,x,-∞)", "0");
  EXPECT_LIMIT("Limit(sqrt(x),x,∞)", "∞");
  EXPECT_LIMIT("Limit(ℯ^(-x),x,∞)", "0");
  EXPECT_LIMIT("Limit(atan(x),x,-∞)", "-π/2");
  EXPECT_LIMIT("Limit(sin(x)/x,x,∞)", "0");
  EXPECT_LIMIT("Limit(x/ℯ^x,x,∞)", "0");
  EXPECT_LIMIT("Limit(ln(x)/x,x,∞)", "0");
}

// Oscillating functions at infinity give the interval they stay in; products,
// negatives and reciprocals of such intervals reorder or widen the bounds.
TEST_F(LimitTest, BoundsOfOscillationsAtInfinity) {
  EXPECT_EQ(Eval("Limit(sin(x),x,∞)"), "interval(0; -1; 1)");
  EXPECT_EQ(Eval("Limit(-2*sin(x),x,∞)"), "interval(0; -2; 2)");
  EXPECT_EQ(Eval("Limit(sin(x)*cos(x),x,∞)"), "interval(0; -1; 1)");
  EXPECT_EQ(Eval("Limit(sin(x)^2,x,∞)"), "interval(0; 0; 1)");
  EXPECT_EQ(Eval("Limit(sin(x)+3,x,∞)"), "interval(0; 2; 4)");
  EXPECT_EQ(Eval("Limit(1/(2+sin(x)),x,∞)"), "interval(0; 1/3; 1)");
  EXPECT_EQ(Eval("Limit(tan(x)*2,x,∞)"), "interval(0; -inf; inf)");
  EXPECT_EQ(Eval("Limit(sin(x)*atan(x),x,∞)"), "interval(0; sum(0; -1/2*π); sum(0; 1/2*π))");
}

TEST_F(LimitTest, LHopital) {
  EXPECT_LIMIT("Limit(sin(x)/x,x,0)", "1");
  EXPECT_LIMIT("Limit((x^2-1)/(x-1),x,1)", "2");
  EXPECT_LIMIT("Limit((1-cos(x))/x^2,x,0)", "1/2");
  EXPECT_LIMIT("Limit((ℯ^x-1-x)/x^2,x,0)", "1/2");
  EXPECT_LIMIT("Limit((x^2-y^2)/(x-y),x,y)", "2y");
  // ∞ − ∞ over one denominator, 0·∞ as a quotient, indeterminate powers.
  EXPECT_LIMIT("Limit(1/x-1/sin(x),x,0)", "0");
  EXPECT_LIMIT("Limit(x*ln(x),x,0,1)", "0");
  EXPECT_LIMIT("Limit((1+x)^(1/x),x,0)", "ℯ");
  EXPECT_LIMIT("Limit(x^x,x,0,1)", "1");
}

TEST_F(LimitTest, Failures) {
  EXPECT_EQ(Eval("Limit(abs(x)/x,x,0)"), kNoTwoSided);
  EXPECT_EQ(Eval("Limit(floor(x),x,1)"), kNotFound);
  EXPECT_LIMIT("Limit(floor(x),x,1/2)", "0");
  EXPECT_EQ(Eval("Limit(tan(x),x,π/2)"), kNoTwoSided);
  EXPECT_EQ(Eval("Limit({x},x,0)"), kNotFound);
  EXPECT_EQ(Eval("Limit(x,x,0,2)"), "Error: Direction must be -1, 0, or 1");
  // Oscillation at infinity is the interval of the values.
  EXPECT_EQ(Eval("Limit(sin(x),x,∞)"), "interval(0; -1; 1)");
}

TEST_F(LimitTest, DeepLHopitalChainsStop) {
  // Each application of the rule leaves the same 0/0 shape: bounded, then a failure.
  EXPECT_EQ(Eval("Limit(x^20*sin(x)/(x^10*(1-cos(x))^10),x,0)").rfind("Error", 0), 0u);
}

// Inverse functions at 0, equal radicals that cancel, a product whose parts
// only have one-sided limits, and tan, sec, csc and cot at their poles.
TEST_F(LimitTest, ValuesThatOnceWentWrong) {
  EXPECT_LIMIT("Limit(x*ln(x^2),x,0)", "0");
  EXPECT_LIMIT("Limit(x*ln(abs(x)),x,0)", "0");
  EXPECT_LIMIT("Limit(x/atan(x),x,0)", "1");
  EXPECT_LIMIT("Limit(sin(x)/atan(x),x,0)", "1");
  EXPECT_LIMIT("Limit(x/asin(x),x,0)", "1");
  ExprNode v = Tree("Limit(sin(x-2)^3/((x-2)^3*√(x)),x,2)");
  std::optional<double> value = calculus::RealApproximation(v);
  ASSERT_TRUE(value) << Dump(v);
  EXPECT_NEAR(*value, std::sqrt(0.5), 1e-12);
  EXPECT_LIMIT("Limit(tan(x),x,π/2,-1)", "∞");
  EXPECT_LIMIT("Limit(sec(x),x,π/2,1)", "-∞");
  EXPECT_EQ(Eval("Limit(cot(x),x,0)"), kNoTwoSided);
  EXPECT_LIMIT("Limit(csc(x)^2,x,π)", "∞");
}

TEST_F(LimitTest, CompoundInterestWithAnyRate) {
  EXPECT_LIMIT("Limit((1+h/x)^x,x,∞)", "ℯ^h");
  EXPECT_LIMIT("Limit((1+2/x)^x,x,∞)", "ℯ^2");
  EXPECT_LIMIT("Limit((1-1/x)^(2x),x,∞)", "ℯ^(-2)");
  EXPECT_LIMIT("Limit((1+π/x)^(x/2),x,∞)", "ℯ^(π/2)");
}

}  // namespace
}  // namespace zentrix::engine
