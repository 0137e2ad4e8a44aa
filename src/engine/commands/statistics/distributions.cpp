#include "engine/commands/statistics/distributions.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/numeric/compensated_sum.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/commands/numeric/special_functions.h"

namespace zentrix::engine {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSqrt2Pi = 2.5066282746310007;
constexpr long double kLnSqrt2PiL = 0.918938533204672741780329736405617640L;

bool IsInteger(double x) { return std::isfinite(x) && x == std::floor(x); }

// Terms below this fraction of the running sum no longer change a cumulative probability.
constexpr double kNegligible = 1e-17;
// Cumulative sums over discrete distributions add at most this many terms; wider
// distributions use the equivalent incomplete gamma or beta function instead.
constexpr double kMaxSummedSpread = limits::kDistributionSummedSpread;
constexpr long long kMaxTerms = limits::kDistributionTerms;

// Sums term(i) for integer i in [0, last] over a unimodal sequence with its peak at mode:
// from the peak (or from last, when last is below it) downwards, then upwards, each walk
// ending once the terms are negligible.
template <class Term>
double SumUnimodal(double mode, double last, Term term) {
  const double start = std::min(std::floor(mode), last);
  CompensatedSum sum;
  long long count = 0;
  for (double i = start; i >= 0 && count < kMaxTerms; i -= 1, ++count) {
    const double t = term(i);
    sum.Add(t);
    if (t <= kNegligible * sum.Value() && i < mode) break;
  }
  for (double i = start + 1; i <= last && count < kMaxTerms; i += 1, ++count) {
    const double t = term(i);
    sum.Add(t);
    if (t <= kNegligible * sum.Value()) break;
  }
  return sum.Value();
}

// The difference of a distribution function between two points, taken on the side where
// both tails are small so that nothing cancels.
double Difference(const TailPair& lower, const TailPair& upper) {
  if (lower.lower > 0.5) return lower.upper - upper.upper;
  return upper.lower - lower.lower;
}

// 1 - p, and whether it is exact (then pow of it is as accurate as pow gets).
bool ComplementIsExact(double p) { return 1 - (1 - p) == p; }

}  // namespace

// ---- Normal ----

double NormalPdf(double x, double mu, double sigma) {
  if (!(sigma > 0)) return kNaN;
  const long double z = (static_cast<long double>(x) - mu) / sigma;
  return static_cast<double>(std::exp(-0.5L * z * z) / (sigma * kSqrt2Pi));
}

double NormalCdf(double lower, double upper, double mu, double sigma) {
  if (!(sigma > 0)) return kNaN;
  const double zl = static_cast<double>((static_cast<long double>(lower) - mu) / sigma);
  const double zu = static_cast<double>((static_cast<long double>(upper) - mu) / sigma);
  return Difference(NormalTails(zl), NormalTails(zu));
}

