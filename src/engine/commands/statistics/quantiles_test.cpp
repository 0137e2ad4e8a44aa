#include "engine/commands/statistics/quantiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zentrix::engine {
namespace {

TEST(QuartilesTest, EvenCount) {
  const std::vector<double> v = {4, 1, 3, 2};
  const auto s = ComputeListStats(v);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->n, 4u);
  EXPECT_EQ(s->mean, 2.5);
  EXPECT_EQ(s->sum, 10);
  EXPECT_EQ(s->sum_squares, 30);
  EXPECT_NEAR(s->sample_sd, std::sqrt(5.0 / 3), 1e-15);
  EXPECT_NEAR(s->population_sd, std::sqrt(1.25), 1e-15);
  EXPECT_EQ(s->min, 1);
  EXPECT_EQ(s->q1, 1.5);
  EXPECT_EQ(s->median, 2.5);
  EXPECT_EQ(s->q3, 3.5);
  EXPECT_EQ(s->max, 4);
}

TEST(QuartilesTest, OddCountLeavesTheMedianOutOfBothHalves) {
  const std::vector<double> v = {5, 3, 1, 4, 2};
  const Quartiles q = ComputeQuartiles(v);
  EXPECT_EQ(q.q1, 1.5);
  EXPECT_EQ(q.median, 3);
  EXPECT_EQ(q.q3, 4.5);
}

TEST(QuartilesTest, EveryResidueOfNModFour) {
  // n = 6: halves {1,2,3} and {4,5,6}; n = 7: {1,2,3} and {5,6,7}; n = 8: {1..4}, {5..8}.
  const std::vector<double> six = {1, 2, 3, 4, 5, 6};
  const std::vector<double> seven = {1, 2, 3, 4, 5, 6, 7};
  const std::vector<double> eight = {1, 2, 3, 4, 5, 6, 7, 8};
  const Quartiles q6 = QuartilesOfSorted(six), q7 = QuartilesOfSorted(seven),
                  q8 = QuartilesOfSorted(eight);
  EXPECT_EQ(q6.q1, 2);
  EXPECT_EQ(q6.median, 3.5);
  EXPECT_EQ(q6.q3, 5);
  EXPECT_EQ(q7.q1, 2);
  EXPECT_EQ(q7.median, 4);
  EXPECT_EQ(q7.q3, 6);
  EXPECT_EQ(q8.q1, 2.5);
  EXPECT_EQ(q8.median, 4.5);
  EXPECT_EQ(q8.q3, 6.5);
}

TEST(QuartilesTest, TinyAndDegenerateLists) {
  const std::vector<double> one = {7};
  const auto s = ComputeListStats(one);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->median, 7);
  EXPECT_TRUE(std::isnan(s->q1));  // a half with no values
  EXPECT_TRUE(std::isnan(s->sample_sd));
  EXPECT_EQ(s->population_sd, 0);
  const std::vector<double> two = {2, 1};
  const Quartiles q = ComputeQuartiles(two);
  EXPECT_EQ(q.q1, 1);
  EXPECT_EQ(q.q3, 2);
  EXPECT_FALSE(ComputeListStats(std::vector<double>{}));
  // A NaN cannot be ordered: the order statistics are undefined rather than arbitrary.
  const std::vector<double> with_nan = {1, NAN, 3};
  const auto n = ComputeListStats(with_nan);
  ASSERT_TRUE(n);
  EXPECT_TRUE(std::isnan(n->median));
  EXPECT_TRUE(std::isnan(n->min));
  // Midpoints of huge values do not overflow.
  const std::vector<double> huge = {1e308, 1.5e308};
  EXPECT_EQ(MedianOfSorted(huge), 1.25e308);
}

TEST(ListStatsTest, DeviationsTakenFromTheMeanStayAccurate) {
  // A large offset ruins the one-pass formula sum(x^2) - n mean^2, not the two-pass one.
  const std::vector<double> v = {1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16};
  const auto s = ComputeListStats(v);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->mean, 1e9 + 10);
  EXPECT_EQ(s->sample_sd, std::sqrt(30.0));
}

TEST(PairStatsTest, BothBlocksAndTheCrossSum) {
  const std::vector<double> x = {1, 2, 3};
  const std::vector<double> y = {4, 6, 11};
  const auto s = ComputePairStats(x, y);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->x.sum, 6);
  EXPECT_EQ(s->y.sum, 21);
  EXPECT_EQ(s->y.median, 6);
  EXPECT_EQ(s->sum_xy, 1 * 4 + 2 * 6 + 3 * 11);
  EXPECT_FALSE(ComputePairStats(x, std::vector<double>{1, 2}));
}

}  // namespace
}  // namespace zentrix::engine
