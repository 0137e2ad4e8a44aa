#pragma once
// Determinants. A numeric matrix is reduced by fraction-free (Bareiss)
// elimination, on GMP integers when its entries are exact (a determinant
// beyond the Number's exact range is reported, not rounded) and cubic in the
// size. A
// matrix with symbolic entries is expanded by cofactors along the first row,
// each minor (a set of remaining columns on the bottom rows) computed once and
// expanded, so the work is about n·2ⁿ products instead of n!; beyond
// kMaxSymbolicDetSize rows it is refused.

#include <optional>

#include "engine/commands/matrix/matrix_support.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::matrix {

// The determinant; nothing for a matrix that is not square. Throws
// MatrixTooLarge beyond the work bounds, ResultTooLarge when an expansion
// grows beyond kMaxEntrySize, ExactRangeExceeded when an exact determinant is
// beyond Number's range.
std::optional<ExprNode> DeterminantOf(const ExprNode& matrix);

// Exact Bareiss elimination on a square grid of numbers.
Number NumericDeterminant(NumberGrid grid);

// Cofactor expansion of a square grid; throws MatrixTooLarge when the grid is
// too large, ResultTooLarge when an expansion grows beyond kMaxEntrySize.
ExprNode SymbolicDeterminant(const Grid& grid);

}  // namespace zentrix::engine::matrix
