#include "engine/commands/numeric/special_functions.h"

#include <array>
#include <cmath>
#include <limits>

#include "engine/commands/base/limits.h"

namespace zentrix::engine {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;
constexpr double kSqrtPi = 1.772453850905516;
constexpr double kLnSqrt2Pi = 0.91893853320467274178;
constexpr double kLn2Pi = 1.8378770664093454836;
constexpr long double kTwoOverSqrtPiL = 1.12837916709551257389615890312154517L;
constexpr long double kOneOverSqrtPiL = 0.564189583547756286948079451560772586L;
constexpr long double kSqrt2L = 1.41421356237309504880168872420969808L;
constexpr long double kOneOverSqrt2PiL = 0.398942280401432677939946059934381868L;

// Loops whose length grows with an argument stop here at the latest; the arguments that
// would need more are handled by asymptotic forms before a loop is entered.
constexpr int kMaxIterations = limits::kSpecialFunctionIterations;

// zeta(k) - 1 for k = 2..40: the coefficients of the Taylor series of ln Gamma(2 + t).
constexpr std::array<long double, 39> kZetaMinusOne = {
    0.644934066848226436478L,    0.202056903159594285403L,    0.0823232337111381915122L,
    0.0369277551433699263307L,   0.0173430619844491397138L,   0.00834927738192282683981L,
    0.00407735619794433937877L,  0.00200839282608221441772L,  0.00099457512781808533712L,
    0.000494188604119464558747L, 0.000246086553308048298651L, 0.000122713347578489146749L,
    6.12481350587048292535e-05L, 3.05882363070204935501e-05L, 1.52822594086518717324e-05L,
    7.63719763789976227379e-06L, 3.81729326499983985653e-06L, 1.90821271655393892585e-06L,
    9.53962033872796113158e-07L, 4.76932986787806463109e-07L, 2.38450502727732990006e-07L,
    1.19219925965311073063e-07L, 5.96081890512594796123e-08L, 2.98035035146522801869e-08L,
    1.4901554828365041235e-08L,  7.45071178983542949225e-09L, 3.725334024788457055e-09L,
    1.86265972351304900646e-09L, 9.31327432419668182887e-10L, 4.65662906503378407304e-10L,
    2.32831183367650549211e-10L, 1.16415501727005197757e-10L, 5.82077208790270088913e-11L,
    2.91038504449709968691e-11L, 1.45519218910419842362e-11L, 7.27595983505748101451e-12L,
    3.63797954737865119043e-12L, 1.81898965030706594765e-12L, 9.09494784026388928288e-13L};
constexpr long double kEulerGammaL = 0.577215664901532860606512090082402431L;

// ln Gamma(2 + t) for |t| <= 1/2 by its Taylor series
// (1 - gamma) t + sum_{k>=2} (-1)^k (zeta(k) - 1) t^k / k, which needs no cancellation near
// the zeros of ln Gamma at 1 and 2.
double LogGammaNearTwo(double t) {
  long double sum = 0;
  const long double tl = t;
  for (int k = static_cast<int>(kZetaMinusOne.size()) + 1; k >= 2; --k) {
    const long double c = kZetaMinusOne[k - 2] / k;
    sum = sum * tl + ((k % 2 == 0) ? c : -c);
  }
  sum = sum * tl + (1.0L - kEulerGammaL);
  return static_cast<double>(sum * tl);
}

// Bands of ln Gamma: the Taylor series near 2 covers [1.5, 2.5); one recurrence step reaches
// it from [0.5, 1.5) and [2.5, 3.5), a product of at most five factors from below 8, and
// Stirling's series is used above.
constexpr double kStirlingBand = 8.0;

// The remainder of Stirling's series for ln Gamma(x), x >= 8: B_2k / (2k (2k - 1) x^(2k-1)).
double StirlingSeries(double x) {
  static constexpr std::array<long double, 10> kCoefficients = {
      1.0L / 12,        -1.0L / 360, 1.0L / 1260,       -1.0L / 1680,      1.0L / 1188,
      -691.0L / 360360, 1.0L / 156,  -3617.0L / 122400, 43867.0L / 244188, -174611.0L / 125400};
  const long double inv = 1.0L / x;
  const long double inv2 = inv * inv;
  long double sum = 0;
  for (int k = static_cast<int>(kCoefficients.size()) - 1; k >= 0; --k) {
    sum = sum * inv2 + kCoefficients[k];
  }
  return static_cast<double>(sum * inv);
}

bool IsInteger(double x) { return std::isfinite(x) && x == std::floor(x); }

// sin(pi x) with the argument reduced exactly, so that large arguments keep their accuracy.
double SinPi(double x) {
  double sign = 1;
  if (x < 0) {
    x = -x;
    sign = -1;
  }
  double r = std::fmod(x, 2.0);
  if (r >= 1) {
    r -= 1;
    sign = -sign;
  }
  if (r > 0.5) r = 1 - r;
  return sign * std::sin(kPi * r);
}

// Gamma on [1.5, 2.5) as exp(ln Gamma), which is accurate because ln Gamma is small there.
long double GammaNearTwo(double x) {
  return std::exp(static_cast<long double>(LogGammaNearTwo(x - 2)));
}

// exp(-x^2) with x^2 formed in extended precision, since its rounding error is multiplied by
// x^2 in the result.
long double ExpMinusSquare(long double x) { return std::exp(-(x * x)); }

// erf(x) for 0 <= x < 2.2 by the series (2/sqrt(pi)) e^(-x^2) sum 2^n x^(2n+1)/(2n+1)!!,
// whose terms are all positive.
long double ErfSeries(long double x) {
  long double term = x;
  long double sum = x;
  const long double x2 = 2 * x * x;
  for (int n = 1; n < 200; ++n) {
    term *= x2 / (2 * n + 1);
    sum += term;
    if (term <= 1e-20L * sum) break;
  }
  return kTwoOverSqrtPiL * ExpMinusSquare(x) * sum;
}

// e^(x^2) erfc(x) for x >= 0.5 by the even contraction of Laplace's continued fraction,
// erfc(x) = (2x/sqrt(pi)) e^(-x^2) / (2x^2+1 - 1*2/(2x^2+5 - 3*4/(2x^2+9 - ...))),
// evaluated by the modified Lentz method.
long double ScaledErfc(long double x) {
  constexpr long double kTiny = 1e-300L;
  const long double x2 = 2 * x * x;
  long double f = x2 + 1;
  long double c = f;
  long double d = 0;
  for (int k = 2; k < 5000; ++k) {
    const long double a = -static_cast<long double>(2 * k - 3) * (2 * k - 2);
    const long double b = x2 + 4 * k - 3;
    d = b + a * d;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + a / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const long double delta = c * d;
    f *= delta;
    if (std::fabs(delta - 1) < 1e-19L) break;
  }
  return 2 * x * kOneOverSqrtPiL / f;
}

long double ErfcContinuedFraction(long double x) { return ScaledErfc(x) * ExpMinusSquare(x); }

// erfc for any long double argument.
long double ErfcL(long double x) {
  if (std::isnan(x)) return x;
  if (x < 0) {
    const long double ax = -x;
    if (ax >= 6.9L) return 2;
    return 1 + (ax < 2.2L ? ErfSeries(ax) : 1 - ErfcContinuedFraction(ax));
  }
  if (x < 0.5L) return 1 - ErfSeries(x);
  if (x > 30) return 0;
  return ErfcContinuedFraction(x);
}

// Both normal tails at z, from the complementary error function of |z|/sqrt(2).
TailPair NormalTailsL(long double z) {
  if (std::isnan(z)) return {kNaN, kNaN};
  const long double small = 0.5L * ErfcL(std::fabs(z) / kSqrt2L);
  const double small_d = static_cast<double>(small);
  const double large_d = static_cast<double>(1 - small);
  return z < 0 ? TailPair{small_d, large_d} : TailPair{large_d, small_d};
}

// ---- Incomplete gamma ----

// Above this shape the series and continued fraction would need too many terms; the
// Wilson-Hilferty approximation is then accurate to far better than 1e-12.
constexpr double kWilsonHilfertyShape = 1e10;
constexpr double kGammaTolerance = 1e-14;
constexpr double kLogUnderflow = -88.0;

TailPair WilsonHilferty(double a, double x) {
  // (x/a)^(1/3) - 1 formed without cancellation.
  const double cube_root_minus_one = std::expm1(std::log1p((x - a) / a) / 3);
  const double z = 3 * std::sqrt(a) * (cube_root_minus_one + 1 / (9 * a));
  return NormalTails(z);
}

// The lower tail by the series P = x^a e^-x / Gamma(a+1) * sum x^n / ((a+1)...(a+n)); the sum
// stops when a geometric bound on what is left is below the tolerance.
double GammaSeries(double a, double x, double prefix) {
  long double term = 1;
  long double sum = 1;
  for (int n = 1; n < kMaxIterations; ++n) {
    const long double ratio = static_cast<long double>(x) / (a + n);
    term *= ratio;
    sum += term;
    if (ratio < 1 && term * ratio / (1 - ratio) <= kGammaTolerance * 1e-2 * sum) break;
  }
  return static_cast<double>(prefix * sum);
}

// The upper tail by Legendre's continued fraction
// Q = x^a e^-x / Gamma(a) / (x+1-a - 1(1-a)/(x+3-a - 2(2-a)/(x+5-a - ...))), for x > a.
double GammaContinuedFraction(double a, double x, double prefix) {
  constexpr long double kTiny = 1e-300L;
  long double b = static_cast<long double>(x) + 1 - a;
  long double c = 1 / kTiny;
  long double d = 1 / b;
  long double h = d;
  for (int i = 1; i < kMaxIterations; ++i) {
    const long double an = -i * (i - static_cast<long double>(a));
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const long double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < kGammaTolerance * 1e-3) break;
  }
  return static_cast<double>(prefix * h);
}

