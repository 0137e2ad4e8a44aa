// nCr, nPr and n! of integers are exact; beyond the exact range they are refused.

#include <gtest/gtest.h>

#include "engine/commands/testing/test_support.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

TEST(ArrangementsTest, IntegerArgumentsAreExact) {
  EXPECT_EQ(Eval("nCr(5,2)"), "10");
  EXPECT_EQ(Eval("nPr(5,2)"), "20");
  EXPECT_EQ(Eval("nCr(2,5)"), "0");
  EXPECT_EQ(Eval("nCr(7,0)"), "1");
  // Products in binary64 answer ...974 and ...513 for these.
  EXPECT_EQ(Eval("nCr(55,32)"), "1866442158555975");
  EXPECT_EQ(Eval("nCr(56,25)"), "5574440580220512");
  EXPECT_EQ(Eval("nPr(18,18)"), "6402373705728000");
  EXPECT_EQ(Eval("nCr(70,35)"), "Error: The exact result is too large for exact numbers.");
  EXPECT_EQ(Eval("nPr(30,30)"), "Error: The exact result is too large for exact numbers.");
  // Non-integers take the gamma function.
  EXPECT_EQ(Eval("nCr(4.5,2)"), "7.875");
}

// 25! answered a rounded number that exact arithmetic then trusted
// (GCD(25!, 3^20) gave 1): factorials binary64 holds are exact products,
// larger ones decimals, and the gcd of an integer beyond the exact range is
// refused.
TEST(ArrangementsTest, FactorialsAreExactOrDecimal) {
  const std::string refused = "Error: The exact result is too large for exact numbers.";
  EXPECT_EQ(Eval("18!"), "6402373705728000");
  EXPECT_EQ(Eval("22!"), Eval("1124000727777607680000"));
  EXPECT_EQ(Eval("30!").substr(0, 7), "2.65252");
  EXPECT_EQ(Eval("GCD(25!,3^20)"), refused);
  EXPECT_EQ(Eval("GCD(3^40,3)"), refused);
  EXPECT_EQ(Eval("GCD(18!,3^20)"), "6561");
  // Non-integers still take the gamma function.
  EXPECT_EQ(Eval("2.5!").substr(0, 7), "3.32335");
}

}  // namespace
}  // namespace zentrix::engine
