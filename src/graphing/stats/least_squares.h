#pragma once
// Least-squares lines and polynomials through (x, y) pairs of finite values.

#include <optional>
#include <span>
#include <vector>

namespace zentrix::graphing {

struct LineFit {
  double slope = 0;
  double intercept = 0;
  double r = 0;  // correlation coefficient; NaN when every y is equal
};

// The least-squares line. Sums are taken about the means, which gives the same line as the
// raw power sums without their cancellation on data far from zero (years, large sensors).
// nullopt when fewer than two distinct x values exist.
std::optional<LineFit> FitLine(std::span<const double> xs, std::span<const double> ys);

// The least-squares polynomial of the given degree (1 to 4), coefficients from the highest
// power down. Needs more points than the degree. The normal equations are built from the
// power sums of x shifted to its mean and scaled to [-1, 1], then mapped back, so they stay
// well conditioned; nullopt when they are singular (fewer distinct x values than unknowns).
std::optional<std::vector<double>> FitPolynomial(std::span<const double> xs,
                                                 std::span<const double> ys, int degree);

}  // namespace zentrix::graphing