// ---- Incomplete beta ----

// The continued fraction of I_x(a, b) (without its prefactor x^a y^b / (a B(a, b))).
long double BetaContinuedFraction(double a, double b, long double xl) {
  constexpr long double kTiny = 1e-300L;
  const long double al = a, bl = b;
  const long double qab = al + bl, qap = al + 1, qam = al - 1;
  long double c = 1;
  long double d = 1 - qab * xl / qap;
  if (std::fabs(d) < kTiny) d = kTiny;
  d = 1 / d;
  long double h = d;
  for (int m = 1; m < kMaxIterations; ++m) {
    const long double m2 = 2.0L * m;
    long double aa = m * (bl - m) * xl / ((qam + m2) * (al + m2));
    d = 1 + aa * d;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = 1 + aa / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    h *= d * c;
    aa = -(al + m) * (qab + m) * xl / ((al + m2) * (qap + m2));
    d = 1 + aa * d;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = 1 + aa / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const long double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < 1e-17L) break;
  }
  return h;
}

// Degrees of freedom beyond which the t and F distributions are replaced by their limits
// (the error of the limit forms is far below 1e-12 there).
constexpr double kLargeDf = 1e10;
constexpr double kLargeFDf = 1e13;

}  // namespace

// ---- Gamma and log-gamma ----

