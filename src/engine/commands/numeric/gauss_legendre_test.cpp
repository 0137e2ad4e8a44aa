#include "engine/commands/numeric/gauss_legendre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace zentrix::engine {
namespace {

std::string Format(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

TEST(GaussLegendreTest, RuleMatchesTheKnownFirstNodeAndWeight) {
  const GaussLegendreRule& rule = GaussLegendre128();
  EXPECT_EQ(rule.nodes[0], -0.9998248879471319);
  EXPECT_EQ(Format("%.16g", rule.nodes[0]), "-0.9998248879471319");
  EXPECT_EQ(Format("%.16g", rule.weights[0]), "0.0004493809602920904");
}

TEST(GaussLegendreTest, NodesAreOrderedSymmetricRootsAndWeightsSumToTwo) {
  const GaussLegendreRule& rule = GaussLegendre128();
  long double weight_sum = 0;
  for (int k = 0; k < kGaussLegendrePoints; ++k) {
    if (k > 0) {
      EXPECT_LT(rule.nodes[k - 1], rule.nodes[k]);
    }
    EXPECT_EQ(rule.nodes[k], -rule.nodes[kGaussLegendrePoints - 1 - k]);
    EXPECT_EQ(rule.weights[k], rule.weights[kGaussLegendrePoints - 1 - k]);
    EXPECT_GT(rule.weights[k], 0);
    weight_sum += rule.weights[k];
    // P_128 vanishes at the node (to the precision of the node).
    long double p0 = 1, p1 = rule.nodes[k];
    for (int n = 2; n <= 128; ++n) {
      const long double p2 = ((2 * n - 1) * rule.nodes[k] * p1 - (n - 1) * p0) / n;
      p0 = p1;
      p1 = p2;
    }
    EXPECT_LT(std::fabs(p1), 1e-12) << k;
  }
  EXPECT_NEAR(static_cast<double>(weight_sum), 2.0, 1e-15);
}

TEST(GaussLegendreTest, ExactForPolynomialsUpToDegree255) {
  // The integral of (x - c)^d over [a, b] is ((b - c)^(d+1) - (a - c)^(d+1)) / (d + 1).
  struct Interval {
    double a, b, c;
  };
  for (const Interval& iv :
       {Interval{0, 1, 0}, Interval{-1, 1, 0.25}, Interval{2, 5, 3}, Interval{-3, -1, -1.5}}) {
    for (int d = 0; d <= 255; ++d) {
      const long double exact = (std::pow(static_cast<long double>(iv.b - iv.c), d + 1) -
                                 std::pow(static_cast<long double>(iv.a - iv.c), d + 1)) /
                                (d + 1);
      // Integral of |integrand| bounds the rounding of the sum and of the nodes.
      long double scale = 0;
      const double got = GaussLegendreIntegrate(iv.a, iv.b, [&](double x) {
        const double v = std::pow(x - iv.c, d);
        scale += std::fabs(v);
        return v;
      });
      scale *= (iv.b - iv.a) / 128;
      const long double tolerance = (d + 4) * 2.3e-16L * std::max(scale, std::fabs(exact));
      EXPECT_LE(std::fabs(got - exact), tolerance)
          << "degree " << d << " on [" << iv.a << ", " << iv.b << "]";
    }
  }
  EXPECT_NEAR(GaussLegendreIntegrate(0, 3, [](double x) { return x * x; }), 9.0, 4e-15);
  EXPECT_NEAR(GaussLegendreIntegrate(3, 0, [](double x) { return x * x; }), -9.0, 4e-15);
}

TEST(GaussLegendreTest, CallsTheIntegrand128TimesAndStopsAtAFailure) {
  int calls = 0;
  GaussLegendreIntegrate(0, 1, [&](double) {
    ++calls;
    return 1.0;
  });
  EXPECT_EQ(calls, 128);
  calls = 0;
  const auto result = TryGaussLegendreIntegrate(0, 1, [&](double x) -> std::optional<double> {
    ++calls;
    if (x > 0.5) return std::nullopt;
    return x;
  });
  EXPECT_FALSE(result);
  EXPECT_EQ(calls, 65);
  // Smooth non-polynomial integrands are met to binary64 precision as well.
  EXPECT_NEAR(GaussLegendreIntegrate(0, M_PI, [](double x) { return std::sin(x); }), 2.0, 1e-15);
}

}  // namespace
}  // namespace zentrix::engine
