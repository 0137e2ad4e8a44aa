// Starting values: for a fixed angular frequency w the model a·sin(w·x) + b·cos(w·x) + d is
// linear, so a scan over w solves a 3 × 3 least-squares system per candidate and keeps the w
// with the smallest residual sum. The candidates run from half a period over the data's span
// (π/span) up to the Nyquist limit of the median spacing of the points scanned, spaced a
// quarter of a peak's width apart (at most 2048 of them, so at most 512 periods over the span,
// over at most 2048 evenly spread points). The
// best candidate's A = √(a²+b²), C = atan2(b, a) and D = d are refined by damped least squares
// on all four parameters.
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
// The frequency scan reads at most this many points (evenly spread); the refinement all.
constexpr std::size_t kMaxScanPoints = 2048;

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

// Every how many points the scan reads one.
std::size_t ScanStride(std::size_t n) { return std::max<std::size_t>(1, n / kMaxScanPoints); }

// The linear fit at a fixed angular frequency, from the sums of its normal equations.
struct FrequencySums {
  double ss = 0, sc = 0, cc = 0, s1 = 0, c1 = 0, sy = 0, cy = 0;
};

Candidate FitAtFrequency(const FrequencySums& f, double n, double y1, double yy, double w) {
  std::array<double, 9> normal = {f.ss, f.sc, f.s1, f.sc, f.cc, f.c1, f.s1, f.c1, n};
  std::array<double, 3> rhs = {f.sy, f.cy, y1};
  std::array<double, 3> beta = rhs;
  Candidate candidate;
  if (!SolveLinearSystem(normal, beta)) return candidate;
  // For a least-squares solution Σ(y − ŷ)² = Σy² − β·(Xᵀy).
  candidate.residual_sum =
      std::max(0.0, yy - (beta[0] * rhs[0] + beta[1] * rhs[1] + beta[2] * rhs[2]));
  candidate.p = {std::hypot(beta[0], beta[1]), w, std::atan2(beta[1], beta[0]), beta[2]};
  return candidate;
}

// Scans `count` frequencies from w_low in steps of dw over (at most kMaxScanPoints of) the
// points. sin and cos of each point step from one frequency to the next by the angle-sum
// rule, so a candidate costs a few multiplications per point instead of two calls.
Candidate ScanFrequencies(std::span<const double> xs, std::span<const double> ys, double w_low,
                          double dw, int count) {
  const std::size_t stride = ScanStride(xs.size());
  std::vector<FrequencySums> sums(count);
  double n = 0, y1 = 0, yy = 0;
  for (std::size_t i = 0; i < xs.size(); i += stride) {
    const double x = xs[i], y = ys[i];
    n += 1;
    y1 += y;
    yy += y * y;
    double s = std::sin(w_low * x), c = std::cos(w_low * x);
    const double ds = std::sin(dw * x), dc = std::cos(dw * x);
    for (int k = 0; k < count; ++k) {
      FrequencySums& f = sums[k];
      f.ss += s * s;
      f.sc += s * c;
      f.cc += c * c;
      f.s1 += s;
      f.c1 += c;
      f.sy += s * y;
      f.cy += c * y;
      const double next_s = s * dc + c * ds;
      c = c * dc - s * ds;
      s = next_s;
    }
  }
  Candidate best;
  for (int k = 0; k < count; ++k) {
    Candidate candidate = FitAtFrequency(sums[k], n, y1, yy, w_low + k * dw);
    if (candidate.residual_sum < best.residual_sum) best = candidate;
  }
  return best;
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
  // A peak of the residual curve is about 2π/span wide; the scan must not step over one, and
  // must stay below the Nyquist limit of the points it reads.
  const double peak_width = 2 * std::numbers::pi / span;
  const double scan_spacing = spacing * static_cast<double>(ScanStride(xs.size()));
  const double w_high = std::clamp(std::numbers::pi / scan_spacing, w_low,
                                   w_low + (kMaxCandidates - 1) * peak_width / 4);
  // x values packed into a few ulps (or denormals) leave no frequency to scan.
  const double steps = std::ceil((w_high - w_low) / (peak_width / 4)) + 1;
  if (!std::isfinite(steps)) return std::nullopt;
  const int count = static_cast<int>(std::clamp(steps, 2.0, double{kMaxCandidates}));
  const Candidate best = ScanFrequencies(xs, ys, w_low, (w_high - w_low) / (count - 1), count);
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
