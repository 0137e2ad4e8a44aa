#include "graphing/stats/regression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/core/parser.h"

namespace zentrix::graphing {
namespace {

using Values = std::vector<double>;
constexpr char16_t kE = 220;

RegressionResult Fit(RegressionModel model, const Values& xs, const Values& ys, int decimals = 5) {
  return FitRegression(model, xs, ys, decimals);
}

// Least squares through Householder QR of the Vandermonde matrix: a different route from the
// normal equations, used as the reference. Returns coefficients from the highest power down.
Values ReferencePolynomial(const Values& xs, const Values& ys, int degree) {
  const int m = static_cast<int>(xs.size()), n = degree + 1;
  std::vector<Values> a(m, Values(n));
  Values b = ys;
  for (int i = 0; i < m; ++i) {
    for (int j = 0; j < n; ++j) a[i][j] = std::pow(xs[i], degree - j);
  }
  for (int k = 0; k < n; ++k) {
    double norm = 0;
    for (int i = k; i < m; ++i) norm += a[i][k] * a[i][k];
    norm = std::sqrt(norm);
    const double alpha = a[k][k] > 0 ? -norm : norm;
    Values v(m, 0);
    for (int i = k; i < m; ++i) v[i] = a[i][k];
    v[k] -= alpha;
    double vv = 0;
    for (int i = k; i < m; ++i) vv += v[i] * v[i];
    for (int j = k; j < n; ++j) {
      double dot = 0;
      for (int i = k; i < m; ++i) dot += v[i] * a[i][j];
      for (int i = k; i < m; ++i) a[i][j] -= 2 * dot / vv * v[i];
    }
    double dot = 0;
    for (int i = k; i < m; ++i) dot += v[i] * b[i];
    for (int i = k; i < m; ++i) b[i] -= 2 * dot / vv * v[i];
  }
  Values c(n);
  for (int k = n - 1; k >= 0; --k) {
    double sum = b[k];
    for (int j = k + 1; j < n; ++j) sum -= a[k][j] * c[j];
    c[k] = sum / a[k][k];
  }
  return c;
}

// Scattered data without structure: a fixed pseudo-random sequence.
Values Wobble(std::size_t n, double scale) {
  Values v(n);
  unsigned state = 12345;
  for (double& x : v) {
    state = state * 1103515245u + 12345u;
    x = scale * (static_cast<double>((state >> 8) % 10000) / 10000.0 - 0.5);
  }
  return v;
}

TEST(RegressionTest, LinearFitOfAnExactLineShowsThePlusBeforeAZeroIntercept) {
  const RegressionResult fit = Fit(RegressionModel::kLinear, {1, 2, 3}, {2, 4, 6});
  ASSERT_TRUE(fit.ok());
  ASSERT_EQ(fit.coefficients.size(), 3u);
  EXPECT_NEAR(fit.coefficients[0], 2, 1e-12);
  EXPECT_NEAR(fit.coefficients[1], 0, 1e-12);
  EXPECT_NEAR(fit.coefficients[2], 1, 1e-12);
  EXPECT_EQ(fit.equation, u"2x+0");
  EXPECT_NEAR(fit.r_squared, 1, 1e-12);

  const RegressionResult falling = Fit(RegressionModel::kLinear, {0, 1, 2}, {-3, -5.5, -8});
  EXPECT_EQ(falling.equation, u"-2.5x-3");
  EXPECT_EQ(falling.curve_text, u"(-2.5)*x+(-3)");
  EXPECT_NEAR(falling.r, -1, 1e-12);
}

TEST(RegressionTest, PolynomialFitsMatchAReferenceSolve) {
  const Values xs = {-3, -2.2, -1, -0.5, 0, 0.7, 1.1, 2, 2.5, 3.3, 4, 5.2};
  const Values noise = Wobble(xs.size(), 2.0);
  Values ys(xs.size());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    ys[i] = 0.3 * std::pow(xs[i], 4) - xs[i] * xs[i] * xs[i] + 2 * xs[i] + 7 + noise[i];
  }
  const std::pair<RegressionModel, int> models[] = {{RegressionModel::kLinear, 1},
                                                    {RegressionModel::kQuadratic, 2},
                                                    {RegressionModel::kCubic, 3},
                                                    {RegressionModel::kQuartic, 4}};
  for (const auto& [model, degree] : models) {
    const RegressionResult fit = Fit(model, xs, ys);
    ASSERT_TRUE(fit.ok()) << degree;
    const Values reference = ReferencePolynomial(xs, ys, degree);
    for (int j = 0; j <= degree; ++j) {
      EXPECT_NEAR(fit.coefficients[j], reference[j], 1e-9 * (1 + std::fabs(reference[j])))
          << "degree " << degree << " coefficient " << j;
    }
  }
}

TEST(RegressionTest, QuadraticFitOfDataFarFromZeroStaysAccurate) {
  Values xs, ys;
  for (int year = 1990; year <= 2010; ++year) {
    const double t = year - 2000;
    xs.push_back(year);
    ys.push_back(3 + 0.5 * t - 0.01 * t * t);
  }
  const RegressionResult fit = Fit(RegressionModel::kQuadratic, xs, ys);
  ASSERT_TRUE(fit.ok());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    EXPECT_NEAR(EvaluateRegression(fit, xs[i]), ys[i], 1e-6) << xs[i];
  }
  EXPECT_NEAR(fit.r_squared, 1, 1e-9);
}

