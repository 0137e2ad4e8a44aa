// 128-point Gauss-Legendre quadrature, the rule behind NIntegrate.
#pragma once

#include <array>
#include <functional>
#include <optional>

namespace zentrix::engine {

inline constexpr int kGaussLegendrePoints = 128;

// The roots of the Legendre polynomial of degree 128 on [-1, 1] in ascending order and their
// weights (which sum to 2), each the binary64 value nearest the exact one.
struct GaussLegendreRule {
  std::array<double, kGaussLegendrePoints> nodes;
  std::array<double, kGaussLegendrePoints> weights;
};

// Computed on first use (Newton's method in extended precision) and kept.
const GaussLegendreRule& GaussLegendre128();

// h * sum_k w_k f(m + h t_k) with h = (b - a)/2 and m = (a + b)/2: the whole interval at once,
// no subdivision and no error estimate. f is called exactly 128 times, in node order.
double GaussLegendreIntegrate(double a, double b, const std::function<double(double)>& f);

// The same for an integrand that can fail at a point (e.g. a value that is not a real number):
// stops at the first failure and gives nullopt.
std::optional<double> TryGaussLegendreIntegrate(
    double a, double b, const std::function<std::optional<double>(double)>& f);

}  // namespace zentrix::engine
