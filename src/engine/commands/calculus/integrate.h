#pragma once
// Rule-based integration: antiderivatives by the sum rule, powers of x, the
// antiderivative table over linear arguments, the product patterns
// (substitution, integration by parts, exponential times sine or cosine,
// powers of trigonometric functions) and the closed forms of (a·x² + c)^-1 and
// (a·x² + c)^(-1/2).

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// An antiderivative of f in x (no constant added), trying once more on the
// expanded integrand; nothing when no rule applies.
std::optional<ExprNode> Antiderivative(const ExprNode& f, std::u16string_view x);

// Integrate in its normal forms (f, x) and (f, x, a, b).
std::optional<CommandOutcome> IntegrateAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
