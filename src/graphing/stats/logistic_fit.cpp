// Starting values: for a trial ceiling C0 slightly beyond the data's largest magnitude, the
// points with 0 < y/C0 < 1 give ln(C0/y − 1) = ln A − B·x, a straight line. Three ceilings
// (1.02, 1.2 and 2 times that magnitude) are tried and the start with the smallest residual
// sum is refined by damped least squares on all three parameters.
#include <algorithm>
#include <cmath>
#include <vector>

#include "graphing/stats/damped_least_squares.h"
#include "graphing/stats/iterative_fits.h"
#include "graphing/stats/least_squares.h"

namespace zentrix::graphing {
namespace {

using Params = std::array<double, 3>;  // A, B, C

struct LogisticModel {
  double operator()(double x, const Params& p, Params& gradient) const {
    const double e = std::exp(-p[1] * x);
    if (!std::isfinite(e)) {
      // Far on the rising side's left: the curve is flat at 0 (or undefined for A ≤ 0).
      gradient = {0, 0, 0};
      return p[0] > 0 ? 0.0 : NAN;
    }
    const double inverse = 1 / (1 + p[0] * e);
    gradient[0] = -p[2] * e * inverse * inverse;
    gradient[1] = p[2] * p[0] * x * e * inverse * inverse;
    gradient[2] = inverse;
    return p[2] * inverse;
  }
};

std::optional<Params> StartFromCeiling(std::span<const double> xs, std::span<const double> ys,
                                       double ceiling) {
  std::vector<double> line_x, line_y;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double ratio = ys[i] / ceiling;
    if (ratio > 0 && ratio < 1) {
      line_x.push_back(xs[i]);
      line_y.push_back(std::log(1 / ratio - 1));
    }
  }
  const std::optional<LineFit> line = FitLine(line_x, line_y);
  if (!line) return std::nullopt;
  return Params{std::exp(line->intercept), -line->slope, ceiling};
}

}  // namespace

std::optional<std::array<double, 3>> FitLogistic(std::span<const double> xs,
                                                 std::span<const double> ys) {
  if (xs.size() < 3 || xs.size() != ys.size()) return std::nullopt;
  double extreme = 0;
  for (double y : ys) {
    if (std::fabs(y) > std::fabs(extreme)) extreme = y;
  }
  if (extreme == 0) return std::nullopt;

  const LogisticModel model;
  std::optional<Params> best;
  double best_sum = INFINITY;
  for (double factor : {1.02, 1.2, 2.0}) {
    const std::optional<Params> start = StartFromCeiling(xs, ys, extreme * factor);
    if (!start) continue;
    const double sum = ResidualSum<3>(model, xs, ys, *start);
    if (sum < best_sum) {
      best_sum = sum;
      best = start;
    }
  }
  if (!best) return std::nullopt;
  Params p = *best;
  RefineLeastSquares<3>(model, xs, ys, p);
  for (double v : p) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  return p;
}

}  // namespace zentrix::graphing
