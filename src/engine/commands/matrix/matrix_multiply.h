#pragma once
// The product of two matrices (lists of rows), entry by entry with the tree
// arithmetic.

#include <optional>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// Nothing when the column count of `a` differs from the row count of `b`.
// Products beyond a few million entry multiplications throw ResultTooLarge.
std::optional<ExprNode> MatrixProduct(const ExprNode& a, const ExprNode& b);

}  // namespace zentrix::engine