TEST(RegressionTest, TransformedFitsRecoverKnownParameters) {
  Values xs, exp_ys, power_ys, log_ys;
  for (double x = 0.5; x <= 6; x += 0.5) {
    xs.push_back(x);
    exp_ys.push_back(2.5 * std::exp(0.3 * x));
    power_ys.push_back(1.5 * std::pow(x, -0.7));
    log_ys.push_back(4 - 2 * std::log(x));
  }
  const RegressionResult natural = Fit(RegressionModel::kNaturalExponential, xs, exp_ys);
  ASSERT_TRUE(natural.ok());
  EXPECT_NEAR(natural.coefficients[0], 2.5, 1e-10);
  EXPECT_NEAR(natural.coefficients[1], 0.3, 1e-12);
  EXPECT_EQ(natural.equation, u"2.5" + std::u16string(1, kE) + u"^(0.3x)");
  EXPECT_NEAR(natural.r, 1, 1e-12);

  const RegressionResult exponential = Fit(RegressionModel::kExponential, xs, exp_ys);
  ASSERT_TRUE(exponential.ok());
  EXPECT_NEAR(exponential.coefficients[1], std::exp(0.3), 1e-12);
  EXPECT_EQ(exponential.equation, u"2.5*1.34986^x");

  const RegressionResult power = Fit(RegressionModel::kPower, xs, power_ys);
  ASSERT_TRUE(power.ok());
  EXPECT_EQ(power.equation, u"1.5x^-0.7");
  EXPECT_NEAR(power.r, -1, 1e-12);

  const RegressionResult logarithmic = Fit(RegressionModel::kLogarithmic, xs, log_ys);
  ASSERT_TRUE(logarithmic.ok());
  EXPECT_EQ(logarithmic.equation, u"4-2ln(x)");
  EXPECT_NEAR(logarithmic.r_squared, 1, 1e-12);
}

TEST(RegressionTest, MedianMedianUsesTheQuartilesOfEachSortedList) {
  const RegressionResult fit =
      Fit(RegressionModel::kMedianMedian, {1, 2, 3, 4, 5, 6, 7}, {2, 3, 5, 4, 7, 8, 9});
  ASSERT_TRUE(fit.ok());
  EXPECT_DOUBLE_EQ(fit.coefficients[0], 1.25);
  EXPECT_NEAR(fit.coefficients[1], 1.0 / 3, 1e-12);
  EXPECT_EQ(fit.equation, u"1.25x+0.33333");
  EXPECT_TRUE(std::isnan(fit.r));
}

