#include "engine/commands/statistics/distributions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/commands/command_registry.h"
#include "engine/commands/numeric/special_functions.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

// References in extended precision from glibc's log-gamma: accurate for the moderate
// parameters used with them.
long double RefBinomial(long double n, long double p, long double k) {
  return std::exp(std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1) +
                  k * std::log(p) + (n - k) * std::log1p(-p));
}
long double RefPoisson(long double mu, long double k) {
  return std::exp(k * std::log(mu) - mu - std::lgamma(k + 1));
}

void ExpectRelative(double actual, long double expected, double tolerance) {
  // Below the binary64 range only absolute agreement is possible.
  const long double scale = std::max(std::fabs(expected), 1e-300L);
  EXPECT_LE(std::fabs(actual - expected), tolerance * scale)
      << actual << " vs " << static_cast<double>(expected);
}

TEST(NormalTest, KnownValues) {
  EXPECT_NEAR(NormalCdf(-1, 1, 0, 1), 0.6826894921370859, 1e-15);
  EXPECT_NEAR(NormalPdf(0, 0, 1), 0.3989422804014327, 1e-16);
  EXPECT_NEAR(NormalPdf(7, 3, 2), std::exp(-2.0) / (2 * std::sqrt(2 * M_PI)), 1e-16);
  EXPECT_EQ(NormalCdf(-INFINITY, INFINITY, 5, 3), 1.0);
  // Both bounds in the upper tail: no cancellation to 0.
  ExpectRelative(NormalCdf(10, INFINITY, 0, 1), 7.619853024160526e-24L, 1e-13);
  EXPECT_TRUE(std::isnan(NormalPdf(0, 0, 0)));
  EXPECT_TRUE(std::isnan(NormalCdf(0, 1, 0, -1)));
}

TEST(InverseNormalTest, InvertsTheDistributionFunction) {
  EXPECT_NEAR(InverseNormal(0.975), 1.959963984540054, 1e-15);
  EXPECT_EQ(InverseNormal(0.5), 0.0);
  std::vector<double> ps = {1e-310, 1e-300, 1e-100,  1e-20, 1e-5,  0.02,     0.02425,  0.0243,
                            0.3,    0.6,    0.97575, 0.976, 0.999, 1 - 1e-9, 1 - 1e-15};
  for (double p : ps) {
    const double x = InverseNormal(p);
    const TailPair t = NormalTails(x);
    if (p < 0.5) {
      ExpectRelative(t.lower, p, 1e-13);
    } else {
      ExpectRelative(t.upper, 1.0L - p, 1e-13);
    }
    // Acklam's rational approximation alone is good to about 1.15e-9.
    EXPECT_NEAR(InverseNormalAcklam(p), x, 1.2e-9 * std::fabs(x)) << p;
  }
  EXPECT_EQ(InverseNormal(0), -INFINITY);
  EXPECT_EQ(InverseNormal(1), INFINITY);
  EXPECT_TRUE(std::isnan(InverseNormal(1.5)));
  EXPECT_TRUE(std::isnan(InverseNormal(-0.1)));
}

TEST(StudentTTest, DensityAndIntervals) {
  // t with 1 degree of freedom is Cauchy.
  for (double x : {0.0, 0.5, 3.0, 1e3})
    ExpectRelative(StudentTPdf(x, 1), 1 / (M_PI * (1 + x * x)), 1e-15);
  for (double df : {0.7, 3.0, 30.0, 1e3, 1e5}) {
    for (double x : {-4.0, 0.3, 2.5}) {
      const long double n = df;
      const long double ref =
          std::exp(std::lgamma((n + 1) / 2) - std::lgamma(n / 2) - 0.5L * std::log(n * M_PI) -
                   (n + 1) / 2 * std::log1p(x * x / n));
      ExpectRelative(StudentTPdf(x, df), ref, 1e-12);
    }
  }
  // Large df: no overflowing gamma values, and the density tends to the normal one.
  EXPECT_NEAR(StudentTPdf(1, 1e12), NormalPdf(1, 0, 1), 1e-12);
  EXPECT_NEAR(StudentTCdf(-1, 1, 1), 0.5, 1e-15);
  EXPECT_EQ(StudentTCdf(-INFINITY, INFINITY, 4), 1.0);
  // Beyond |t| = 9 a t with few degrees of freedom is nothing like the normal distribution.
  EXPECT_NEAR(StudentTCdf(-INFINITY, 10, 1), 0.5 + std::atan(10.0) / M_PI, 1e-15);
}

