#include "engine/commands/polynomial/poly_tree_ops.h"

#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::poly {

ExprNode TreeAdd(const ExprNode& a, const ExprNode& b) { return AddTrees(a, b); }
ExprNode TreeSubtract(const ExprNode& a, const ExprNode& b) { return SubtractTrees(a, b); }
ExprNode TreeMultiply(const ExprNode& a, const ExprNode& b) { return MultiplyTrees(a, b); }
ExprNode TreeScale(const ExprNode& a, const Number& n) { return MultiplyNumber(a, n); }
ExprNode TreeDivide(const ExprNode& a, const ExprNode& b) { return DivideTrees(a, b); }
ExprNode TreePower(const ExprNode& base, const Number& n) { return PowerNumber(base, n); }

}  // namespace zentrix::engine::poly
