#include "engine/commands/simplify/trig_reduce.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::Close;
using calculus_testing::RealAt;
using calculus_testing::Tree;
using testkit::Dump;

class TrigReduceTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

#define EXPECT_SAME(entry, expected) EXPECT_EQ(Dump(Tree(entry)), Dump(Tree(expected))) << (entry)

TEST_F(TrigReduceTest, ProductToSumAndPowerReduction) {
  EXPECT_SAME("TrigReduce(sin(x)*cos(x))", "sin(2x)/2");
  EXPECT_SAME("TrigReduce(sin(x)^2)", "1/2-cos(2x)/2");
  EXPECT_SAME("TrigReduce(cos(x)^2)", "1/2+cos(2x)/2");
  EXPECT_SAME("TrigReduce(sin(x)^2*cos(x)^2)", "1/8-cos(4x)/8");
  EXPECT_SAME("TrigReduce(sin(x)*sin(x+y))", "cos(y)/2-cos(2x+y)/2");
  // Other factors multiply each term; arguments of functions are reduced too.
  EXPECT_SAME("TrigReduce(x*sin(x)*cos(x))", "x*sin(2x)/2");
  EXPECT_SAME("TrigReduce(ln(sin(x)^2))", "ln(1/2-cos(2x)/2)");
  // Nothing to reduce.
  EXPECT_SAME("TrigReduce(sin(x)+tan(x)^2)", "sin(x)+tan(x)^2");
  EXPECT_SAME("TrigReduce(3)", "3");
}

TEST_F(TrigReduceTest, VeryHighPowersAreLeftAlone) {
  ExprNode r = Tree("TrigReduce(sin(x)^65)");
  EXPECT_TRUE(r.IsOperandPower()) << Dump(r);
}

TEST_F(TrigReduceTest, KeepsTheValue) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> pick(0, 3);
  const char* factors[] = {"sin(x)", "cos(2x)", "sin(3x-1)", "cos(x)^3"};
  for (int i = 0; i < 40; ++i) {
    std::string text = "TrigReduce(";
    const int count = 2 + i % 4;
    std::string product;
    for (int k = 0; k < count; ++k) product += std::string(k ? "*" : "") + factors[pick(rng)];
    ExprNode f = Tree(product);
    ExprNode reduced = Tree(text + product + ")");
    for (double t : {-0.7, 0.2, 1.1}) {
      std::optional<double> a = RealAt(f, t);
      std::optional<double> b = RealAt(reduced, t);
      ASSERT_TRUE(a && b) << product;
      EXPECT_TRUE(Close(*a, *b, 1e-12)) << product << " -> " << Dump(reduced);
    }
  }
}

}  // namespace
}  // namespace zentrix::engine
