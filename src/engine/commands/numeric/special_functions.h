// Special functions behind the factorial operator and the statistics commands, in binary64.
//
// Everything here is a plain function of doubles; no expression trees are involved. Domain
// errors give NaN, which the callers show as an undefined value.
#pragma once

#include <optional>

namespace zentrix::engine {

// Gamma at 0 and at the negative integers, where the function has poles. The calculator has
// always answered this value there, and the '!' operator shows it, e.g. for (-1)!.
inline constexpr double kGammaPole = 123456789.0;

// A lower and an upper probability that add up to one, each computed without cancellation.
struct TailPair {
  double lower;
  double upper;
};

// Gamma function. kGammaPole at 0 and at negative integers; +inf above about 171.6.
double Gamma(double x);

// ln|Gamma(x)|; +inf at 0 and at the negative integers.
double LogGamma(double x);

// The '!' operator: Gamma(v + 1), so a negative integer v gives kGammaPole.
double FactorialOperator(double v);
// n! for a whole number n >= 0 while binary64 holds it exactly (up to 22!);
// nothing beyond, where a product would have been rounded.
std::optional<double> ExactFactorial(double n);

// The factorial used for binomial coefficients and Taylor coefficients: 0! = 1,
// (-1/2)! = sqrt(pi), a non-negative half-integer x gives sqrt(pi)*(1/2)*(3/2)*...*x, a
// non-negative integer n the product 2*3*...*n (inf past 170!). Any other argument has no
// factorial here and gives nullopt, so the caller keeps the expression as it stands.
std::optional<double> Factorial(double x);

// Error function and its complement (erfc is accurate far into the tail, down to underflow).
double Erf(double x);
double Erfc(double x);

// The standard normal distribution function Phi(z) = P(Z <= z), and both tails at once.
double NormalTail(double z);
TailPair NormalTails(double z);
// ln Phi(z), finite far below the point where Phi(z) underflows.
double LogNormalTail(double z);

// Regularized incomplete gamma: lower P(a, x) and upper Q(a, x) for a > 0, x >= 0.
TailPair RegularizedGamma(double a, double x);
inline double RegularizedGammaP(double a, double x) { return RegularizedGamma(a, x).lower; }

// Regularized incomplete beta I_x(a, b) and its complement for a, b > 0. The caller passes
// both x and y = 1 - x so that a y computed directly (e.g. t^2/(df + t^2)) keeps its accuracy.
TailPair RegularizedBeta(double a, double b, double x, double y);

// Student t distribution function T(t) = P(X <= t) for df > 0 (any real df), and both tails.
double StudentTDistribution(double t, double df);
TailPair StudentTTails(double t, double df);

// F distribution function P(X <= x) with real d1, d2 > 0 (the caller truncates if it wants),
// and both tails. Negative x counts as 0.
double FDistribution(double x, double d1, double d2);
TailPair FTails(double x, double d1, double d2);

// Building blocks that keep large-argument densities accurate (they avoid the cancellation of
// subtracting large log-gamma values):
// ln Gamma(x) - ((x - 1/2) ln x - x + ln sqrt(2 pi)), for x > 0.
double StirlingError(double x);
// x ln(x / m) + m - x, for x >= 0, m > 0; never negative.
double DevianceTerm(double x, double m);
// m^x e^-m / Gamma(x + 1) for real x >= 0 and m >= 0 (the Poisson probability for integer x).
double PoissonTerm(double x, double m);
// Gamma(n+1)/(Gamma(x+1) Gamma(n-x+1)) p^x q^(n-x) for real 0 <= x <= n, q = 1 - p.
double BinomialTerm(double x, double n, double p, double q);

}  // namespace zentrix::engine
