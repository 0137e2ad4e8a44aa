// The Aberth–Ehrlich iteration: all roots improve together, each Newton step
// corrected by the pull of the other approximations, which keeps them apart
// and converges cubically for simple roots. Starting points lie on a circle
// whose radius bounds the roots; a few Newton steps on the polynomial polish
// each root, and a root that still misses the accuracy fails the whole call.

#include "engine/commands/solve/numeric_roots.h"
#include "engine/commands/base/limits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zentrix::engine::solve {
namespace {

constexpr int kMaxIterations = limits::kNumericRootsIterations;
constexpr int kPolishSteps = 4;
constexpr double kAccuracy = 1e-9;
// An imaginary part this small against the modulus is rounding noise.
constexpr double kRealNoise = 1e-11;

struct ValueAndSlope {
  Complex value;
  Complex slope;
};

ValueAndSlope Horner(const std::vector<Complex>& a, Complex z) {
  Complex p = a[0];
  Complex dp = 0.0;
  for (std::size_t k = 1; k < a.size(); ++k) {
    dp = dp * z + p;
    p = p * z + a[k];
  }
  return {p, dp};
}

// Fujiwara's bound on the moduli of the roots of a monic-scaled polynomial.
double RootBound(const std::vector<Complex>& a) {
  const double lead = std::abs(a[0]);
  const std::size_t n = a.size() - 1;
  double bound = 0.0;
  for (std::size_t k = 1; k <= n; ++k) {
    double term = std::pow(std::abs(a[k]) / lead, 1.0 / static_cast<double>(k));
    if (k == n) term = std::pow(std::abs(a[k]) / (2.0 * lead), 1.0 / static_cast<double>(k));
    bound = std::max(bound, term);
  }
  return 2.0 * bound;
}

bool AberthIteration(const std::vector<Complex>& a, std::vector<Complex>& z) {
  const std::size_t n = z.size();
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    bool settled = true;
    for (std::size_t i = 0; i < n; ++i) {
      const ValueAndSlope h = Horner(a, z[i]);
      if (h.value == 0.0) continue;
      const Complex ratio = h.value / h.slope;
      Complex pull = 0.0;
      for (std::size_t j = 0; j < n; ++j) {
        if (j != i && z[i] != z[j]) pull += 1.0 / (z[i] - z[j]);
      }
      Complex step = ratio / (1.0 - ratio * pull);
      if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) step = ratio;
      if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) return false;
      z[i] -= step;
      if (std::abs(step) > 1e-15 * std::max(1.0, std::abs(z[i]))) settled = false;
    }
    if (settled) return true;
  }
  return true;  // the residual test decides
}

Complex Polish(const std::vector<Complex>& a, Complex z) {
  for (int step = 0; step < kPolishSteps; ++step) {
    const ValueAndSlope h = Horner(a, z);
    if (h.slope == 0.0) break;
    const Complex next = z - h.value / h.slope;
    if (!std::isfinite(next.real()) || !std::isfinite(next.imag())) break;
    if (RelativeResidual(a, next) > RelativeResidual(a, z)) break;
    z = next;
  }
  return z;
}

Complex CleanNoise(const std::vector<Complex>& a, Complex z, bool real_coefficients) {
  if (!real_coefficients || z.imag() == 0.0) return z;
  if (std::abs(z.imag()) > kRealNoise * std::max(1.0, std::abs(z))) return z;
  const Complex real(z.real(), 0.0);
  return RelativeResidual(a, real) <= kAccuracy ? real : z;
}

}  // namespace

double RelativeResidual(const std::vector<Complex>& a, Complex z) {
  Complex value = 0.0;
  double scale = 0.0;
  const double modulus = std::abs(z);
  for (const Complex& k : a) {
    value = value * z + k;
    scale = scale * modulus + std::abs(k);
  }
  if (scale == 0.0) return 0.0;
  return std::abs(value) / scale;
}

std::optional<std::vector<Complex>> PolynomialRoots(const std::vector<Complex>& coefficients) {
  std::vector<Complex> a = coefficients;
  while (!a.empty() && a.front() == 0.0) a.erase(a.begin());
  if (a.size() < 2 || a.size() - 1 > kMaxNumericDegree) return std::nullopt;
  bool real_coefficients = true;
  for (const Complex& k : a) {
    if (!std::isfinite(k.real()) || !std::isfinite(k.imag())) return std::nullopt;
    real_coefficients = real_coefficients && k.imag() == 0.0;
  }
  const std::size_t n = a.size() - 1;
  // Roots at 0 are exact; the iteration works on the rest.
  std::size_t zeros = 0;
  while (a.size() > 1 && a.back() == 0.0) {
    a.pop_back();
    ++zeros;
  }
  std::vector<Complex> z;
  const std::size_t m = a.size() - 1;
  if (m > 0) {
    const double radius = std::max(RootBound(a), 1e-300);
    // An offset angle keeps the start away from symmetric positions (a real
    // axis start on a real polynomial would stay real).
    for (std::size_t k = 0; k < m; ++k) {
      const double angle =
          2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(m) + 0.4;
      z.push_back(std::polar(radius, angle));
    }
    if (!AberthIteration(a, z)) return std::nullopt;
    for (Complex& root : z) {
      root = CleanNoise(a, Polish(a, root), real_coefficients);
      if (RelativeResidual(a, root) > kAccuracy) return std::nullopt;
    }
  }
  z.insert(z.end(), zeros, Complex(0.0, 0.0));
  if (z.size() != n) return std::nullopt;
  return z;
}

}  // namespace zentrix::engine::solve
