#include "engine/core/number.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

class NumberTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

void ExpectFraction(const Number& n, double num, double den) {
  EXPECT_TRUE(n.IsFinite());
  EXPECT_EQ(n.RealNumerator(), num);
  EXPECT_EQ(n.RealDenominator(), den);
  EXPECT_EQ(n.ImagNumerator(), 0.0);
}

TEST_F(NumberTest, NormalisingConstructorReducesAndRaisesTheFlagOnlyWhenItReduces) {
  ExpectFraction(Number::Ratio(6, 4), 3, 2);
  EXPECT_TRUE(RewriteFlag());

  ClearRewriteFlag();
  Number two = Number::Ratio(6, 3);
  EXPECT_TRUE(two.IsInteger());
  EXPECT_EQ(two.RealValue(), 2.0);

  ClearRewriteFlag();
  ExpectFraction(Number::Ratio(1, 3), 1, 3);
  EXPECT_FALSE(RewriteFlag());

  ExpectFraction(Number::Ratio(3, -6), -1, 2);
  ExpectFraction(Number::Ratio(3, -1), -3, 1);
  ExpectFraction(Number::Ratio(0, 7), 0, 1);
  EXPECT_TRUE(Number::Ratio(5, 0).IsPlusInfinity());
  EXPECT_TRUE(Number::Ratio(-5, 0).IsPlusInfinity());

  Number quarter = Number::Ratio(0.5, 2);
  ExpectFraction(quarter, 0.25, 1);
  EXPECT_TRUE(quarter.IsDecimal());
  EXPECT_FALSE(quarter.IsInteger());
}

TEST_F(NumberTest, ExactFractionsReachTheLimitOfDoublesNotOf32BitIntegers) {
  // 3·2^40 / 2^41 = 3/2, beyond any 32-bit numerator.
  ExpectFraction(Number::Ratio(3 * std::ldexp(1, 40), std::ldexp(1, 41)), 3, 2);
  // Both sides of 2^53 - 1 are exact; the reduction is exact too.
  const double big = 9007199254740991.0;  // 2^53 - 1 = 6361 · 69431 · 20394401
  ExpectFraction(Number::Ratio(big, 3 * 6361.0), big / 6361.0, 3);
  // Beyond 2^53 no divisor is computed and the value is a decimal.
  Number huge = Number::Ratio(std::ldexp(1, 60), 3);
  EXPECT_EQ(huge.RealDenominator(), 1.0);
  EXPECT_DOUBLE_EQ(huge.RealValue(), std::ldexp(1, 60) / 3);
  // 32-bit results are as before.
  ExpectFraction(Number::Ratio(2147483646, 4294967292.0), 1, 2);
  EXPECT_EQ(NumberGcd(-12, 18), 6.0);
  EXPECT_EQ(NumberGcd(1.5, 3), 1.0);
  EXPECT_EQ(NumberGcd(0, 0), 0.0);
}

TEST_F(NumberTest, ExactAndDecimalSums) {
  Number sum = Number::Ratio(1, 2) + Number::Ratio(1, 3);
  ExpectFraction(sum, 5, 6);
  EXPECT_TRUE(RewriteFlag());

  Number decimal = Number(0.5) + Number::Ratio(1, 3);
  EXPECT_EQ(decimal.RealDenominator(), 1.0);
  EXPECT_DOUBLE_EQ(decimal.RealValue(), 0.5 + 1.0 / 3.0);

  ExpectFraction(Number(2) + Number::Ratio(1, 3), 7, 3);
  ExpectFraction(Number::Ratio(1, 3) + Number(2), 7, 3);
  ExpectFraction(Number::Ratio(1, 2) - Number::Ratio(1, 2), 0, 1);
  Number c = Number::Complex(1, 2) + Number::Ratio(1, 2);
  EXPECT_EQ(c, Number::Raw(3, 2, 2, 1));
}

TEST_F(NumberTest, InfinitiesAndUndefinedSums) {
  const Number inf = Number::PlusInfinity(), minf = Number::MinusInfinity();
  EXPECT_TRUE((inf + minf).IsIndeterminate());
  EXPECT_TRUE((inf + inf).IsPlusInfinity());
  EXPECT_TRUE((Number(3) + minf).IsMinusInfinity());
  EXPECT_TRUE((Number::Indeterminate() + Number(1)).IsIndeterminate());
  EXPECT_TRUE((Number::ComplexInfinity() + Number(1)).IsComplexInfinity());
  EXPECT_TRUE((Number::ComplexInfinity() + inf).IsIndeterminate());
}