double LogGamma(double x) {
  if (std::isnan(x)) return x;
  if (std::isinf(x)) return x > 0 ? kInf : kNaN;
  if (x <= 0 && IsInteger(x)) return kInf;
  if (x < 0.5) {
    // Reflection: Gamma(x) Gamma(1 - x) = pi / sin(pi x).
    const double reflected = (x > 0) ? LogGammaNearTwo(-x) - std::log1p(-x) : LogGamma(1 - x);
    return std::log(kPi / std::fabs(SinPi(x))) - reflected;
  }
  if (x < 1.5) return LogGammaNearTwo(x - 1) - std::log1p(x - 1);
  if (x < 2.5) return LogGammaNearTwo(x - 2);
  if (x < 3.5) return LogGammaNearTwo(x - 3) + std::log(x - 1);
  if (x < kStirlingBand) {
    const int steps = static_cast<int>(std::floor(x - 2.5));
    long double product = 1;
    for (int j = 1; j <= steps; ++j) product *= static_cast<long double>(x) - j;
    return LogGamma(x - steps) + static_cast<double>(std::log(product));
  }
  return (x - 0.5) * std::log(x) - x + kLnSqrt2Pi + StirlingSeries(x);
}

double Gamma(double x) {
  if (std::isnan(x)) return x;
  if (x == kInf) return kInf;
  if (x == -kInf) return kNaN;
  if (x == 0 || (x < 0 && IsInteger(x))) return kGammaPole;
  if (x > 0) {
    if (x >= 172) return kInf;
    // Gamma(x) = Gamma(x + 2) / (x (x + 1)) with ln Gamma(2 + x) from the series near 2.
    if (x < 0.5) return std::exp(LogGammaNearTwo(x) - std::log1p(x)) / x;
    if (x < 1.5) return std::exp(LogGamma(x));
    // Recurrence down to [1.5, 2.5) with the factors multiplied in extended precision, so
    // that integers give exact factorials as far as binary64 holds them.
    const int steps = static_cast<int>(std::floor(x - 1.5));
    long double product = GammaNearTwo(x - steps);
    for (int j = 1; j <= steps; ++j) product *= static_cast<long double>(x) - j;
    return static_cast<double>(product);
  }
  // Negative non-integer x: Gamma(x) = Gamma(x + i + 1) / (x (x + 1) ... (x + i)), where i
  // steps of +1 bring x to non-negative. Far out the magnitude is below the binary64 range.
  if (x < -200) {
    const double n = std::floor(-x);
    return std::fmod(n, 2.0) == 0 ? -0.0 : 0.0;
  }
  const int steps = static_cast<int>(std::ceil(-x));
  long double product = 1;
  for (int j = 0; j <= steps; ++j) product *= static_cast<long double>(x) + j;
  const double shifted = static_cast<double>(static_cast<long double>(x) + steps + 1);
  return static_cast<double>(static_cast<long double>(Gamma(shifted)) / product);
}

