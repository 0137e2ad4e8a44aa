#include "engine/commands/numeric/adaptive_quadrature.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace zentrix::engine {
namespace {

// The 21-point Kronrod nodes on [0, 1] (the rule is symmetric); the odd
// entries are the nodes of the 10-point Gauss rule.
constexpr std::array<double, 11> kKronrodNodes = {0.995657163025808080735527280689003,
                                                  0.973906528517171720077964012084452,
                                                  0.930157491355708226001207180059508,
                                                  0.865063366688984510732096688423493,
                                                  0.780817726586416897063717578345042,
                                                  0.679409568299024406234327365114874,
                                                  0.562757134668604683339000099272694,
                                                  0.433395394129247190799265943165784,
                                                  0.294392862701460198131126603103866,
                                                  0.148874338981631210884826001129720,
                                                  0.0};
constexpr std::array<double, 11> kKronrodWeights = {
    0.011694638867371874278064396062192, 0.032558162307964727478818972459390,
    0.054755896574351996031381300244580, 0.075039674810919952767043140916190,
    0.093125454583697605535065465083366, 0.109387158802297641899210590325805,
    0.123491976262065851077600525183307, 0.134709217311473325928054001771707,
    0.142775938577060080797094273138717, 0.147739104901338491374841515972068,
    0.149445554002916905664936468389821};
// The Gauss weights of the nodes kKronrodNodes[1], [3], ..., [9].
constexpr std::array<double, 5> kGaussWeights = {
    0.066671344308688137593568809893332, 0.149451349150580593145776339657697,
    0.219086362515982043995534934228163, 0.269266719309996355091226921569469,
    0.295524224714752870173892994651338};
constexpr int kRulePoints = 21;

// Half-ranges longer than this are split into a part near the end (distance up
// to 1) and a far part written with 1/σ².
constexpr double kLongHalfRange = 16.0;
// Each part starts as this many equal intervals of its own variable.
constexpr int kInitialIntervals = 2;

// One part of the range in its own variable t: x = origin + direction·scale·t²
// (near an end, t in (0, 1]) or x = origin + direction·scale/t² (far from it,
// t in [t_low, 1]).
struct Part {
  double origin;
  double direction;
  double scale;
  bool far;
  double t_low;
};

struct Interval {
  int part;
  double lo;
  double hi;
  double value;
  double error;
  double magnitude;  // ∫|f| over the interval, estimated
};

bool LessError(const Interval& a, const Interval& b) { return a.error < b.error; }

class Integrator {
 public:
  Integrator(const RealSample& f, const QuadratureGoal& goal) : f_(f), goal_(goal) {}

  std::optional<QuadratureResult> Run(const std::vector<Part>& parts) {
    parts_ = parts;
    for (int p = 0; p < static_cast<int>(parts_.size()); ++p) {
      const double lo = parts_[p].t_low;
      const double step = (1.0 - lo) / kInitialIntervals;
      for (int k = 0; k < kInitialIntervals; ++k) {
        const double hi = k + 1 == kInitialIntervals ? 1.0 : lo + step * (k + 1);
        if (!Push(p, lo + step * k, hi)) return std::nullopt;
      }
    }
    while (!Met(goal_.relative / 10, goal_.absolute_share / 10)) {
      if (evaluations_ + 2 * kRulePoints > goal_.max_evaluations) break;
      std::pop_heap(intervals_.begin(), intervals_.end(), LessError);
      const Interval worst = intervals_.back();
      const double mid = 0.5 * (worst.lo + worst.hi);
      if (!(mid > worst.lo && mid < worst.hi)) {
        // Too narrow to split; keep it and stop refining.
        std::push_heap(intervals_.begin(), intervals_.end(), LessError);
        break;
      }
      intervals_.pop_back();
      if (!Push(worst.part, worst.lo, mid) || !Push(worst.part, mid, worst.hi)) return std::nullopt;
    }
    if (!Met(goal_.relative, goal_.absolute_share)) return std::nullopt;
    const Totals t = Sum();
    if (!std::isfinite(t.value)) return std::nullopt;
    return QuadratureResult{t.value, t.error, evaluations_};
  }

 private:
  struct Totals {
    double value = 0;
    double error = 0;
    double magnitude = 0;
  };

  Totals Sum() const {
    Totals t;
    for (const Interval& i : intervals_) {
      t.value += i.value;
      t.error += i.error;
      t.magnitude += i.magnitude;
    }
    return t;
  }

  bool Met(double relative, double absolute_share) const {
    const Totals t = Sum();
    return t.error <= std::max(relative * std::fabs(t.value), absolute_share * t.magnitude);
  }