TEST_F(NumberTest, Products) {
  ExpectFraction(Number(4) * Number::Ratio(3, 8), 3, 2);
  ExpectFraction(Number::Ratio(2, 3) * Number::Ratio(9, 4), 3, 2);
  EXPECT_EQ(Number::Complex(1, 2) * Number::Complex(3, 4), Number::Complex(-5, 10));
  EXPECT_EQ(Number(2) * Number::Complex(0, 1), Number::Complex(0, 2));
  // A fraction times a complex value keeps both parts exact: i/2, not 0.5i.
  const Number half = Number::Ratio(1, 2);
  EXPECT_EQ(half * Number::Complex(0, 1), Number::FromParts(Number(0.0), half));
  EXPECT_EQ(Number::Complex(3, -1) * Number::Ratio(2, 3),
            Number::FromParts(Number(2.0), Number::Ratio(-2, 3)));
  // The tiny imaginary part of a complex product is dropped.
  Number almost_real = Number::Complex(1, 1e-13) * Number::Complex(1, 1e-300);
  EXPECT_TRUE(almost_real.IsReal());
  EXPECT_TRUE((Number::Complex(1, -1e-13) * Number::Complex(1, 1e-300)).IsReal());
  EXPECT_TRUE((Number::Complex(1, 1e-11) * Number::Complex(1, 1e-300)).IsComplex());

  const Number inf = Number::PlusInfinity();
  EXPECT_TRUE((inf * Number(-2)).IsMinusInfinity());
  EXPECT_TRUE((Number::Ratio(-1, 2) * Number::MinusInfinity()).IsPlusInfinity());
  EXPECT_TRUE((inf * Number(0)).IsIndeterminate());
  EXPECT_TRUE((inf * Number::Complex(1, 1)).IsIndeterminate());
  EXPECT_TRUE(Negate(Number::ComplexInfinity()).IsComplexInfinity());
  EXPECT_TRUE((Number::ComplexInfinity() * Number(0)).IsIndeterminate());
}

TEST_F(NumberTest, Quotients) {
  EXPECT_TRUE((Number(0) / Number(0)).IsIndeterminate());
  EXPECT_TRUE((Number(3) / Number(0)).IsComplexInfinity());
  EXPECT_TRUE((Number(0) / Number(5)).IsZero());
  ExpectFraction(Number(3) / Number::Ratio(3, 4), 4, 1);
  ExpectFraction(Number::Ratio(1, 2) / Number(3), 1, 6);
  ExpectFraction(Number::Ratio(1, 2) / Number::Ratio(3, 4), 2, 3);
  // (1+2i)/(3+4i) = (11+2i)/25, kept exact part by part.
  EXPECT_EQ(Number::Complex(1, 2) / Number::Complex(3, 4), Number::Raw(11, 25, 2, 25));
  EXPECT_TRUE((Number(1) / Number::PlusInfinity()).IsZero());
  EXPECT_TRUE((Number::PlusInfinity() / Number(-2)).IsMinusInfinity());
  EXPECT_TRUE((Number::PlusInfinity() / Number::PlusInfinity()).IsIndeterminate());
}

TEST_F(NumberTest, PowersOfFiniteValues) {
  ExpectFraction(Power(Number::Ratio(1, 2), Number(3)), 1, 8);
  ExpectFraction(Power(Number::Ratio(2, 3), Number(-2)), 9, 4);
  ClearRewriteFlag();
  ExpectFraction(Power(Number(2), Number(-2)), 1, 4);
  EXPECT_TRUE(RewriteFlag());
  EXPECT_EQ(Power(Number(-3), Number(5)), Number(-243));
  EXPECT_EQ(Power(Number(2), Number(10)), Number(1024));
  EXPECT_TRUE(Power(Number(0), Number(0)).IsIndeterminate());
  EXPECT_TRUE(Power(Number(0), Number(-1)).IsComplexInfinity());
  EXPECT_TRUE(Power(Number(0), Number::Complex(1, 1)).IsIndeterminate());
  EXPECT_TRUE(Power(Number(0), Number(2.5)).IsZero());
  EXPECT_DOUBLE_EQ(Power(Number(2), Number(0.5)).RealValue(), std::sqrt(2.0));
  // i² = -1 exactly.
  EXPECT_EQ(Power(Number::Complex(0, 1), Number(2)), Number(-1));
}

// Only the rounding residue of a right angle is chopped, relative to the
// modulus: a small power is a value, not rounding.
TEST_F(NumberTest, SmallPowersAreNotChoppedToZero) {
  EXPECT_DOUBLE_EQ(Power(Number(0.05), Number(11)).RealValue(), std::pow(0.05, 11));
  EXPECT_DOUBLE_EQ(Power(Number(-0.001), Number(5)).RealValue(), -1e-15);
  Number tiny_root = Power(Number(-1e-30), Number::Ratio(1, 2));
  EXPECT_EQ(tiny_root.RealValue(), 0.0);
  EXPECT_DOUBLE_EQ(tiny_root.ImagValue(), 1e-15);
  // Squaring the parts of a tiny base underflows; the modulus must not.
  EXPECT_DOUBLE_EQ(Power(Number(2e-183), Number(1)).RealValue(), 2e-183);
  EXPECT_DOUBLE_EQ(Power(Number(1e-200), Number(0.5)).RealValue(), 1e-100);
}

TEST_F(NumberTest, PrincipalCubeRootOfANegativeReal) {
  Number root = Power(Number(-8), Number::Ratio(1, 3));
  EXPECT_EQ(root.RealValue(), 1.0);
  EXPECT_EQ(root.ImagValue(), 1.7320508075688772);
}

