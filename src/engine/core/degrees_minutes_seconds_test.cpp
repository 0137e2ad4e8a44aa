#include "engine/core/degrees_minutes_seconds.h"

#include <gtest/gtest.h>

#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

std::string Dms(double v, int precision = 5) {
  return chars::ToUtf8(DegreesMinutesSecondsText(v, DecimalFormat{precision}));
}

TEST(DegreesMinutesSeconds, PartsThatAreZeroAreLeftOut) {
  EXPECT_EQ(Dms(30.5), "30° 30'");
  EXPECT_EQ(Dms(30), "30°");
  EXPECT_EQ(Dms(0.25), "15'");
  EXPECT_EQ(Dms(1.0 + 1.0 / 60 + 1.5 / 3600), "1° 1' 1.5''");
  // Seconds that round to 60 carry into the minutes and on into the degrees.
  EXPECT_EQ(Dms(10.1), "10° 6'");
  EXPECT_EQ(Dms(0.99999999999), "1°");
  EXPECT_EQ(Dms(-0.99999999999), "-1°");
}

TEST(DegreesMinutesSeconds, SignsAndSecondsPrecision) {
  EXPECT_EQ(Dms(-30.5), "-30° 30'");
  EXPECT_EQ(Dms(-0.5), "-30'");
  EXPECT_EQ(Dms(2.0 / 3600 + 1.0 / 3 / 3600, 2), "2.33''");
}

}  // namespace
}  // namespace zentrix::engine
