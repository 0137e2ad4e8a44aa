#pragma once
// Definite integrals from an antiderivative: F(b) − F(a), with one-sided limits
// of F where it is undefined at a limit of integration, the range split at the
// integrand's singular points inside it, and a divergent integral answered
// with the infinity of its sign.

#include <optional>
#include <string_view>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// ∫ f dx from a to b: the rule c·n! for c·x^n·exp(−x) from 0 to ∞; nothing for
// other infinite limits, without an antiderivative, when a singular point
// inside a real range cannot be placed exactly, when the integral diverges
// with both signs, or when the value contradicts a numeric quadrature.
std::optional<ExprNode> DefiniteIntegral(const ExprNode& f, std::u16string_view x,
                                         const ExprNode& a, const ExprNode& b);

}  // namespace zentrix::engine