double FactorialOperator(double v) { return Gamma(v + 1); }

std::optional<double> ExactFactorial(double n) {
  double product = 1;
  for (double i = 2; i <= n; ++i) {
    const double next = product * i;
    // The rounding error of the product is 0 exactly when it is exact.
    if (std::fma(product, i, -next) != 0.0) return std::nullopt;
    product = next;
  }
  return product;
}

std::optional<double> Factorial(double x) {
  if (x == 0) return 1.0;
  if (x == -0.5) return kSqrtPi;
  if (!(x > 0) || !IsInteger(2 * x)) return std::nullopt;
  if (x > 171) return kInf;  // past the binary64 range; also bounds the loop
  if (IsInteger(x)) {
    double product = 1;
    for (int i = 2; i <= static_cast<int>(x); ++i) product *= i;
    return product;
  }
  double product = kSqrtPi;
  for (double f = 0.5; f <= x; f += 1) product *= f;
  return product;
}

// ---- Error function and normal tails ----

double Erf(double x) {
  if (std::isnan(x)) return x;
  const long double ax = std::fabs(x);
  long double r;
  if (ax < 2.2L) {
    r = ErfSeries(ax);
  } else if (ax < 6.9L) {
    r = 1 - ErfcContinuedFraction(ax);
  } else {
    r = 1;
  }
  return static_cast<double>(x < 0 ? -r : r);
}

double Erfc(double x) { return static_cast<double>(ErfcL(x)); }

TailPair NormalTails(double z) { return NormalTailsL(z); }

double NormalTail(double z) { return NormalTails(z).lower; }

