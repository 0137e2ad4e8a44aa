#pragma once
// The expansion of a tree in exact arithmetic: sums, products and
// non-negative integer powers are multiplied out over GMP rationals, so that a
// product whose coefficients outgrow binary64 is never rounded on the way.
// Everything else (kernels, negative powers) converts as ToPoly converts it.

#include <optional>

#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::poly {

// nullopt when a coefficient is not an exact real number or the tree holds a
// list. The result has the table's size as its variable count at the time.
std::optional<ExactPoly> ExactExpansion(const ExprNode& node, AtomTable& atoms);

// Brings both to the larger variable count.
void MatchVariables(ExactPoly& a, ExactPoly& b);

}  // namespace zentrix::engine::poly