TEST(ChiSquareTest, DensityAndIntervals) {
  EXPECT_EQ(ChiSquarePdf(-1, 3), 0.0);
  EXPECT_EQ(ChiSquarePdf(0, 2), 0.5);
  EXPECT_EQ(ChiSquarePdf(0, 1), INFINITY);
  EXPECT_EQ(ChiSquarePdf(0, 3), 0.0);
  for (double k : {1.0, 2.0, 3.0, 7.5, 40.0, 1e3}) {
    for (double x : {0.1, 1.0, 4.0, 30.0, 900.0}) {
      const long double a = k / 2;
      const long double ref = std::exp((a - 1) * std::log(static_cast<long double>(x)) - x / 2 -
                                       std::lgamma(a) - a * std::log(2.0L));
      ExpectRelative(ChiSquarePdf(x, k), ref, 1e-12);
    }
  }
  // Two degrees of freedom: the exponential distribution with mean 2.
  ExpectRelative(ChiSquareCdf(1, 5, 2), std::exp(-0.5L) - std::exp(-2.5L), 1e-14);
  ExpectRelative(ChiSquareCdf(-3, 5, 2), -std::expm1(-2.5L), 1e-14);
  // Hundreds of degrees of freedom overflow Gamma(k/2) but not the distribution function.
  EXPECT_NEAR(ChiSquareCdf(0, 400, 400), 0.5094034180072367, 1e-14);  // P(200, 200)
  EXPECT_NEAR(ChiSquareCdf(0, INFINITY, 400), 1.0, 1e-15);
}

TEST(FTest, DensityAndIntervals) {
  for (auto [d1, d2] :
       std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {5, 10}, {30, 7}, {1e3, 2e3}}) {
    for (double x : {0.2, 1.0, 3.0}) {
      const long double a = d1 / 2, b = d2 / 2, xl = x;
      const long double ref =
          std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(d1 / d2) +
                   (a - 1) * std::log(xl) - (a + b) * std::log1p(d1 * xl / d2));
      ExpectRelative(FPdf(x, d1, d2), ref, 1e-12);
    }
  }
  EXPECT_EQ(FPdf(-1, 2, 3), 0.0);
  EXPECT_EQ(FPdf(0, 2, 3), 1.0);
  // F(2, 2): distribution function x/(1+x); the lower bound clamps at 0 and the degrees of
  // freedom are truncated.
  EXPECT_NEAR(FCdf(-5, 1, 2, 2), 0.5, 1e-15);
  EXPECT_NEAR(FCdf(0, 1, 2.9, 2.99), 0.5, 1e-15);
  EXPECT_NEAR(FCdf(1, 3, 2, 2), 0.75 - 0.5, 1e-15);
}

TEST(BinomialTest, ProbabilitiesAndSums) {
  EXPECT_EQ(BinomialPdf(10, 0.5, 5), 0.24609375);
  for (auto [n, p, k] : std::vector<std::tuple<double, double, double>>{
           {20, 0.3, 4}, {170, 0.2, 40}, {171, 0.2, 40}, {1000, 0.01, 10}, {5e4, 0.4, 2e4}}) {
    ExpectRelative(BinomialPdf(n, p, k), RefBinomial(n, p, k), 1e-12);
  }
  // Outside the support: probability 0, not a value made from the gamma sentinel.
  EXPECT_EQ(BinomialPdf(10, 0.5, 11), 0.0);
  EXPECT_EQ(BinomialPdf(10, 0.5, -1), 0.0);
  long double sum = 0;
  for (int i = 0; i <= 37; ++i) sum += RefBinomial(100, 0.4, i);
  ExpectRelative(BinomialCdf(100, 0.4, 37.9), sum, 1e-13);
  EXPECT_NEAR(BinomialCdf(10, 0.5, 1e300), 1.0, 1e-15);  // bounded by n, not by x
  EXPECT_EQ(BinomialCdf(10, 0.5, -1), 0.0);
  // Very wide: through the incomplete beta function, P(X <= n/2) = 1/2 + pmf(n/2)/2.
  EXPECT_NEAR(BinomialCdf(2e12, 0.5, 1e12), 0.5 + 0.5 / std::sqrt(M_PI * 1e12), 1e-12);
  EXPECT_TRUE(std::isnan(BinomialPdf(10, 1.5, 3)));
}