TEST_F(NumberTest, PowersWithInfinities) {
  const Number inf = Number::PlusInfinity(), minf = Number::MinusInfinity();
  EXPECT_TRUE(Power(minf, Number(3)).IsMinusInfinity());
  EXPECT_TRUE(Power(minf, Number(2)).IsPlusInfinity());
  EXPECT_TRUE(Power(minf, Number(-2)).IsZero());
  EXPECT_TRUE(Power(inf, Number(0.5)).IsPlusInfinity());
  EXPECT_TRUE(Power(inf, Number(0)).IsIndeterminate());
  EXPECT_TRUE(Power(Number(2), inf).IsPlusInfinity());
  EXPECT_TRUE(Power(Number(0.5), inf).IsZero());
  EXPECT_TRUE(Power(Number(-2), inf).IsComplexInfinity());
  EXPECT_TRUE(Power(Number(1), inf).IsIndeterminate());
  EXPECT_TRUE(Power(Number(0), minf).IsComplexInfinity());
  EXPECT_TRUE(Power(Number(0.5), minf).IsPlusInfinity());
  EXPECT_TRUE(Power(Number(-0.5), minf).IsComplexInfinity());
  EXPECT_TRUE(Power(Number(3), minf).IsZero());
}

TEST_F(NumberTest, RemainderAndSquareRoot) {
  EXPECT_EQ(Mod(Number(7), Number(3)), Number(1));
  EXPECT_EQ(Mod(Number(-7), Number(3)), Number(-1));
  EXPECT_EQ(Mod(Number(5), Number(5)), Number(0));
  EXPECT_EQ(Mod(Number(1e15 + 1), Number(2)), Number(1));
  ExpectFraction(Mod(Number::Ratio(7, 2), Number(3)), 1, 2);
  ExpectFraction(Mod(Number::Ratio(-7, 2), Number(3)), -1, 2);
  ExpectFraction(Mod(Number::Ratio(1, 2), Number(3)), 1, 2);
  EXPECT_DOUBLE_EQ(Mod(Number(5.5), Number(2)).RealValue(), 1.5);
  EXPECT_TRUE(Mod(Number(5), Number(0)).IsIndeterminate());

  EXPECT_EQ(Sqrt(Number(9)), Number(3));
  EXPECT_EQ(Sqrt(Number(-4)), Number::Complex(0, 2));
  EXPECT_EQ(Sqrt(Number::Complex(3, 4)), Number::Complex(2, 1));
  EXPECT_EQ(Sqrt(Number::Complex(-3, -4)), Number::Complex(1, -2));
}

TEST_F(NumberTest, DecimalToFraction) {
  ExpectFraction(Number::FromDecimal(0.75), 3, 4);
  ExpectFraction(Number::FromDecimal(-0.5), -1, 2);
  ExpectFraction(Number::FromDecimal(2.0 / 3.0), 2, 3);
  ExpectFraction(Number::FromDecimal(-1.0 / 3.0), -1, 3);
  ExpectFraction(Number::FromDecimal(3.125), 25, 8);
  ExpectFraction(Number::FromDecimal(1.0), 1, 1);
  ExpectFraction(Number::FromDecimal(0.0), 0, 1);
  ExpectFraction(Number::FromDecimal(-4.0), -4, 1);
  EXPECT_TRUE(std::isinf(Number::FromDecimal(INFINITY).RealValue()));
}

TEST_F(NumberTest, EqualityClassificationAndOrdering) {
  EXPECT_EQ(Number::PlusInfinity(), Number::PlusInfinity());
  EXPECT_NE(Number::PlusInfinity(), Number::MinusInfinity());
  EXPECT_EQ(Number::Indeterminate(), Number::Indeterminate());
  EXPECT_NE(Number::Ratio(1, 2), Number(0.5));  // exact and decimal differ

  EXPECT_TRUE(Number::Ratio(1, 2).IsFraction());
  EXPECT_FALSE(Number::Ratio(1, 2).IsIntegerOrDecimal());
  EXPECT_TRUE(Number::Complex(0, 1).IsComplex());
  EXPECT_FALSE(Number::PlusInfinity().IsReal());
  EXPECT_EQ(Number::Raw(1, 2, 3, 4).ImagPart(), Number::Raw(3, 4, 0, 1));
  EXPECT_DOUBLE_EQ(Number::Raw(1, 2, 3, 4).ImagValue(), 0.75);

  EXPECT_TRUE(Number::Ratio(1, 2).LessThan(1));
  EXPECT_TRUE(Number::Ratio(1, 2).GreaterThan(Number::Ratio(1, 3)));
  EXPECT_FALSE(Number::Complex(5, 1).GreaterThan(0));
  EXPECT_FALSE(Number::PlusInfinity().GreaterThan(0));
  EXPECT_TRUE(Number(2).EqualsValue(2));

  EXPECT_FALSE(Number(1e308).HasNonFiniteField());
  EXPECT_TRUE((Number(1e308) * Number(10)).HasNonFiniteField());
}

}  // namespace
}  // namespace zentrix::engine