  // The integrand of part p at t, times the derivative of the change of variable.
  std::optional<double> Sample(int p, double t) {
    ++evaluations_;
    const Part& part = parts_[p];
    const double distance = part.far ? part.scale / (t * t) : part.scale * t * t;
    const double jacobian = part.far ? 2 * part.scale / (t * t * t) : 2 * part.scale * t;
    const double x = part.origin + part.direction * distance;
    if (!std::isfinite(x) || !std::isfinite(jacobian)) return std::nullopt;
    std::optional<double> v = f_(x);
    if (!v) {
      if (x == part.origin) return 0.0;
      return std::nullopt;
    }
    const double g = *v * jacobian;
    if (!std::isfinite(g)) return std::nullopt;
    return g;
  }

  // The Kronrod and Gauss sums over [lo, hi], with the error estimate that
  // weighs their difference against the integrand's variation.
  bool Push(int p, double lo, double hi) {
    const double half = 0.5 * (hi - lo);
    const double centre = 0.5 * (hi + lo);
    std::array<double, kRulePoints> values{};
    for (int k = 0; k < 10; ++k) {
      std::optional<double> left = Sample(p, centre - half * kKronrodNodes[k]);
      std::optional<double> right = Sample(p, centre + half * kKronrodNodes[k]);
      if (!left || !right) return false;
      values[2 * k] = *left;
      values[2 * k + 1] = *right;
    }
    std::optional<double> middle = Sample(p, centre);
    if (!middle) return false;
    values[20] = *middle;
    double kronrod = kKronrodWeights[10] * values[20];
    double gauss = 0;
    double absolute = kKronrodWeights[10] * std::fabs(values[20]);
    for (int k = 0; k < 10; ++k) {
      const double pair = values[2 * k] + values[2 * k + 1];
      kronrod += kKronrodWeights[k] * pair;
      absolute += kKronrodWeights[k] * (std::fabs(values[2 * k]) + std::fabs(values[2 * k + 1]));
      if (k % 2 == 1) gauss += kGaussWeights[k / 2] * pair;
    }
    const double mean = 0.5 * kronrod;
    double spread = kKronrodWeights[10] * std::fabs(values[20] - mean);
    for (int k = 0; k < 10; ++k) {
      spread += kKronrodWeights[k] *
                (std::fabs(values[2 * k] - mean) + std::fabs(values[2 * k + 1] - mean));
    }
    kronrod *= half;
    absolute *= std::fabs(half);
    spread *= std::fabs(half);
    double error = std::fabs((kronrod - gauss * half));
    if (spread != 0 && error != 0)
      error = spread * std::min(1.0, std::pow(200 * error / spread, 1.5));
    error = std::max(error, 50 * std::numeric_limits<double>::epsilon() * absolute);
    intervals_.push_back(Interval{p, lo, hi, kronrod, error, absolute});
    std::push_heap(intervals_.begin(), intervals_.end(), LessError);
    return true;
  }

  const RealSample& f_;
  const QuadratureGoal& goal_;
  std::vector<Part> parts_;
  std::vector<Interval> intervals_;
  int evaluations_ = 0;
};

// The parts of ∫ from origin over a distance `length` (possibly infinite) in
// the given direction.
void AddEnd(std::vector<Part>& parts, double origin, double direction, double length) {
  if (length <= kLongHalfRange) {
    parts.push_back(Part{origin, direction, length, false, 0.0});
    return;
  }
  parts.push_back(Part{origin, direction, 1.0, false, 0.0});
  const double t_low = std::isinf(length) ? 0.0 : std::sqrt(1.0 / length);
  parts.push_back(Part{origin, direction, 1.0, true, t_low});
}

}  // namespace

std::optional<QuadratureResult> AdaptiveIntegrate(double a, double b, const RealSample& f,
                                                  const QuadratureGoal& goal) {
  if (std::isnan(a) || std::isnan(b)) return std::nullopt;
  if (a == b) return QuadratureResult{};
  if (a > b) {
    std::optional<QuadratureResult> r = AdaptiveIntegrate(b, a, f, goal);
    if (r) r->value = -r->value;
    return r;
  }
  std::vector<Part> parts;
  constexpr double kEndless = std::numeric_limits<double>::infinity();
  if (std::isinf(a) && std::isinf(b)) {
    AddEnd(parts, 0.0, 1.0, kEndless);
    AddEnd(parts, 0.0, -1.0, kEndless);
  } else if (std::isinf(b)) {
    AddEnd(parts, a, 1.0, kEndless);
  } else if (std::isinf(a)) {
    AddEnd(parts, b, -1.0, kEndless);
  } else {
    const double half = 0.5 * (b - a);
    if (!std::isfinite(half)) return std::nullopt;
    AddEnd(parts, a, 1.0, half);
    AddEnd(parts, b, -1.0, half);
  }
  return Integrator(f, goal).Run(parts);
}

}  // namespace zentrix::engine
