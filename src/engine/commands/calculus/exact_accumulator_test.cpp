// Sum and Product of exact numbers: the exact value, a decimal for a fraction
// beyond the exact range, and a message for an integer beyond it.

#include <gtest/gtest.h>

#include "engine/commands/testing/test_support.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

TEST(ExactSumTest, SumsAndProductsOfExactNumbers) {
  EXPECT_EQ(Eval("Sum(1/k,k,1,20)"), Eval("55835135/15519504"));
  EXPECT_EQ(Eval("Sum(k^3,k,1,1000)"), "250500250000");
  EXPECT_EQ(Eval("Product(k,k,1,18)"), "6402373705728000");
  EXPECT_EQ(Eval("Product(1-1/k^2,k,2,30)"), Eval("31/60"));
  // 25! and Σk^10 up to 1000 are integers binary64 cannot hold.
  EXPECT_EQ(Eval("Product(k,k,1,25)"), "Error: The exact result is too large for exact numbers.");
  EXPECT_EQ(Eval("Sum(k^10,k,1,1000)"), "Error: The exact result is too large for exact numbers.");
  // The harmonic number H_60 has a denominator beyond the range: a decimal.
  EXPECT_EQ(Eval("Sum(1/k,k,1,60)"), "4.6798704129517379");
  // Values that are not exact numbers keep the symbolic sum.
  EXPECT_EQ(Eval("Sum(x^k,k,1,3)"), Eval("x^3+x^2+x"));
  EXPECT_EQ(Eval("Sum(0.5k,k,1,4)"), Eval("5.0"));
}

}  // namespace
}  // namespace zentrix::engine