double InverseNormalAcklam(double p) {
  static constexpr double a[] = {-39.69683028665376, 220.9460984245205,  -275.9285104469687,
                                 138.3577518672690,  -30.66479806614716, 2.506628277459239};
  static constexpr double b[] = {-54.47609879822406, 161.5858368580409, -155.6989798598866,
                                 66.80131188771972, -13.28068155288572};
  static constexpr double c[] = {-0.007784894002430293, -0.3223964580411365, -2.400758277161838,
                                 -2.549732539343734,    4.374664141464968,   2.938163982698783};
  static constexpr double d[] = {0.007784695709041462, 0.3224671290700398, 2.445134137142996,
                                 3.754408661907416};
  constexpr double kLow = 0.02425;
  constexpr double kHigh = 1 - kLow;
  auto tail = [&](double q) {
    return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
           ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
  };
  if (std::isnan(p) || p < 0 || p > 1) return kNaN;
  if (p == 0) return -kInf;
  if (p == 1) return kInf;
  if (p < kLow) return tail(std::sqrt(-2 * std::log(p)));
  if (p > kHigh) return -tail(std::sqrt(-2 * std::log1p(-p)));
  const double q = p - 0.5;
  const double r = q * q;
  return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
         (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

double InverseNormal(double p) {
  double x = InverseNormalAcklam(p);
  if (!std::isfinite(x)) return x;
  if (p < 1e-300) {
    // Newton steps on ln Phi(x) = ln p; Phi itself would underflow here.
    for (int i = 0; i < 3; ++i) {
      const double ratio = std::exp(static_cast<double>(
          LogNormalTail(x) + 0.5L * static_cast<long double>(x) * x + kLnSqrt2PiL));
      x -= (LogNormalTail(x) - std::log(p)) * ratio;
    }
    return x;
  }
  // One step of Halley's method on Phi(x) = p, with the error taken on the small side.
  const TailPair tails = NormalTails(x);
  const double e = p < 0.5 ? tails.lower - p : (1 - p) - tails.upper;
  const double u = e * kSqrt2Pi * std::exp(0.5 * x * x);
  return x - u / (1 + x * u / 2);
}

// ---- Student t ----

double StudentTPdf(double x, double df) {
  if (std::isnan(x) || !(df > 0)) return kNaN;
  // ln[Gamma((df+1)/2) / (sqrt(df pi) Gamma(df/2))] through the Stirling errors, which keeps
  // large df accurate: a ln(1 + 1/(2a)) - 1/2 + s(a + 1/2) - s(a) - ln sqrt(2 pi), a = df/2.
  const double a = df / 2;
  const double log_c = a * std::log1p(1 / (2 * a)) - 0.5 + StirlingError(a + 0.5) -
                       StirlingError(a) - static_cast<double>(kLnSqrt2PiL);
  return std::exp(log_c - (df + 1) / 2 * std::log1p(x * x / df));
}

double StudentTCdf(double lower, double upper, double df) {
  return Difference(StudentTTails(lower, df), StudentTTails(upper, df));
}

// ---- Chi-square ----

double ChiSquarePdf(double x, double df) {
  if (std::isnan(x) || !(df > 0)) return kNaN;
  if (x < 0) return 0;
  const double a = df / 2;
  if (x == 0) return a < 1 ? kInf : (a == 1 ? 0.5 : 0.0);
  // (x/2)^(a-1) e^(-x/2) / (2 Gamma(a)) as a Poisson term.
  if (a >= 1) return PoissonTerm(a - 1, x / 2) / 2;
  return PoissonTerm(a, x / 2) * a / x;
}

double ChiSquareCdf(double lower, double upper, double df) {
  if (std::isnan(lower) || std::isnan(upper) || !(df > 0)) return kNaN;
  // P(k/2, upper/2) - P(k/2, lower/2); the distribution is 0 below 0.
  const double a = df / 2;
  return Difference(RegularizedGamma(a, std::max(lower, 0.0) / 2),
                    RegularizedGamma(a, std::max(upper, 0.0) / 2));
}

// ---- F ----

double FPdf(double x, double numerator_df, double denominator_df) {
  const double d1 = numerator_df, d2 = denominator_df;
  if (std::isnan(x) || !(d1 > 0) || !(d2 > 0)) return kNaN;
  if (x < 0 || std::isinf(x)) return 0;
  if (x == 0) return d1 < 2 ? kInf : (d1 == 2 ? 1.0 : 0.0);
  // (1/x) y1^a y2^b / B(a, b) with a = d1/2, b = d2/2, y1 = d1 x/(d1 x + d2), y2 = 1 - y1.
  const double a = d1 / 2, b = d2 / 2;
  const double u = d1 * x / d2;
  if (std::isinf(u)) return 0;
  const double y1 = u / (1 + u), y2 = 1 / (1 + u);
  return a * b / (a + b) * BinomialTerm(a, a + b, y1, y2) / x;
}

double FCdf(double lower, double upper, double numerator_df, double denominator_df) {
  const double d1 = std::trunc(numerator_df), d2 = std::trunc(denominator_df);
  if (std::isnan(lower) || std::isnan(upper)) return kNaN;
  return Difference(FTails(std::max(lower, 0.0), d1, d2), FTails(upper, d1, d2));
}

// ---- Binomial ----

double BinomialPdf(double n, double p, double x) {
  if (std::isnan(n) || std::isnan(p) || std::isnan(x) || n < 0 || p < 0 || p > 1 || std::isinf(n))
    return kNaN;
  if (x < 0 || x > n) return 0;
  const double q = 1 - p;
  if (IsInteger(n) && IsInteger(x) && n <= 170) {
    // Small cases in the direct form, whose integer factorials are exact.
    return Gamma(n + 1) / (Gamma(x + 1) * Gamma(n - x + 1)) * std::pow(p, x) * std::pow(q, n - x);
  }
  return BinomialTerm(x, n, p, q);
}

double BinomialCdf(double n, double p, double x) {
  if (std::isnan(n) || std::isnan(p) || std::isnan(x) || n < 0 || p < 0 || p > 1 || std::isinf(n))
    return kNaN;
  const double last = std::min(std::floor(x), std::floor(n));
  if (last < 0) return 0;
  if (IsInteger(n) && n * p * (1 - p) > kMaxSummedSpread) {
    // P(X <= k) = I_q(n - k, k + 1).
    if (last >= n) return 1;
    return RegularizedBeta(n - last, last + 1, 1 - p, p).lower;
  }
  return SumUnimodal((n + 1) * p, last, [&](double i) { return BinomialPdf(n, p, i); });
}

// ---- Poisson ----

double PoissonPdf(double mu, double x) {
  if (std::isnan(mu) || std::isnan(x) || mu < 0 || std::isinf(mu)) return kNaN;
  if (x < 0) return 0;
  return PoissonTerm(x, mu);
}

double PoissonCdf(double mu, double x) {
  if (std::isnan(mu) || std::isnan(x) || mu < 0 || std::isinf(mu)) return kNaN;
  const double last = std::floor(x);
  if (last < 0) return 0;
  if (std::isinf(last)) return 1;
  // P(X <= k) = Q(k + 1, mu).
  if (mu > kMaxSummedSpread) return RegularizedGamma(last + 1, mu).upper;
  return SumUnimodal(mu, last, [&](double i) { return PoissonTerm(i, mu); });
}

// ---- Geometric ----

double GeoPdf(double p, double x) {
  if (std::isnan(p) || std::isnan(x) || p < 0 || p > 1) return kNaN;
  if (x < 1 || p == 0) return 0;
  if (p == 1) return x == 1 ? 1.0 : 0.0;
  if (ComplementIsExact(p)) return p * std::pow(1 - p, x - 1);
  return p * std::exp((x - 1) * std::log1p(-p));
}

double GeoCdf(double p, double x) {
  if (std::isnan(p) || std::isnan(x) || p < 0 || p > 1) return kNaN;
  const double last = std::floor(x);
  if (last < 1 || p == 0) return 0;
  if (p == 1) return 1;
  // Term by term; once the rest is negligible or the count reaches kMaxTerms, the rest
  // (1-p)^m - (1-p)^k is added in closed form.
  CompensatedSum sum;
  double i = 1;
  for (; i <= last && i <= kMaxTerms; i += 1) {
    const double t = GeoPdf(p, i);
    sum.Add(t);
    if (t * (1 - p) / p <= kNegligible * sum.Value()) return sum.Value();
  }
  if (i <= last) {
    const double log_q = std::log1p(-p);
    sum.Add(std::expm1((i - 1) * log_q) - std::expm1(last * log_q));
  }
  return sum.Value();
}

// ---- Evaluation with the argument checks ----

DistributionResult EvaluateDistribution(const DistributionFunction& d,
                                        std::span<const double> args) {
  if (args.size() > 4) return {0, kTooManyParametersCode};
  if (static_cast<int>(args.size()) != d.arity) return {0, kWrongArgumentsCode};
  return {d.evaluate(args), -1};
}

}  // namespace zentrix::engine