TEST(PoissonTest, ProbabilitiesAndSums) {
  ExpectRelative(PoissonCdf(2, 2), 5 * std::exp(-2.0L), 1e-15);
  for (auto [mu, k] :
       std::vector<std::pair<double, double>>{{0.5, 0}, {10, 3}, {100, 90}, {1e4, 9800}}) {
    ExpectRelative(PoissonPdf(mu, k), RefPoisson(mu, k), 1e-12);
  }
  EXPECT_EQ(PoissonPdf(2, -1), 0.0);
  EXPECT_EQ(PoissonPdf(0, 0), 1.0);
  long double sum = 0;
  for (int i = 0; i <= 1020; ++i) sum += RefPoisson(1000, i);
  ExpectRelative(PoissonCdf(1000, 1020), sum, 1e-12);
  EXPECT_NEAR(PoissonCdf(3, 1e300), 1.0, 1e-15);
  // Huge means go through the incomplete gamma function.
  EXPECT_NEAR(PoissonCdf(1e9, 1e9), 0.5 + 2 / (3 * std::sqrt(2 * M_PI * 1e9)), 1e-12);
}

TEST(GeometricTest, ProbabilitiesAndSums) {
  EXPECT_EQ(GeoCdf(0.5, 3), 0.875);
  EXPECT_EQ(GeoPdf(0.5, 3), 0.125);
  EXPECT_EQ(GeoPdf(0.5, 0), 0.0);  // the first success comes at trial 1 at the earliest
  EXPECT_EQ(GeoCdf(0.5, 0.9), 0.0);
  ExpectRelative(GeoPdf(0.1, 20), 0.1L * std::pow(0.9L, 19), 1e-14);
  ExpectRelative(GeoCdf(0.1, 20), 1 - std::pow(0.9L, 20), 1e-14);
  // A small p over a huge range: bounded work, the remainder in closed form.
  ExpectRelative(GeoCdf(1e-12, 1e15), -std::expm1(1e15L * std::log1p(-1e-12L)), 1e-12);
  EXPECT_EQ(GeoCdf(1, 5), 1.0);
  EXPECT_TRUE(std::isnan(GeoPdf(-0.2, 2)));
}

TEST(DistributionCommandTest, ArgumentCountsAndMessages) {
  const DistributionFunction* info = FindDistribution(47);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(CommandName(47), u"NormalPdf");
  EXPECT_EQ(FindDistribution(46), nullptr);
  EXPECT_EQ(FindDistribution(62), nullptr);
  for (int id = 47; id <= 61; ++id) {
    EXPECT_EQ(FindDistribution(id), &FindCommandEntry(id)->distribution);
  }

  const double two[] = {0.3, 0.4};
  const double five[] = {1, 2, 3, 4, 5};
  DistributionResult r = EvaluateDistribution(command_id::kInverseNormal, two);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.error_code, kWrongArgumentsCode);
  r = EvaluateDistribution(command_id::kFCdf, five);
  EXPECT_EQ(r.error_code, kTooManyParametersCode);
  EXPECT_EQ(EvaluateDistribution(command_id::kStudentTPdf, five).error_code, 20);

  const double args[] = {0.5, 3};
  r = EvaluateDistribution(command_id::kGeoCdf, args);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value, 0.875);
  const double none[] = {1.0};
  EXPECT_EQ(EvaluateDistribution(command_id::kNormalCdf, std::span(none, 0)).error_code,
            kWrongArgumentsCode);
}

}  // namespace
}  // namespace zentrix::engine
