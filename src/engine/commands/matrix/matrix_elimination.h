#pragma once
// Exact Gauss–Jordan elimination (reduced row echelon form) and the inverse.
//
// Matrices of exact numbers are reduced on GMP rationals (exact_matrix.h),
// other numeric matrices on plain numbers, and symbolic ones on trees with
// every entry expanded. The pivot of a column is the first non-zero entry at
// or below the current row; a symbolic entry counts as zero only when it
// simplifies to the number 0 (or, for the eigenvector search, when the given
// zero test says so). Pivot entries are set to exactly 1 and eliminated
// entries to exactly 0.

#include <functional>
#include <optional>
#include <vector>

#include "engine/commands/matrix/matrix_support.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::matrix {

// The pivot columns found, in order, alongside the reduced grid.
struct ReducedGrid {
  Grid grid;
  std::vector<std::size_t> pivot_columns;
};

using ZeroTest = std::function<bool(const ExprNode&)>;

// The reduced row echelon form. Throws MatrixTooLarge beyond the work bounds,
// ResultTooLarge when a symbolic elimination grows too large,
// ExactRangeExceeded when an exact entry is beyond Number's range.
ExprNode RowReduce(const ExprNode& matrix);
// Throws ResultTooLarge when the work or an entry grows too large.
ReducedGrid RowReduceGrid(Grid grid, const ZeroTest& is_zero);
void RowReduceNumbers(NumberGrid& grid);

// Nothing for a matrix that is not square or singular (the command's
// "General"); throws like RowReduce and DeterminantOf.
std::optional<ExprNode> Inverse(const ExprNode& matrix);

}  // namespace zentrix::engine::matrix
