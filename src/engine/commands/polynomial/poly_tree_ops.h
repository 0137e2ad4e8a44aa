#pragma once
// The tree arithmetic the polynomial commands build their results with (the
// engine's tree arithmetic, taking its operands by reference).

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::poly {

ExprNode TreeAdd(const ExprNode& a, const ExprNode& b);
ExprNode TreeSubtract(const ExprNode& a, const ExprNode& b);
ExprNode TreeMultiply(const ExprNode& a, const ExprNode& b);
ExprNode TreeScale(const ExprNode& a, const Number& n);
ExprNode TreeDivide(const ExprNode& a, const ExprNode& b);
ExprNode TreePower(const ExprNode& base, const Number& n);

}  // namespace zentrix::engine::poly
