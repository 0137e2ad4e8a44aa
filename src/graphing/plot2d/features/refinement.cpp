#include "graphing/plot2d/features/refinement.h"

#include <cmath>

namespace zentrix::graphing {
namespace {

constexpr double h = kRefineStep;

// One function of x: the graph, or the difference of two graphs.
class Curve {
 public:
  Curve(Graph2D& graph, Graph2D* other, double t) : graph_(graph), other_(other), t_(t) {}

  bool operator()(double x, double& value) const {
    double at = x, y = 0;
    if (!graph_.EvaluateAt(at, y, t_)) return false;
    if (other_) {
      double other_at = x, other_y = 0;
      if (!other_->EvaluateAt(other_at, other_y, t_)) return false;
      y -= other_y;
    }
    value = y;
    return std::isfinite(value);
  }

 private:
  Graph2D& graph_;
  Graph2D* other_;
  double t_;
};

// Walks from x0 while the value keeps falling (sign +1) or rising (sign −1); the result is the
// last x before the value turned.
std::optional<double> WalkToTurn(const Curve& f, double x0, double sign) {
  double y0, left, right;
  if (!f(x0, y0) || !f(x0 - h, left) || !f(x0 + h, right)) return std::nullopt;
  double direction;
  if (sign * left < sign * y0) {
    direction = -1;
  } else if (sign * right < sign * y0) {
    direction = 1;
  } else {
    return x0;
  }
  double x = x0, previous = y0;
  for (int step = 0; step < kRefineStepLimit; ++step) {
    double value;
    if (!f(x + direction * h, value)) return std::nullopt;
    if (sign * value > sign * previous) return x;
    x += direction * h;
    previous = value;
  }
  return std::nullopt;
}

// Walks toward the side where |f| is smaller until |f| < h, or until f changes sign between
// two steps (a steep crossing jumps over the band); then the closer of the two is taken.
std::optional<double> WalkToZero(const Curve& f, double x0) {
  double y0;
  if (!f(x0, y0)) return std::nullopt;
  if (std::fabs(y0) < h || y0 == 0) return x0;
  double left, right;
  if (!f(x0 - h, left) || !f(x0 + h, right)) return std::nullopt;
  const double direction = std::fabs(left) < std::fabs(right) ? -1 : 1;
  double x = x0, previous = y0;
  for (int step = 0; step < kRefineStepLimit; ++step) {
    const double next = x + direction * h;
    double value;
    if (!f(next, value)) return std::nullopt;
    if (std::fabs(value) < h) return next;
    if ((value < 0) != (previous < 0)) {
      return std::fabs(value) < std::fabs(previous) ? next : x;
    }
    x = next;
    previous = value;
  }
  return std::nullopt;
}

}  // namespace

std::optional<RefinedPoint> RefineFeature(FeatureKind kind, Graph2D& graph, Graph2D* other,
                                          double x0, double t) {
  std::optional<double> x;
  switch (kind) {
    case FeatureKind::kMinimum: x = WalkToTurn(Curve(graph, nullptr, t), x0, 1); break;
    case FeatureKind::kMaximum: x = WalkToTurn(Curve(graph, nullptr, t), x0, -1); break;
    case FeatureKind::kZero: x = WalkToZero(Curve(graph, nullptr, t), x0); break;
    case FeatureKind::kIntersection:
      if (!other) return std::nullopt;
      x = WalkToZero(Curve(graph, other, t), x0);
      break;
  }
  if (!x) return std::nullopt;
  RefinedPoint point{*x, 0};
  if (!Curve(graph, nullptr, t)(*x, point.y)) return std::nullopt;
  return point;
}

}  // namespace zentrix::graphing
