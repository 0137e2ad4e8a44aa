#include "engine/commands/numeric/special_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zentrix::engine {
namespace {

// References: closed forms, and glibc's extended-precision functions, which are independent
// of the implementations under test.
constexpr long double kPiL = 3.14159265358979323846264338327950288L;

void ExpectRelative(double actual, long double expected, double tolerance, const char* what,
                    double at) {
  // Below the normal range only absolute agreement is possible.
  const long double scale = std::fabs(expected) > 1e-300 ? std::fabs(expected) : 1e-300;
  EXPECT_LE(std::fabs(actual - expected) / scale, tolerance)
      << what << "(" << at << ") = " << actual << ", expected " << static_cast<double>(expected);
}

// Regularized lower incomplete gamma by its positive series in long double.
long double ReferenceGammaP(long double a, long double x) {
  long double term = 1 / a, sum = term;
  for (int n = 1; n < 10'000'000 && term > 1e-24L * sum; ++n) {
    term *= x / (a + n);
    sum += term;
  }
  return sum * std::exp(a * std::log(x) - x - std::lgamma(a));
}

// Regularized incomplete beta by the positive series of 2F1(a + b, 1; a + 1; x).
long double ReferenceBeta(long double a, long double b, long double x) {
  const long double log_beta = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
  long double term = 1, sum = 0;
  for (int n = 0; n < 10'000'000 && term > 1e-24L * sum; ++n) {
    sum += term;
    term *= x * (a + b + n) / (a + 1 + n);
  }
  return sum * std::exp(a * std::log(x) + b * std::log1p(-x) - log_beta) / a;
}

TEST(GammaTest, IntegersAreExactFactorials) {
  double factorial = 1;
  for (int n = 1; n <= 22; ++n) {  // n! is exact in binary64 up to 22!
    EXPECT_EQ(Gamma(n), factorial) << n;
    EXPECT_EQ(FactorialOperator(n - 1), factorial) << n;
    factorial *= n;
  }
  EXPECT_EQ(FactorialOperator(3), 6.0);
}

TEST(GammaTest, PolesGiveTheSentinel) {
  EXPECT_EQ(Gamma(0.0), kGammaPole);
  EXPECT_EQ(Gamma(-0.0), kGammaPole);
  EXPECT_EQ(Gamma(-1), kGammaPole);
  EXPECT_EQ(Gamma(-170), kGammaPole);
  EXPECT_EQ(Gamma(-1e300), kGammaPole);
  EXPECT_EQ(FactorialOperator(-1), kGammaPole);
  EXPECT_EQ(FactorialOperator(-4), kGammaPole);
}

TEST(GammaTest, AgreesWithReferenceEverywhere) {
  std::vector<double> points = {1e-300,    1e-20,     1e-8,  0.1,    0.3,   0.5,  0.999, 1.0000001,
                                1.5,       2.0000001, 2.5,   3.49,   3.5,   7.99, 8,     8.5,
                                20.25,     99.9,      150.5, 171.6,  -0.5,  -1.5, -2.7,  -1 + 1e-9,
                                -2 - 1e-7, -10.3,     -50.5, -100.7, -170.5};
  for (int i = 1; i <= 40; ++i) points.push_back(i * 0.37);
  for (double x : points)
    ExpectRelative(Gamma(x), std::tgamma(static_cast<long double>(x)), 1e-14, "Gamma", x);
  // Half-integers: Gamma(n + 1/2) = (2n)! sqrt(pi) / (4^n n!).
  long double half = std::sqrt(kPiL);
  for (int n = 0; n < 30; ++n) {
    ExpectRelative(Gamma(n + 0.5), half, 1e-15, "Gamma", n + 0.5);
    half *= n + 0.5L;
  }
}

TEST(GammaTest, OverflowAndUnderflow) {
  EXPECT_EQ(Gamma(172), INFINITY);
  EXPECT_EQ(Gamma(INFINITY), INFINITY);
  EXPECT_TRUE(std::isnan(Gamma(-INFINITY)));
  EXPECT_TRUE(std::isnan(Gamma(NAN)));
  EXPECT_EQ(Gamma(-251.5), 0.0);
  EXPECT_TRUE(std::signbit(Gamma(-250.5)));  // Gamma is negative on (-251, -250)
}

TEST(LogGammaTest, AgreesWithReferenceIncludingNearItsZeros) {
  std::vector<double> points = {1e-300, 1e-10, 0.2,    0.5,    0.9999,    1,         1.0000001,
                                1.4999, 1.5,   1.9999, 2,      2.0000001, 2.4999,    2.5,
                                3.4999, 3.5,   5,      7.9999, 8,         12.5,      1e3,
                                1e10,   1e100, -0.5,   -2.5,   -3.9,      -1e6 - 0.5};
  for (double x : points) {
    const long double ref = std::lgamma(static_cast<long double>(x));
    // Relative accuracy even where ln Gamma is tiny; the limit is the reference itself.
    ExpectRelative(LogGamma(x), ref, 1e-13, "LogGamma", x);
  }
  EXPECT_EQ(LogGamma(1), 0.0);
  EXPECT_EQ(LogGamma(2), 0.0);
  EXPECT_EQ(LogGamma(0), INFINITY);
  EXPECT_EQ(LogGamma(-3), INFINITY);
}

TEST(FactorialTest, IntegersAndHalfIntegersOnly) {
  EXPECT_EQ(Factorial(0), 1.0);
  EXPECT_EQ(Factorial(5), 120.0);
  EXPECT_EQ(Factorial(-0.5), 1.772453850905516);
  EXPECT_NEAR(*Factorial(2.5), 3.323350970447843, 1e-15);  // sqrt(pi) * 1/2 * 3/2 * 5/2
  EXPECT_EQ(Factorial(3.7), std::nullopt);
  EXPECT_EQ(Factorial(-2), std::nullopt);
  EXPECT_EQ(Factorial(-1.5), std::nullopt);
  EXPECT_EQ(Factorial(NAN), std::nullopt);
  EXPECT_EQ(Factorial(1e12), INFINITY);  // no loop of a trillion steps
}

TEST(ErfTest, AgreesWithReferenceOnBothSidesOfTheBands) {
  for (double x = -8; x <= 30; x += 0.0625) {
    ExpectRelative(Erf(x), std::erf(static_cast<long double>(x)), 2e-16, "Erf", x);
    // erfc keeps relative accuracy deep into the tail, down to about 1e-300.
    ExpectRelative(Erfc(x), std::erfc(static_cast<long double>(x)), 2e-15, "Erfc", x);
  }
  for (double x : {2.1999999, 2.2, 6.8999999, 1e-300, 1e-10, 0.49999, 0.5}) {
    ExpectRelative(Erf(x), std::erf(static_cast<long double>(x)), 2e-16, "Erf", x);
    ExpectRelative(Erfc(x), std::erfc(static_cast<long double>(x)), 2e-15, "Erfc", x);
  }
  EXPECT_EQ(Erf(6.9), 1.0);
  EXPECT_EQ(Erf(-7), -1.0);
  EXPECT_EQ(Erf(INFINITY), 1.0);
  EXPECT_EQ(Erfc(-INFINITY), 2.0);
  EXPECT_EQ(Erfc(40), 0.0);
  EXPECT_TRUE(std::isnan(Erf(NAN)));
}

TEST(NormalTailTest, BothTailsAccurateAndSymmetric) {
  for (double z = -38; z <= 38; z += 0.25) {
    const long double ref = 0.5L * std::erfc(-static_cast<long double>(z) / std::sqrt(2.0L));
    ExpectRelative(NormalTail(z), ref, 1e-13, "NormalTail", z);
    const TailPair t = NormalTails(z);
    EXPECT_EQ(t.lower, NormalTails(-z).upper) << z;
  }
  EXPECT_EQ(NormalTail(0), 0.5);
  ExpectRelative(LogNormalTail(-40), std::log(0.5L * std::erfc(40 / std::sqrt(2.0L))), 1e-15,
                 "LogNormalTail", -40);
  // Far below the binary64 range of Phi itself: ln Phi(z) ~ -z^2/2 - ln(-z sqrt(2 pi)) - 1/z^2.
  ExpectRelative(LogNormalTail(-1e3), -5e5L - std::log(1e3L * std::sqrt(2 * kPiL)) - 1e-6L, 1e-15,
                 "LogNormalTail", -1e3);
}

TEST(RegularizedGammaTest, AgreesWithReferenceSeries) {
  for (double a : {0.01, 0.5, 1.0, 2.5, 10.0, 57.3, 400.0, 1000.0, 1001.0, 3e4}) {
    for (double r : {0.02, 0.5, 0.9, 1.0, 1.1, 2.0}) {
      const double x = a >= 1000 ? a + (r - 1) * 10 * std::sqrt(a) : a * r;
      const long double p = ReferenceGammaP(a, x);
      const TailPair g = RegularizedGamma(a, x);
      if (p > 1e-30) ExpectRelative(g.lower, p, 1e-12, "P", x);
      if (1 - p > 1e-3) ExpectRelative(g.upper, 1 - p, 1e-12, "Q", x);
      EXPECT_NEAR(g.lower + g.upper, 1, 1e-15);
    }
  }
}

TEST(RegularizedGammaTest, ClosedFormForShapeOne) {
  // P(1, x) = 1 - e^-x: a chi-square with 2 degrees of freedom.
  for (double x : {1e-10, 0.3, 1.0, 5.0, 40.0, 87.0}) {
    ExpectRelative(RegularizedGamma(1, x).lower, -std::expm1(static_cast<long double>(-x)), 1e-14,
                   "P", x);
    ExpectRelative(RegularizedGamma(1, x).upper, std::exp(static_cast<long double>(-x)), 1e-13, "Q",
                   x);
  }
}

TEST(RegularizedGammaTest, Thresholds) {
  EXPECT_EQ(RegularizedGamma(3, 0).lower, 0.0);
  EXPECT_EQ(RegularizedGamma(1000, 1.5e8).lower, 1.0);
  // The logarithmic prefactor below -88 makes the small side exactly 0.
  EXPECT_EQ(RegularizedGamma(50, 0.5).lower, 0.0);
  EXPECT_EQ(RegularizedGamma(1, 100).upper, 0.0);
  EXPECT_EQ(RegularizedGamma(1, 100).lower, 1.0);
  // Above 1e10 the Wilson-Hilferty form: P(a, a) = 1/2 + 1/(3 sqrt(2 pi a)) + O(1/a).
  const double a = 4e10;
  EXPECT_NEAR(RegularizedGamma(a, a).lower, 0.5 + 1 / (3 * std::sqrt(2 * M_PI * a)), 1e-12);
  // With a huge shape a large x is not the upper end yet.
  EXPECT_LT(RegularizedGamma(1e9, 2e8).lower, 1e-300);
  EXPECT_TRUE(std::isnan(RegularizedGamma(0, 1).lower));
  EXPECT_TRUE(std::isnan(RegularizedGamma(1, -1).lower));
}

TEST(RegularizedBetaTest, AgreesWithReferenceSeries) {
  const double shapes[][2] = {{0.5, 0.5}, {1, 1},     {2, 3},      {10, 0.5}, {0.5, 10},
                              {50, 50},   {500, 0.5}, {3.7, 1000}, {0.01, 2}, {2e3, 3e3}};
  for (const auto& s : shapes) {
    for (double x : {1e-4, 0.1, 0.3, 0.5, 0.7, 0.9}) {
      const long double ref = ReferenceBeta(s[0], s[1], x);
      const TailPair b = RegularizedBeta(s[0], s[1], x, 1 - x);
      if (ref > 1e-280) ExpectRelative(b.lower, ref, 1e-12, "I", x);
      // The complement is the beta function with the shapes swapped at 1 - x.
      const TailPair swapped = RegularizedBeta(s[1], s[0], 1 - x, x);
      EXPECT_NEAR(b.upper, swapped.lower, 1e-15 + 1e-13 * swapped.lower);
    }
  }
  EXPECT_EQ(RegularizedBeta(2, 3, 0, 1).lower, 0.0);
  EXPECT_EQ(RegularizedBeta(2, 3, 1, 0).lower, 1.0);
  EXPECT_NEAR(RegularizedBeta(1e4, 1e4, 0.5, 0.5).lower, 0.5, 1e-15);
}

TEST(StudentTTest, ClosedFormsForOneAndTwoDegrees) {
  for (double t : {-1e6, -50.0, -9.5, -3.0, -0.2, 0.0, 0.7, 2.0, 9.0, 10.0, 1e3}) {
    // The closed forms written for each tail without cancellation:
    // T1(t) = atan(1/|t|)/pi for t < 0, T2(t) = 1/(r (r + |t|)) for t < 0 with r = sqrt(2 + t^2).
    const long double at = std::fabs(static_cast<long double>(t));
    const long double t1_small = t == 0 ? 0.5L : std::atan(1 / at) / kPiL;
    const long double r = std::sqrt(2 + at * at);
    const long double t2_small = 1 / (r * (r + at));
    const TailPair one = StudentTTails(t, 1), two = StudentTTails(t, 2);
    ExpectRelative(t < 0 ? one.lower : one.upper, t1_small, 1e-14, "T1 small tail", t);
    ExpectRelative(t < 0 ? one.upper : one.lower, 1 - t1_small, 1e-15, "T1 large tail", t);
    ExpectRelative(t < 0 ? two.lower : two.upper, t2_small, 1e-13, "T2 small tail", t);
    ExpectRelative(t < 0 ? two.upper : two.lower, 1 - t2_small, 1e-15, "T2 large tail", t);
  }
}

TEST(StudentTTest, TendsToTheNormalDistribution) {
  for (double t : {-3.0, -1.0, 0.5, 2.0}) {
    // T_df(t) = Phi(t) - phi(t)(t^3 + t)/(4 df) + O(1/df^2), on both sides of the switch to
    // the expansion.
    for (double df : {1e7, 1e9, 1e11}) {
      const double phi = std::exp(-t * t / 2) / std::sqrt(2 * M_PI);
      const double expected = NormalTail(t) - phi * (t * t * t + t) / (4 * df);
      EXPECT_NEAR(StudentTDistribution(t, df), expected, 1e-12) << t << " " << df;
    }
  }
  EXPECT_TRUE(std::isnan(StudentTDistribution(1, 0)));
  EXPECT_EQ(StudentTDistribution(INFINITY, 3), 1.0);
}

TEST(FDistributionTest, Relations) {
  for (double x : {0.01, 0.5, 1.0, 3.0, 100.0}) {
    // F(2, 2) has distribution function x/(1 + x).
    ExpectRelative(FDistribution(x, 2, 2), x / (1 + static_cast<long double>(x)), 1e-14, "F", x);
    // Swapping the degrees of freedom inverts the variable.
    EXPECT_NEAR(FDistribution(x, 5, 9), FTails(1 / x, 9, 5).upper, 1e-15);
    // F(1, n) is the square of a t(n) variable.
    EXPECT_NEAR(FDistribution(x, 1, 7), 1 - 2 * StudentTTails(std::sqrt(x), 7).upper, 1e-14);
  }
  EXPECT_EQ(FDistribution(-1, 3, 4), 0.0);
  // Huge denominator degrees of freedom: the chi-square limit.
  EXPECT_NEAR(FDistribution(1.2, 4, 1e14), RegularizedGamma(2, 2.4).lower, 1e-12);
}

}  // namespace
}  // namespace zentrix::engine
