#pragma once
// Substitution of values for variables, with the result rebuilt by the tree
// arithmetic so that it comes out canonical (Eval, and the algorithms that
// evaluate an expression at a point).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

using Binding = std::pair<std::u16string, ExprNode>;

ExprNode Substitute(const ExprNode& tree, const std::vector<Binding>& bindings);

// Eval in its normal forms (f, x, value) and (f, {variables}, {values}).
std::optional<CommandOutcome> EvalAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
