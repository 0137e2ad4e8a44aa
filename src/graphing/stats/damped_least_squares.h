#pragma once
// Nonlinear least squares for the iterative fits: damped Gauss-Newton steps (Levenberg-
// Marquardt) on a model of a few parameters, solving the small normal matrix J^T·J each step.

#include <array>
#include <cmath>
#include <span>

#include "graphing/stats/linear_system.h"

namespace zentrix::graphing {

struct DampedFitLimits {
  int max_iterations = 300;
  // Stop when an accepted step lowers the residual sum by less than this fraction of it...
  double relative_reduction = 1e-14;
  // ...or moves every parameter by less than this fraction of its size.
  double relative_step = 1e-12;
};

struct DampedFitOutcome {
  double residual_sum = 0;  // Σ(y − f(x))² at the returned parameters
  int iterations = 0;
  bool converged = false;  // a stop test was met before the iteration limit
};

// The residual sum of squares, +∞ when the model does not give a finite value at some x.
template <std::size_t M, class Model>
double ResidualSum(const Model& model, std::span<const double> xs, std::span<const double> ys,
                   const std::array<double, M>& p) {
  double sum = 0;
  std::array<double, M> unused;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double r = ys[i] - model(xs[i], p, unused);
    sum += r * r;
  }
  return std::isfinite(sum) ? sum : INFINITY;
}

// Refines p in place. `model(x, p, gradient)` returns f(x; p) and fills ∂f/∂p. The damping
// starts at 1e-3 of the normal matrix's diagonal, falls tenfold after a step that lowers the
// residual sum and rises tenfold after one that does not; when it passes 1e12 no step helps
// any more and the fit has converged. The parameters only ever move to a lower residual sum.
template <std::size_t M, class Model>
DampedFitOutcome RefineLeastSquares(const Model& model, std::span<const double> xs,
                                    std::span<const double> ys, std::array<double, M>& p,
                                    const DampedFitLimits& limits = {}) {
  static_assert(M <= kMaxSystemSize);
  DampedFitOutcome outcome;
  outcome.residual_sum = ResidualSum<M>(model, xs, ys, p);
  if (!std::isfinite(outcome.residual_sum)) return outcome;

  double damping = 1e-3;
  for (; outcome.iterations < limits.max_iterations; ++outcome.iterations) {
    if (outcome.residual_sum == 0) {
      outcome.converged = true;
      break;
    }
    std::array<double, M * M> normal{};
    std::array<double, M> gradient_sum{};
    std::array<double, M> g;
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const double r = ys[i] - model(xs[i], p, g);
      for (std::size_t a = 0; a < M; ++a) {
        gradient_sum[a] += g[a] * r;
        for (std::size_t b = 0; b < M; ++b) normal[a * M + b] += g[a] * g[b];
      }
    }

    bool accepted = false;
    std::array<double, M> step{};
    double trial_sum = outcome.residual_sum;
    while (damping <= 1e12) {
      std::array<double, M* M> damped = normal;
      for (std::size_t a = 0; a < M; ++a) {
        damped[a * M + a] += damping * std::max(normal[a * M + a], 1e-300);
      }
      step = gradient_sum;
      if (SolveLinearSystem(damped, step)) {
        std::array<double, M> trial = p;
        for (std::size_t a = 0; a < M; ++a) trial[a] += step[a];
        trial_sum = ResidualSum<M>(model, xs, ys, trial);
        if (trial_sum <= outcome.residual_sum) {
          p = trial;
          accepted = true;
          damping = std::max(damping * 0.1, 1e-15);
          break;
        }
      }
      damping *= 10;
    }
    if (!accepted) {
      outcome.converged = true;
      break;
    }
    const double reduction = outcome.residual_sum - trial_sum;
    outcome.residual_sum = trial_sum;
    bool small_step = true;
    for (std::size_t a = 0; a < M; ++a) {
      if (std::fabs(step[a]) > limits.relative_step * (std::fabs(p[a]) + 1e-300)) {
        small_step = false;
      }
    }
    if (small_step || reduction <= limits.relative_reduction * trial_sum) {
      outcome.converged = true;
      ++outcome.iterations;
      break;
    }
  }
  return outcome;
}

}  // namespace zentrix::graphing
