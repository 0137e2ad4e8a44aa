#pragma once
// Antiderivatives of products of powers of one or two trigonometric functions of
// the same argument u: sin^m·cos^n, tan^m·sec^n and cot^m·csc^n, by the
// substitutions w = sin u, cos u, tan u, sec u, cot u or csc u and by the
// reduction formulas of tan^m, cot^m, sec^n and csc^n.

#include <optional>
#include <vector>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// ∫ Π factors du, where every factor is one of the six functions of u or a
// positive integer power of one; nothing when the factors are of another shape
// (an even power of sine times an even power of cosine included: TrigReduce
// turns those into sums of cosines of multiples of u).
std::optional<ExprNode> TrigPowerAntiderivative(const std::vector<ExprNode>& factors);

// The common argument of such a product, or nothing.
const ExprNode* TrigPowerArgument(const std::vector<ExprNode>& factors);

}  // namespace zentrix::engine
