#include "graphing/stats/least_squares.h"

#include <array>
#include <cmath>

#include "graphing/stats/linear_system.h"

namespace zentrix::graphing {
namespace {

double Mean(std::span<const double> values) {
  double sum = 0;
  for (double v : values) sum += v;
  return sum / static_cast<double>(values.size());
}

double Binomial(int n, int k) {
  double result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

}  // namespace

std::optional<LineFit> FitLine(std::span<const double> xs, std::span<const double> ys) {
  if (xs.size() < 2 || xs.size() != ys.size()) return std::nullopt;
  const double mx = Mean(xs);
  const double my = Mean(ys);
  double sxx = 0, sxy = 0, syy = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double dx = xs[i] - mx;
    const double dy = ys[i] - my;
    sxx += dx * dx;
    sxy += dx * dy;
    syy += dy * dy;
  }
  if (!(sxx > 0) || !std::isfinite(sxx) || !std::isfinite(sxy)) return std::nullopt;
  LineFit fit;
  fit.slope = sxy / sxx;
  fit.intercept = my - fit.slope * mx;
  fit.r = syy > 0 ? sxy / (std::sqrt(sxx) * std::sqrt(syy)) : std::nan("");
  if (!std::isfinite(fit.slope) || !std::isfinite(fit.intercept)) return std::nullopt;
  return fit;
}

std::optional<std::vector<double>> FitPolynomial(std::span<const double> xs,
                                                 std::span<const double> ys, int degree) {
  const int unknowns = degree + 1;
  if (degree < 1 || unknowns > kMaxSystemSize) return std::nullopt;
  if (xs.size() != ys.size() || xs.size() <= static_cast<std::size_t>(degree)) return std::nullopt;

  const double centre = Mean(xs);
  double scale = 0;
  for (double x : xs) scale = std::max(scale, std::fabs(x - centre));
  if (!(scale > 0) || !std::isfinite(scale)) return std::nullopt;

  // Power sums of t = (x − centre) / scale: Σt^j for j ≤ 2·degree and Σt^j·y for j ≤ degree.
  std::array<double, 2 * kMaxSystemSize - 1> power_sums{};
  std::array<double, kMaxSystemSize> moment_sums{};
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double t = (xs[i] - centre) / scale;
    double power = 1;
    for (int j = 0; j <= 2 * degree; ++j) {
      power_sums[j] += power;
      if (j <= degree) moment_sums[j] += power * ys[i];
      power *= t;
    }
  }
  std::array<double, kMaxSystemSize * kMaxSystemSize> matrix{};
  for (int row = 0; row < unknowns; ++row) {
    for (int column = 0; column < unknowns; ++column) {
      matrix[row * unknowns + column] = power_sums[row + column];
    }
  }
  std::span<double> in_t(moment_sums.data(), unknowns);  // becomes b_j of Σ b_j·t^j
  if (!SolveLinearSystem(std::span(matrix.data(), unknowns * unknowns), in_t)) {
    return std::nullopt;
  }

  // Σ b_i·((x − c)/s)^i expanded in powers of x: a_j = Σ_{i≥j} b_i/s^i · C(i, j)·(−c)^(i−j).
  std::vector<double> highest_first(unknowns);
  for (int j = 0; j <= degree; ++j) {
    double a = 0;
    for (int i = j; i <= degree; ++i) {
      a += in_t[i] / std::pow(scale, i) * Binomial(i, j) * std::pow(-centre, i - j);
    }
    if (!std::isfinite(a)) return std::nullopt;
    highest_first[degree - j] = a;
  }
  return highest_first;
}

}  // namespace zentrix::graphing