double LogNormalTail(double z) {
  if (!(z < -7)) return std::log(NormalTail(z));
  // Phi(z) = erfc(y)/2 with y = -z/sqrt(2), and erfc(y) = e^(-y^2) * 2y / (sqrt(pi) f) with
  // f the continued fraction; the logarithm is taken before the exponential underflows.
  const long double y = -static_cast<long double>(z) / kSqrt2L;
  return static_cast<double>(std::log(0.5L * ScaledErfc(y)) - y * y);
}

// ---- Stirling error, deviance, Poisson and binomial terms ----

double StirlingError(double x) {
  if (x >= kStirlingBand) return StirlingSeries(x);
  return LogGamma(x) - (x - 0.5) * std::log(x) + x - kLnSqrt2Pi;
}

double DevianceTerm(double x, double m) {
  if (x == 0) return m;
  if (m == 0 || std::isinf(x)) return kInf;
  if (std::fabs(x - m) < 0.1 * (x + m)) {
    // x ln(x/m) = 2x (v + v^3/3 + v^5/5 + ...) with v = (x - m)/(x + m).
    const double v = (x - m) / (x + m);
    double sum = (x - m) * v;
    double term = 2 * x * v;
    const double v2 = v * v;
    for (int j = 1; j < 1000; ++j) {
      term *= v2;
      const double next = sum + term / (2 * j + 1);
      if (next == sum) break;
      sum = next;
    }
    return sum;
  }
  const double ratio = x / m;
  const double log_ratio =
      (ratio > 0 && std::isfinite(ratio)) ? std::log(ratio) : std::log(x) - std::log(m);
  return x * log_ratio + m - x;
}

double PoissonTerm(double x, double m) {
  if (std::isnan(x) || std::isnan(m) || x < 0 || m < 0) return kNaN;
  if (m == 0) return x == 0 ? 1.0 : 0.0;
  if (x == 0) return std::exp(-m);
  if (std::isinf(m) || std::isinf(x)) return 0;
  return std::exp(-StirlingError(x) - DevianceTerm(x, m) - 0.5 * (kLn2Pi + std::log(x)));
}

double BinomialTerm(double x, double n, double p, double q) {
  if (p == 0) return x == 0 ? 1.0 : 0.0;
  if (q == 0) return x == n ? 1.0 : 0.0;
  if (x < 0 || x > n) return 0;
  if (x == 0) return n == 0 ? 1.0 : std::exp(n * (p < 0.5 ? std::log1p(-p) : std::log(q)));
  if (x == n) return std::exp(n * (q < 0.5 ? std::log1p(-q) : std::log(p)));
  const double lc = StirlingError(n) - StirlingError(x) - StirlingError(n - x) -
                    DevianceTerm(x, n * p) - DevianceTerm(n - x, n * q);
  // ln(2 pi x (n - x) / n), with (n - x)/n formed where it does not cancel.
  const double lf = kLn2Pi + std::log(x) + (x < n / 2 ? std::log1p(-x / n) : std::log((n - x) / n));
  return std::exp(lc - 0.5 * lf);
}

// ---- Incomplete gamma ----

TailPair RegularizedGamma(double a, double x) {
  if (std::isnan(a) || std::isnan(x) || !(a > 0) || x < 0) return {kNaN, kNaN};
  if (x == 0) return {0, 1};
  if (std::isinf(x)) return {1, 0};
  if (std::isinf(a)) return {0, 1};
  if (a <= 1000 && x > 1e8) return {1, 0};
  if (a > kWilsonHilfertyShape) return WilsonHilferty(a, x);
  // x^a e^-x / Gamma(a + 1), and the logarithm of x^a e^-x / Gamma(a).
  const double poisson = PoissonTerm(a, x);
  const double log_prefix =
      std::log(a) - StirlingError(a) - DevianceTerm(a, x) - 0.5 * (kLn2Pi + std::log(a));
  if (x <= 1 || x < a) {
    if (log_prefix < kLogUnderflow) return {0, 1};
    const double p = GammaSeries(a, x, poisson);
    return {p, 1 - p};
  }
  if (log_prefix < kLogUnderflow) return {1, 0};
  const double q = GammaContinuedFraction(a, x, a * poisson);
  return {1 - q, q};
}

