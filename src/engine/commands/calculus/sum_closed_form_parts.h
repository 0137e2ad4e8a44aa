#pragma once
// The closed forms of Sum, one kind of term each, shared by their files.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/limits.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::calculus::sums {

// The bounds of one sum: low is an integer or free of k, high as well or +∞.
struct Range {
  ExprNode low;
  ExprNode high;
  bool infinite = false;
};

// Σ c_j·k^j with the coefficients free of k (c_0 first).
std::optional<ExprNode> PolynomialSum(const std::vector<ExprNode>& coefficients, const Range& r);

// Σ k^(−p) from k = low to ∞ for an integer low, shifted by k + m: the
// p-series. Even p gives ζ(p) minus the first terms; p ≤ 1 diverges to +∞.
std::optional<ExprNode> PSeriesSum(const Number& p, const ExprNode& shift, const Range& r);

// Σ C·r^k, recognised from the shape of f.
std::optional<ExprNode> GeometricSum(const ExprNode& f, std::u16string_view k, const Range& r);

// Σ N(k)/D(k) for a rational function whose denominator has distinct linear
// factors at integer distances: the partial fractions telescope.
std::optional<ExprNode> TelescopingSum(const ExprNode& f, std::u16string_view k, const Range& r);

// The coefficients (c_0 first) of f as a polynomial in k with coefficients
// free of k; nothing otherwise.
std::optional<std::vector<ExprNode>> PolynomialCoefficients(const ExprNode& f,
                                                            std::u16string_view k);

// The Bernoulli number B_n (B_1 = +1/2) exactly, for n up to kMaxPower.
inline constexpr int kMaxPower = limits::kSumPower;
Number Bernoulli(int n);

}  // namespace zentrix::engine::calculus::sums
