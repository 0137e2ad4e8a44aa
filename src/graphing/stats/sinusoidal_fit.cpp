// Starting values: for a fixed angular frequency w the model a·sin(w·x) + b·cos(w·x) + d is
// linear, so a scan over w solves a 3 × 3 least-squares system per candidate and keeps the w
// with the smallest residual sum. The candidates run from half a period over the data's span
// (π/span) up to the Nyquist limit of the median spacing of the sorted x values, spaced a
// quarter of a peak's width apart (at most 2048 of them). The best candidate's A = √(a²+b²),
// C = atan2(b, a) and D = d are refined by damped least squares on all four parameters.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "graphing/stats/damped_least_squares.h"
#include "graphing/stats/iterative_fits.h"
#include "graphing/stats/linear_system.h"

namespace zentrix::graphing {
namespace {

using Params = std::array<double, 4>;  // A, B, C, D
constexpr int kMaxCandidates = 2048;

struct SinusoidModel {
  double operator()(double x, const Params& p, Params& gradient) const {
    const double angle = p[1] * x + p[2];
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    gradient = {s, p[0] * x * c, p[0] * c, 1.0};
    return p[0] * s + p[3];
  }
};

struct Candidate {
  double residual_sum = INFINITY;
  Params p{};
};

// The linear fit at a fixed angular frequency.
Candidate FitAtFrequency(std::span<const double> xs, std::span<const double> ys, double w) {
  std::array<double, 9> normal{};
  std::array<double, 3> rhs{};
  double yy = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double basis[3] = {std::sin(w * xs[i]), std::cos(w * xs[i]), 1.0};
    for (int a = 0; a < 3; ++a) {
      rhs[a] += basis[a] * ys[i];
      for (int b = 0; b < 3; ++b) normal[a * 3 + b] += basis[a] * basis[b];
    }
    yy += ys[i] * ys[i];
  }
  std::array<double, 3> beta = rhs;
  Candidate candidate;
  if (!SolveLinearSystem(normal, beta)) return candidate;
  // For a least-squares solution Σ(y − ŷ)² = Σy² − β·(Xᵀy).
  candidate.residual_sum =
      std::max(0.0, yy - (beta[0] * rhs[0] + beta[1] * rhs[1] + beta[2] * rhs[2]));
  candidate.p = {std::hypot(beta[0], beta[1]), w, std::atan2(beta[1], beta[0]), beta[2]};
  return candidate;
}

double MedianSpacing(std::span<const double> xs) {
  std::vector<double> sorted(xs.begin(), xs.end());
  std::sort(sorted.begin(), sorted.end());
  std::vector<double> gaps;
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    if (sorted[i] > sorted[i - 1]) gaps.push_back(sorted[i] - sorted[i - 1]);
  }
  if (gaps.empty()) return 0;
  std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
  return gaps[gaps.size() / 2];
}

// A ≥ 0, B > 0 and C in (−π, π] describe every sinusoid once.
void Normalise(Params& p) {
  constexpr double kPi = std::numbers::pi;
  if (p[1] < 0) {
    p[0] = -p[0];
    p[1] = -p[1];
    p[2] = -p[2];
  }
  if (p[0] < 0) {
    p[0] = -p[0];
    p[2] += kPi;
  }
  p[2] = std::remainder(p[2], 2 * kPi);
  if (p[2] <= -kPi) p[2] += 2 * kPi;
}

}  // namespace

std::optional<std::array<double, 4>> FitSinusoidal(std::span<const double> xs,
                                                   std::span<const double> ys) {
  if (xs.size() < 4 || xs.size() != ys.size()) return std::nullopt;
  const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
  const double span = *high - *low;
  const double spacing = MedianSpacing(xs);
  if (!(span > 0) || !(spacing > 0) || !std::isfinite(span)) return std::nullopt;

  const double w_low = std::numbers::pi / span;
  const double w_high = std::max(w_low, std::numbers::pi / spacing);
  // A peak of the residual curve is about 2π/span wide.
  const double peak_width = 2 * std::numbers::pi / span;
  const int count = static_cast<int>(
      std::clamp(std::ceil((w_high - w_low) / (peak_width / 4)) + 1, 2.0, double{kMaxCandidates}));
  Candidate best;
  for (int k = 0; k < count; ++k) {
    const double w = w_low + (w_high - w_low) * k / (count - 1);
    Candidate candidate = FitAtFrequency(xs, ys, w);
    if (candidate.residual_sum < best.residual_sum) best = candidate;
  }
  if (!std::isfinite(best.residual_sum)) return std::nullopt;

  Params p = best.p;
  RefineLeastSquares<4>(SinusoidModel{}, xs, ys, p);
  for (double v : p) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  Normalise(p);
  return p;
}

}  // namespace zentrix::graphing