// ---- Incomplete beta ----

TailPair RegularizedBeta(double a, double b, double x, double y) {
  if (std::isnan(a) || std::isnan(b) || std::isnan(x) || std::isnan(y) || !(a > 0) || !(b > 0))
    return {kNaN, kNaN};
  if (x <= 0) return {0, 1};
  if (y <= 0) return {1, 0};
  // x^a y^b / B(a, b), through the binomial term so that large a and b keep their accuracy.
  const double front = a * b / (a + b) * BinomialTerm(a, a + b, x, y);
  // The fraction depends on x about as sharply as x^a does, so x near 1 is taken as 1 - y in
  // extended precision (and likewise y near 1).
  const long double xl = y < 0.5 ? 1.0L - y : static_cast<long double>(x);
  const long double yl = x < 0.5 ? 1.0L - x : static_cast<long double>(y);
  if (x < (a + 1) / (a + b + 2)) {
    const double i = static_cast<double>(front * BetaContinuedFraction(a, b, xl) / a);
    return {i, 1 - i};
  }
  const double j = static_cast<double>(front * BetaContinuedFraction(b, a, yl) / b);
  return {1 - j, j};
}

// ---- Student t ----

TailPair StudentTTails(double t, double df) {
  if (std::isnan(t) || std::isnan(df) || !(df > 0)) return {kNaN, kNaN};
  if (std::isinf(t)) return t > 0 ? TailPair{1, 0} : TailPair{0, 1};
  if (t == 0) return {0.5, 0.5};
  if (df > kLargeDf) {
    // First-order expansion of the t distribution about the normal one.
    const TailPair normal = NormalTails(t);
    const double density = static_cast<double>(kOneOverSqrt2PiL * ExpMinusSquare(t / kSqrt2L));
    const double correction = density * (t * t * t + t) / (4 * df);
    return {normal.lower - correction, normal.upper + correction};
  }
  // P(|T| > |t|) = I_x(df/2, 1/2) with x = df/(df + t^2).
  const double u = t * t / df;
  const double x = 1 / (1 + u);
  const double y = std::isinf(u) ? 1.0 : u / (1 + u);
  const TailPair beta = RegularizedBeta(df / 2, 0.5, x, y);
  const double beyond = 0.5 * beta.lower;
  const double within = 0.5 + 0.5 * beta.upper;
  return t > 0 ? TailPair{within, beyond} : TailPair{beyond, within};
}

double StudentTDistribution(double t, double df) { return StudentTTails(t, df).lower; }

// ---- F ----

TailPair FTails(double x, double d1, double d2) {
  if (std::isnan(x) || std::isnan(d1) || std::isnan(d2) || !(d1 > 0) || !(d2 > 0))
    return {kNaN, kNaN};
  if (x <= 0) return {0, 1};
  if (std::isinf(x)) return {1, 0};
  if (d1 > kLargeFDf && d2 > kLargeFDf) {
    // Both chi-square means are sharp: ln X is nearly normal with variance 2/d1 + 2/d2.
    return NormalTails(std::log(x) / std::sqrt(2 / d1 + 2 / d2));
  }
  if (d2 > kLargeFDf) return RegularizedGamma(d1 / 2, d1 * x / 2);
  if (d1 > kLargeFDf) {
    const TailPair g = RegularizedGamma(d2 / 2, d2 / (2 * x));
    return {g.upper, g.lower};
  }
  const double u = d1 * x / d2;
  if (std::isinf(u)) return {1, 0};
  return RegularizedBeta(d1 / 2, d2 / 2, u / (1 + u), 1 / (1 + u));
}

double FDistribution(double x, double d1, double d2) { return FTails(x, d1, d2).lower; }

}  // namespace zentrix::engine