TEST(RegressionTest, FailuresReportTheirCodeAndLeaveNoCurve) {
  const RegressionResult zero_y = Fit(RegressionModel::kExponential, {1, 2, 3}, {1, 0, 4});
  EXPECT_EQ(zero_y.error, FitError::kOutsideDomain);
  EXPECT_TRUE(zero_y.equation.empty());
  EXPECT_TRUE(zero_y.curve_text.empty());
  EXPECT_TRUE(zero_y.coefficients.empty());

  EXPECT_EQ(Fit(RegressionModel::kLogarithmic, {-1, 2, 3}, {1, 2, 3}).error,
            FitError::kOutsideDomain);
  EXPECT_EQ(Fit(RegressionModel::kPower, {1, 2, 3}, {1, -2, 3}).error, FitError::kOutsideDomain);
  EXPECT_EQ(Fit(RegressionModel::kLinear, {1, NAN, 3}, {1, 2, 3}).error, FitError::kOutsideDomain);
  EXPECT_EQ(Fit(RegressionModel::kLinear, {1, 2, 3}, {1, INFINITY, 3}).error,
            FitError::kOutsideDomain);
  EXPECT_EQ(Fit(RegressionModel::kLinear, {1, 2, 3}, {1, 2}).error, FitError::kLengthMismatch);
  EXPECT_EQ(Fit(RegressionModel::kLinear, {}, {}).error, FitError::kEmptyList);

  // Too few points or distinct x values for the model: singular normal equations.
  EXPECT_EQ(Fit(RegressionModel::kQuadratic, {1, 2}, {1, 4}).error, FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kQuartic, {1, 1, 2, 2, 3, 3}, {1, 2, 3, 4, 5, 6}).error,
            FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kLinear, {2, 2, 2}, {1, 2, 3}).error, FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kMedianMedian, {1, 1, 1, 1}, {1, 2, 3, 4}).error,
            FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kSinusoidal, {1, 2, 3}, {1, 2, 3}).error,
            FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kLogistic, {1, 2, 3}, {0, 0, 0}).error,
            FitError::kUnderdetermined);
  EXPECT_EQ(Fit(RegressionModel::kNone, {1, 2}, {1, 2}).error, FitError::kUnderdetermined);
  // B = e^slope overflows for a slope near 1e39.
  EXPECT_EQ(Fit(RegressionModel::kExponential, {6.4e-145, 7.1e-38}, {7.1e-38, 9.7}).error,
            FitError::kUnderdetermined);
}

TEST(RegressionTest, LogisticFitRecoversKnownParameters) {
  Values xs, ys;
  for (double x = 0; x <= 15; x += 0.75) {
    xs.push_back(x);
    ys.push_back(10 / (1 + 20 * std::exp(-0.8 * x)));
  }
  const RegressionResult fit = Fit(RegressionModel::kLogistic, xs, ys);
  ASSERT_TRUE(fit.ok());
  EXPECT_NEAR(fit.coefficients[0], 20, 1e-6);
  EXPECT_NEAR(fit.coefficients[1], 0.8, 1e-8);
  EXPECT_NEAR(fit.coefficients[2], 10, 1e-8);
  EXPECT_EQ(fit.equation, u"10/(1+20*" + std::u16string(1, kE) + u"^(-0.8*x))");

  // Noisy data of a falling curve still lands near its parameters.
  const Values noise = Wobble(xs.size(), 0.2);
  Values falling(xs.size());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    falling[i] = 6 / (1 + 0.05 * std::exp(0.5 * xs[i])) + noise[i];
  }
  const RegressionResult noisy = Fit(RegressionModel::kLogistic, xs, falling);
  ASSERT_TRUE(noisy.ok());
  EXPECT_NEAR(noisy.coefficients[1], -0.5, 0.05);
  EXPECT_NEAR(noisy.coefficients[2], 6, 0.2);
  EXPECT_GT(noisy.r_squared, 0.98);
}

