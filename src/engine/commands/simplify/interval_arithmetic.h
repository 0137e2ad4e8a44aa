#pragma once
// Products and powers of intervals, the bounds that limits at infinity give
// (sin at infinity lies between -1 and 1). Element-wise arithmetic is right for
// sums but not for products, where signs and zero reorder the bounds.

#include <optional>

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine {

// The interval of a·b when one of them is an interval and the other an
// interval or a real constant, all with real constant bounds; nullopt otherwise.
std::optional<ExprNode> IntervalProduct(const ExprNode& a, const ExprNode& b);

// The interval of base^n for an interval with real constant bounds and an
// integer n other than 0; nullopt otherwise.
std::optional<ExprNode> IntervalPower(const ExprNode& base, const Number& n);

}  // namespace zentrix::engine
