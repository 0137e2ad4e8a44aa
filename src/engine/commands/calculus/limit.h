#pragma once
// Limits by rules: constants, monomials with the one-sided rule at poles, the
// compound-interest form and rational functions at infinity, sums, products,
// powers and functions of limits, and quotients by L'Hôpital's rule.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

struct LimitResult {
  enum class Code { kFound = 0, kFailed = 1, kNoTwoSidedLimit = 2 };
  Code code = Code::kFailed;
  ExprNode value;  // kFound only

  bool found() const { return code == Code::kFound; }
};

// The limit of f as x tends to a (a number, ±∞ or an expression free of x);
// direction −1 from below, 0 from both sides, 1 from above.
LimitResult ComputeLimit(const ExprNode& f, std::u16string_view x, const ExprNode& a,
                         int direction);

// Limit in its normal form (f, x, a, direction).
std::optional<CommandOutcome> LimitAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