TEST(RegressionTest, SinusoidalFitRecoversKnownParameters) {
  Values xs, ys;
  for (double x = 0; x <= 30; x += 0.7) {
    xs.push_back(x);
    ys.push_back(3 * std::sin(0.5 * x + 1) + 2);
  }
  const RegressionResult fit = Fit(RegressionModel::kSinusoidal, xs, ys);
  ASSERT_TRUE(fit.ok());
  EXPECT_NEAR(fit.coefficients[0], 3, 1e-8);
  EXPECT_NEAR(fit.coefficients[1], 0.5, 1e-10);
  EXPECT_NEAR(fit.coefficients[2], 1, 1e-8);
  EXPECT_NEAR(fit.coefficients[3], 2, 1e-8);
  EXPECT_EQ(fit.equation, u"3sin(0.5x+1)+2");

  // Twelve monthly values a year apart at uneven days, with noise, and a negative phase.
  const Values days = {15,  46,  74,  105, 135, 166, 196, 227, 258, 288, 319, 349,
                       380, 411, 439, 470, 500, 531, 561, 592, 623, 653, 684, 714};
  const Values noise = Wobble(days.size(), 1.0);
  Values temperatures(days.size());
  const double w = 2 * M_PI / 365;
  for (std::size_t i = 0; i < days.size(); ++i) {
    temperatures[i] = 12 * std::sin(w * days[i] - 2) + 10 + noise[i];
  }
  const RegressionResult yearly = Fit(RegressionModel::kSinusoidal, days, temperatures);
  ASSERT_TRUE(yearly.ok());
  EXPECT_NEAR(yearly.coefficients[0], 12, 0.5);
  EXPECT_NEAR(yearly.coefficients[1], w, w * 0.02);
  EXPECT_NEAR(yearly.coefficients[2], -2, 0.1);
  EXPECT_NEAR(yearly.coefficients[3], 10, 0.5);
}

TEST(RegressionTest, CurveTextsParseAndKeepFullPrecision) {
  const Values xs = {1, 2, 3, 4, 5, 6, 7, 8};
  const Values ys = {1.1e-7, 2.3e-7, 2.9e-7, 4.2e-7, 5.1e-7, 5.8e-7, 7.4e-7, 8.1e-7};
  const engine::Parser parser;
  for (int index = 0; index < kRegressionModelCount; ++index) {
    const RegressionModel model = RegressionModelFromIndex(index);
    const RegressionResult fit = Fit(model, xs, ys, 4);
    ASSERT_TRUE(fit.ok()) << index;
    EXPECT_TRUE(parser.Parse(fit.curve_text).ok()) << index;
  }
  // Shown with four decimals the slope would be 0; the curve keeps it.
  const RegressionResult line = Fit(RegressionModel::kLinear, xs, ys, 4);
  EXPECT_EQ(line.equation, u"0x+0");
  EXPECT_NE(line.curve_text.find(128), std::u16string::npos);
}

TEST(RegressionTest, PaneListsNameFormulaCoefficientsAndCorrelation) {
  const RegressionResult fit = Fit(RegressionModel::kLinear, {1, 2, 3}, {2, 4, 6});
  const std::vector<std::u16string> lines = RegressionPaneLines(fit, 4);
  const std::vector<std::u16string> expected = {u"Linear",
                                                u"Ax+B",
                                                u"Regression",
                                                u"A = 2",
                                                u"B = 0",
                                                u"r = 1",
                                                std::u16string{u'r', char16_t{133}} + u" = 1",
                                                u"y = 2x+0"};
  EXPECT_EQ(lines, expected);

  const RegressionResult failed = Fit(RegressionModel::kExponential, {1}, {0});
  EXPECT_EQ(RegressionPaneLines(failed, 4),
            (std::vector<std::u16string>{u"Exponential", u"A*B^x"}));
}

TEST(RegressionTest, EveryModelFinishesOnAHundredThousandPoints) {
  Values xs(100000), ys(100000);
  const Values noise = Wobble(xs.size(), 0.5);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    xs[i] = 1 + i * 1e-4;
    ys[i] = 4 + 2 * std::sin(3 * xs[i]) + noise[i];
  }
  for (int index = 0; index < kRegressionModelCount; ++index) {
    const RegressionResult fit = Fit(RegressionModelFromIndex(index), xs, ys);
    EXPECT_TRUE(fit.ok()) << index;
  }
  const RegressionResult wave = Fit(RegressionModel::kSinusoidal, xs, ys);
  EXPECT_NEAR(wave.coefficients[1], 3, 0.01);
}

}  // namespace
}  // namespace zentrix::graphing
