#pragma once
// Exact values of the six inverse circular functions at the values of the
// exact table: asin(1/2) = π/6 (30 in degrees), atan(√3) = π/3, acos(0) = π/2.

#include <optional>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// `function_id` is 3 asin, 4 acos, 5 atan, 9 acsc, 10 asec, 11 acot and u its
// canonical argument; the angle in the angle unit setting, or nothing when u is
// not one of the table's values.
std::optional<ExprNode> ExactInverseTrigAt(int function_id, const ExprNode& u);

// The tree of a table value: a number, (n/d)·√root, or complex infinity at a pole.
ExprNode ExactTrigValueTree(int numerator, int denominator, int root, bool pole);

}  // namespace zentrix::engine
