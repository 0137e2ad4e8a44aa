#pragma once
// The antiderivatives F(u) of the elementary functions f(u): ∫ f(u) du.

#include <optional>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// F(u) for the function id, or nothing for functions without an entry.
std::optional<ExprNode> TableAntiderivative(int id, const ExprNode& u);

}  // namespace zentrix::engine
