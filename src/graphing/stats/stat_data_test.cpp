#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphing/stats/box_statistics.h"
#include "graphing/stats/data_bounds.h"
#include "graphing/stats/normal_scores.h"
#include "graphing/stats/number_text.h"
#include "graphing/stats/weighted_values.h"

namespace zentrix::graphing {
namespace {

using Values = std::vector<double>;

WeightOutcome Merge(const Values& values, const Values& frequencies = {},
                    WeightRounding rounding = WeightRounding::kFloor) {
  return MergeWeighted(values, frequencies, !frequencies.empty(), rounding);
}

BoxStatistics Box(const Values& values, bool modified = false, const Values& frequencies = {}) {
  return ComputeBoxStatistics(Merge(values, frequencies, WeightRounding::kTruncate).data, modified);
}

TEST(HistogramDataTest, MergesEqualValuesAndCountsFrequencies) {
  const WeightOutcome plain = Merge({3, 1, 3, 2});
  EXPECT_EQ(plain.data.values, (Values{1, 2, 3}));
  EXPECT_EQ(plain.data.counts, (Values{1, 1, 2}));

  // Fractional frequencies round down; a value counted zero times is left out.
  const WeightOutcome weighted = Merge({5, 4, 5, 6}, {2.7, 0.5, 1, 1e12});
  EXPECT_EQ(weighted.error, WeightError::kNone);
  EXPECT_EQ(weighted.data.values, (Values{5, 6}));
  EXPECT_EQ(weighted.data.counts, (Values{3, 1e12}));
}

TEST(HistogramDataTest, BadListsAreRefused) {
  EXPECT_EQ(Merge({1, 2}, {1, -1}).error, WeightError::kBadFrequency);
  EXPECT_EQ(Merge({1, 2}, {1, INFINITY}).error, WeightError::kBadFrequency);
  EXPECT_EQ(Merge({1, 2}, {1, NAN}).error, WeightError::kBadFrequency);
  EXPECT_EQ(Merge({1, 2, 3}, {1, 1}).error, WeightError::kLengthMismatch);
  EXPECT_EQ(Merge({1, NAN}).error, WeightError::kBadValue);
  EXPECT_EQ(Merge({}).error, WeightError::kNoData);
  EXPECT_EQ(Merge({1, 2}, {0, 0}).error, WeightError::kNoData);
  EXPECT_EQ(Merge({1, 2}, {1e300, 1e300}).error, WeightError::kTooMany);
  EXPECT_TRUE(Merge({1, 2}, {1, -1}).data.empty());
}

TEST(BoxStatisticsTest, QuartilesAreMediansOfTheHalves) {
  const BoxStatistics odd = Box({7, 6, 5, 4, 3, 2, 1});
  EXPECT_EQ(odd.q1, 2);
  EXPECT_EQ(odd.median, 4);
  EXPECT_EQ(odd.q3, 6);
  EXPECT_EQ(odd.low_whisker, 1);
  EXPECT_EQ(odd.high_whisker, 7);

  const BoxStatistics even = Box({1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(even.q1, 2.5);
  EXPECT_EQ(even.median, 4.5);
  EXPECT_EQ(even.q3, 6.5);

  // Frequencies count without expanding: 1, 2, 2, 3 and a frequency toward zero.
  const BoxStatistics weighted = Box({1, 2, 3, 9}, false, {1, 2.9, 1, -0.5 + 0.9});
  EXPECT_EQ(weighted.q1, 1.5);
  EXPECT_EQ(weighted.median, 2);
  EXPECT_EQ(weighted.q3, 2.5);
  EXPECT_EQ(weighted.high_whisker, 3);

  // Halves of tiny values round; the quartiles still stay in order.
  const double tiny = 2.1219957905e-314;
  const BoxStatistics denormal = Box({tiny, 1e-307}, false, {7, 6});
  EXPECT_LE(denormal.q1, denormal.median);
  EXPECT_EQ(Box({-1e308, 1e308, 1e308, 1e308}).median, 1e308);

  const BoxStatistics single = Box({4});
  EXPECT_EQ(single.q1, 4);
  EXPECT_EQ(single.q3, 4);
}

TEST(BoxStatisticsTest, ModifiedMarksValuesBeyondTheFencesAsOutliers) {
  const BoxStatistics box = Box({1, 2, 3, 4, 5, 6, 7, 8, 9, 100}, true);
  EXPECT_EQ(box.q1, 3);
  EXPECT_EQ(box.q3, 8);
  EXPECT_EQ(box.iqr, 5);
  EXPECT_EQ(box.upper_fence, 15.5);
  EXPECT_EQ(box.lower_fence, -4.5);
  EXPECT_EQ(box.high_outliers, (Values{100}));
  EXPECT_TRUE(box.low_outliers.empty());
  EXPECT_EQ(box.high_whisker, 9);
  EXPECT_EQ(box.low_whisker, 1);

  const BoxStatistics both = Box({-50, 10, 11, 12, 13, 14, 15, 16, 60, 70}, true);
  EXPECT_EQ(both.low_outliers, (Values{-50}));
  EXPECT_EQ(both.high_outliers, (Values{70, 60}));
  EXPECT_EQ(both.low_whisker, 10);
  EXPECT_EQ(both.high_whisker, 16);

  // With no spread the fences sit on the quartiles; the box's own values are not outliers.
  const BoxStatistics flat = Box({5, 5, 5, 5, 5, 9}, true);
  EXPECT_EQ(flat.iqr, 0);
  EXPECT_TRUE(flat.low_outliers.empty());
  EXPECT_EQ(flat.high_outliers, (Values{9}));
  EXPECT_EQ(flat.low_whisker, 5);
  EXPECT_EQ(flat.high_whisker, 5);
}

TEST(NormalScoresTest, ScoresAreQuantilesOfEvenlySpacedProbabilities) {
  const Values scores = NormalScores(4);
  ASSERT_EQ(scores.size(), 4u);
  EXPECT_NEAR(scores[0], -1.1503493803760083, 1e-12);
  EXPECT_NEAR(scores[1], -0.31863936396437514, 1e-12);
  EXPECT_NEAR(scores[2], 0.31863936396437514, 1e-12);
  EXPECT_NEAR(scores[3], 1.1503493803760083, 1e-12);
  EXPECT_EQ(NormalScores(1), (Values{0}));
  EXPECT_TRUE(ScoresOnX(1));
  EXPECT_FALSE(ScoresOnX(0));
  EXPECT_FALSE(ScoresOnX(7));
}

TEST(DataBoundsTest, RangesFitTheDataWithMargins) {
  AxisRange r;
  ASSERT_TRUE(PaddedRange(Values{1, 11, 6}, r));
  EXPECT_DOUBLE_EQ(r.min, 0);
  EXPECT_DOUBLE_EQ(r.max, 12);
  ASSERT_TRUE(PaddedRange(Values{3}, r));
  EXPECT_EQ(r.min, 2);
  EXPECT_EQ(r.max, 4);
  ASSERT_TRUE(PaddedRange(Values{3, 3, NAN}, r));
  EXPECT_EQ(r.min, 2);
  EXPECT_EQ(r.max, 4);
  EXPECT_FALSE(PaddedRange(Values{NAN}, r));

  AxisRange x, y;
  ASSERT_TRUE(HistogramRange(Values{1, 2, 3}, Values{1, 1, 2}, x, y));
  EXPECT_DOUBLE_EQ(x.min, 0.8);
  EXPECT_DOUBLE_EQ(x.max, 4.2);
  EXPECT_EQ(y.min, 0);
  EXPECT_DOUBLE_EQ(y.max, 2.1);
}

TEST(NumberTextTest, FixedDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(FormatTrimmed(2, 9), u"2");
  EXPECT_EQ(FormatTrimmed(0.25, 9), u"0.25");
  EXPECT_EQ(FormatTrimmed(100, 9), u"100");
  EXPECT_EQ(FormatTrimmed(1.23456789, 4), u"1.2346");
  EXPECT_EQ(FormatTrimmed(-0.00001, 4), u"0");
  EXPECT_EQ(FormatTrimmed(-2.5, 4), u"-2.5");
  EXPECT_EQ(FormatTrimmed(1e300, 2).size(), 301u);
  EXPECT_EQ(FormatTrimmed(NAN, 4), u"NaN");
  EXPECT_EQ(FormatExact(1e-7), (std::u16string{u'1', char16_t{128}, u'-', u'7'}));
  EXPECT_EQ(FormatExact(0.1), u"0.1");
}

}  // namespace
}  // namespace zentrix::graphing
