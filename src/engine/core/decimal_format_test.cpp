#include "engine/core/decimal_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

std::string Format(double v, int precision = 5, Notation notation = Notation::kNormal,
                   bool show_zeros = false) {
  return chars::ToUtf8(FormatDecimal(v, DecimalFormat{precision, notation, show_zeros}));
}

TEST(DecimalFormat, SpecialValues) {
  EXPECT_EQ(Format(0.0), "0");
  EXPECT_EQ(Format(-0.0), "0");
  EXPECT_EQ(Format(std::numeric_limits<double>::infinity()), "NaN");
  EXPECT_EQ(Format(std::nan("")), "NaN");
}

TEST(DecimalFormat, ShowZerosKeepsDecimalsOnlyForNonIntegers) {
  EXPECT_EQ(Format(1.25), "1.25");
  EXPECT_EQ(Format(1.25, 5, Notation::kNormal, true), "1.25000");
  EXPECT_EQ(Format(3.0, 5, Notation::kNormal, true), "3");
  EXPECT_EQ(Format(2.5, 0), "2");
  EXPECT_EQ(Format(1.0 / 3.0, 3), "0.333");
  EXPECT_EQ(Format(2.0 / 3.0, 3), "0.667");
  EXPECT_EQ(Format(-2.0 / 3.0, 2), "-0.67");
}

TEST(DecimalFormat, PrecisionZeroTruncatesTowardZero) {
  EXPECT_EQ(Format(-0.7, 0), "0");
  EXPECT_EQ(Format(-2.7, 0), "-2");
  EXPECT_EQ(Format(9.99, 0), "9");
}

TEST(DecimalFormat, ElevenCharacterRuleLimitsDecimals) {
  // Nine digits before the point leave room for two decimals.
  EXPECT_EQ(Format(123456789.123456), "123456789.12");
  EXPECT_EQ(Format(-12345678.123456), "-12345678.12");
  // Ten digits: the integer text stands alone, truncated rather than rounded.
  EXPECT_EQ(Format(999999999.9, 5), "999999999.9");
  EXPECT_EQ(Format(M_PI, kFloatPrecision), "3.1415926536");
}

TEST(DecimalFormat, NormalNotationSwitchesToScientific) {
  EXPECT_EQ(Format(1e10), "1ᴇ10");
  EXPECT_EQ(Format(-2.5e12), "-2.5ᴇ12");
  EXPECT_EQ(Format(1e9), "1000000000");
  EXPECT_EQ(Format(0.000001), "1ᴇ-6");
  EXPECT_EQ(Format(0.000001, kFloatPrecision), "0.000001");
  EXPECT_EQ(Format(0.00001), "0.00001");
  EXPECT_EQ(Format(1e-10, kFloatPrecision), "1ᴇ-10");
}

TEST(DecimalFormat, ScientificAndEngineeringMantissas) {
  EXPECT_EQ(Format(123456, 5, Notation::kScientific), "1.23456ᴇ5");
  EXPECT_EQ(Format(123456, 5, Notation::kEngineering), "123.456ᴇ3");
  EXPECT_EQ(Format(0.5, 5, Notation::kScientific), "5ᴇ-1");
  EXPECT_EQ(Format(0.05, 5, Notation::kEngineering), "50ᴇ-3");
  EXPECT_EQ(Format(-0.05, 5, Notation::kEngineering), "-50ᴇ-3");
  EXPECT_EQ(Format(-1234, 2, Notation::kScientific), "-1.23ᴇ3");
  EXPECT_EQ(Format(7, 5, Notation::kScientific), "7ᴇ0");
  EXPECT_EQ(Format(75, 5, Notation::kScientific, true), "7.50000ᴇ1");
}

TEST(DecimalFormat, RoundingCarryStaysNormalised) {
  EXPECT_EQ(Format(9.999999, 3, Notation::kScientific), "1ᴇ1");
  EXPECT_EQ(Format(999999.7, 2, Notation::kEngineering), "1ᴇ6");
  EXPECT_EQ(Format(0.001, 5, Notation::kScientific), "1ᴇ-3");
  EXPECT_EQ(Format(1e-300, 5, Notation::kScientific), "1ᴇ-300");
  EXPECT_EQ(Format(1.7e308, 5, Notation::kScientific), "1.7ᴇ308");
}

TEST(DecimalFormat, FloatFormatter) {
  EXPECT_EQ(chars::ToUtf8(FormatFloat(2.0)), "2");
  EXPECT_EQ(chars::ToUtf8(FormatFloat(-0.125)), "-0.125");
  EXPECT_EQ(chars::ToUtf8(FormatFloat(4294967296.0)), "4.294967296ᴇ9");
}

// Appending writes what FormatDecimal returns, whole numbers included, in
// every notation (whole numbers past 10^9 turn scientific in Normal).
TEST(DecimalFormat, AppendingWritesTheFormattedText) {
  const double values[] = {0.0,       -0.0, 1.0,   -7.0,        12.0,          1e9,         -1e9,
                           1e9 + 1.0, 2.5,  1e-12, 123456789.0, 11732745024.0, std::nan("")};
  for (Notation notation : {Notation::kNormal, Notation::kScientific, Notation::kEngineering}) {
    for (double v : values) {
      const DecimalFormat format{5, notation, false};
      std::u16string text = u"x^";
      AppendDecimal(v, format, text);
      EXPECT_EQ(text, u"x^" + FormatDecimal(v, format)) << v;
    }
  }
}

}  // namespace
}  // namespace zentrix::engine
