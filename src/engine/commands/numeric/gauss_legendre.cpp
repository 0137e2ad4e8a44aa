#include "engine/commands/numeric/gauss_legendre.h"
#include "engine/commands/numeric/compensated_sum.h"

#include <cmath>

namespace zentrix::engine {
namespace {

// P_n(x) and P_n'(x) by the three-term recurrence.
void Legendre(int n, long double x, long double& p, long double& dp) {
  long double p0 = 1, p1 = x;
  for (int k = 2; k <= n; ++k) {
    const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
    p0 = p1;
    p1 = p2;
  }
  p = p1;
  dp = n * (x * p1 - p0) / ((x - 1) * (x + 1));
}

GaussLegendreRule ComputeRule() {
  constexpr int n = kGaussLegendrePoints;
  constexpr long double kPi = 3.14159265358979323846264338327950288L;
  GaussLegendreRule rule{};
  // The positive roots, from Tricomi's first guess refined by Newton's method; the rule is
  // made exactly symmetric by mirroring them.
  for (int i = 0; i < n / 2; ++i) {
    long double x = std::cos(kPi * (i + 0.75L) / (n + 0.5L));
    long double p = 0, dp = 1;
    for (int iteration = 0; iteration < 100; ++iteration) {
      Legendre(n, x, p, dp);
      const long double step = p / dp;
      x -= step;
      if (std::fabs(step) < 1e-21L) break;
    }
    Legendre(n, x, p, dp);
    const long double w = 2 / ((1 - x) * (1 + x) * dp * dp);
    rule.nodes[n - 1 - i] = static_cast<double>(x);
    rule.nodes[i] = static_cast<double>(-x);
    rule.weights[n - 1 - i] = rule.weights[i] = static_cast<double>(w);
  }
  return rule;
}

}  // namespace

const GaussLegendreRule& GaussLegendre128() {
  static const GaussLegendreRule rule = ComputeRule();
  return rule;
}

std::optional<double> TryGaussLegendreIntegrate(
    double a, double b, const std::function<std::optional<double>(double)>& f) {
  const GaussLegendreRule& rule = GaussLegendre128();
  const double h = (b - a) / 2;
  const double m = a + h;  // (a + b)/2 without overflow of a + b
  CompensatedSum sum;
  for (int k = 0; k < kGaussLegendrePoints; ++k) {
    const std::optional<double> value = f(m + h * rule.nodes[k]);
    if (!value) return std::nullopt;
    sum.Add(rule.weights[k] * *value);
  }
  return h * sum.Value();
}

double GaussLegendreIntegrate(double a, double b, const std::function<double(double)>& f) {
  return *TryGaussLegendreIntegrate(a, b, [&f](double x) -> std::optional<double> { return f(x); });
}

}  // namespace zentrix::engine
