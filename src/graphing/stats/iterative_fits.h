#pragma once
// The two regression models without a closed form, fitted by iteration from starting values
// that a closed-form fit of a simpler model provides.

#include <array>
#include <optional>
#include <span>

namespace zentrix::graphing {

// y = C / (1 + A·e^(−B·x)); returns {A, B, C}. Needs three points and two distinct x values.
std::optional<std::array<double, 3>> FitLogistic(std::span<const double> xs,
                                                 std::span<const double> ys);

// y = A·sin(B·x + C) + D with A ≥ 0, B > 0 and C in (−π, π]; returns {A, B, C, D}. Needs four
// points and two distinct x values.
std::optional<std::array<double, 4>> FitSinusoidal(std::span<const double> xs,
                                                   std::span<const double> ys);

}  // namespace zentrix::graphing
