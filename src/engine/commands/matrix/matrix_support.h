#pragma once
// Shared pieces of the matrix and vector commands: matrices as grids of trees
// or of numbers, the zero test, expanded entry arithmetic, exact roots of
// numbers, and the work bounds with their messages. A command beyond a bound
// throws (base/limit_exceeded.h): MatrixTooLarge before the work starts,
// ResultTooLarge for an entry that grows too large, ExactRangeExceeded for an
// exact entry beyond Number's range; the command's answer reports the message.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/limits.h"
#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::matrix {

// A matrix as rows of entries (row-major).
using Grid = std::vector<std::vector<ExprNode>>;
using NumberGrid = std::vector<std::vector<Number>>;

// Message for a matrix whose work is beyond the bounds below (MatrixTooLarge).
inline constexpr std::u16string_view kMatrixTooLarge = u"The matrix is too large.";
// Message for results beyond the size bound (ResultTooLarge).
inline constexpr std::u16string_view kResultTooLarge = u"The expression is too large.";

// Elementary operations (number operations or tree operations) one command may
// spend. A numeric n×n elimination takes about n³ of them, so numeric
// determinants, inverses and row reductions work up to about 150×150.
inline constexpr double kMaxWork = limits::kMatrixWork;
// Symbolic determinants expand along the first row with every minor computed
// once (about n·2ⁿ products): beyond this size the matrix is refused.
inline constexpr std::size_t kMaxSymbolicDetSize = limits::kSymbolicDeterminantSize;
// Symbolic inverses take n² cofactors of size n−1.
inline constexpr std::size_t kMaxSymbolicInverseSize = limits::kSymbolicInverseSize;
// Any entry (or scalar result) larger than this many nodes and terms ends the
// command with ResultTooLarge.
inline constexpr std::size_t kMaxEntrySize = limits::kMatrixEntrySize;

Grid ToGrid(const ExprNode& matrix);
ExprNode FromGrid(Grid grid);
std::size_t Rows(const ExprNode& matrix);
std::size_t Columns(const ExprNode& matrix);
bool IsSquare(const ExprNode& matrix);

// The entries as numbers, when every entry is a (finite) number.
std::optional<NumberGrid> ToNumberGrid(const ExprNode& matrix);
ExprNode FromNumberGrid(const NumberGrid& grid);

// The n×n identity with exact ones and zeros.
ExprNode IdentityMatrix(std::size_t n);

// The tree simplifies to the number 0.
bool IsZeroTree(const ExprNode& e);

// Expanded tree arithmetic for entries.
ExprNode ExpandedSum(ExprNode a, ExprNode b);
ExprNode ExpandedProduct(ExprNode a, ExprNode b);

// √v, exact where the number allows it: a positive fraction p/q becomes
// √(p·q)/q so that the simplifier keeps the root instead of a decimal.
ExprNode ExactSquareRoot(ExprNode v);
// v^(1/p) for a number p; integer p ≥ 2 on a positive fraction gets the
// same treatment as the square root.
ExprNode ExactRoot(ExprNode v, const Number& p);

// The number of nodes and terms, counted up to `limit`.
std::size_t EntrySize(const ExprNode& e, std::size_t limit = kMaxEntrySize + 1);
// The tree is larger than kMaxEntrySize.
bool TooLarge(const ExprNode& e);
// The tree itself; throws ResultTooLarge when it is larger than kMaxEntrySize.
ExprNode Checked(ExprNode e);

}  // namespace zentrix::engine::matrix
