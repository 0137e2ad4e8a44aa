#pragma once
// TrigReduce: products and integer powers of sines and cosines rewritten as sums
// of single sines and cosines (product-to-sum and power reduction), throughout
// the tree. sin(a)·cos(b) = (sin(a+b) + sin(a-b))/2, sin(x)^2 = (1 - cos(2x))/2,
// and so on; the other factors of a product multiply each resulting term.

#include <optional>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// The reduced tree; products whose expansion would have too many terms are left
// as they are.
ExprNode TrigReduce(const ExprNode& f);

// TrigReduce in its normal form (f).
std::optional<CommandOutcome> TrigReduceAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
