#pragma once
// Sums in closed form, for a symbolic or infinite upper bound or a range too
// long to add up: polynomials in the index (Faulhaber's formulas), geometric
// terms, rational terms that telescope, and the p-series Σ 1/k^p with an even
// p (ζ(p) as a rational multiple of π^p).

#include <optional>
#include <string_view>

#include "engine/core/expr_node.h"

namespace zentrix::engine::calculus {

// Σ f for k = low, ..., high, where low is an integer or a tree free of k and
// high an integer, a tree free of k or plus infinity. A divergent series with
// a known sign is plus or minus infinity. Nothing when no closed form is known.
std::optional<ExprNode> ClosedFormSum(const ExprNode& f, std::u16string_view k, const ExprNode& low,
                                      const ExprNode& high);

}  // namespace zentrix::engine::calculus
