#pragma once
// Adaptive quadrature: the 21-point Gauss–Kronrod rule with its embedded
// 10-point Gauss rule as the error estimate, the interval with the largest
// estimate bisected first, over a fixed budget of evaluations.
//
// Before the rule sees it, the range is rewritten so that the hard parts lie at
// a variable's zero: each half of [a, b] is measured from its own end, with the
// distance s² from that end (a square-root singularity at an end becomes a
// smooth integrand, and points near the end keep their full precision); a
// distance beyond 1 is written as 1/σ², which takes infinite ranges and very
// long ones to a short interval without losing a narrow peak near the end.

#include <functional>
#include <optional>

#include "engine/commands/base/limits.h"

namespace zentrix::engine {

// The integrand at a point: nothing when it is not a finite real number there.
using RealSample = std::function<std::optional<double>(double)>;

struct QuadratureResult {
  double value = 0;
  double error = 0;  // the estimate of |value − the integral|
  int evaluations = 0;
};

struct QuadratureGoal {
  // Met when error ≤ relative·|value|, or ≤ absolute_share·∫|f| for an integral
  // that cancels to (nearly) 0.
  double relative = 1e-10;
  double absolute_share = 1e-13;
  int max_evaluations = limits::kQuadratureEvaluations;
};

// ∫ f from a to b; a and b may be infinite. Nothing when f fails at a point
// inside the range (a failure at a point that rounds to a finite end counts
// as 0: the part of the range it stands for is below the precision of a
// double), when the goal cannot be met within the budget, or when the value
// is not finite.
std::optional<QuadratureResult> AdaptiveIntegrate(double a, double b, const RealSample& f,
                                                  const QuadratureGoal& goal = {});

}  // namespace zentrix::engine
