#include "engine/commands/matrix/matrix_determinant.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/matrix/exact_matrix.h"
#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::matrix {

Number NumericDeterminant(NumberGrid a) {
  const std::size_t n = a.size();
  if (n == 1) return a[0][0];
  if (n == 2) return Subtract(Multiply(a[0][0], a[1][1]), Multiply(a[1][0], a[0][1]));
  Number sign(1.0);
  Number previous(1.0);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (a[k][k].IsZero()) {
      std::size_t swap = k + 1;
      while (swap < n && a[swap][k].IsZero()) ++swap;
      if (swap == n) return Number(0.0);
      std::swap(a[k], a[swap]);
      sign = Negate(sign);
    }
    for (std::size_t i = k + 1; i < n; ++i) {
      for (std::size_t j = k + 1; j < n; ++j) {
        // Every such quotient is a minor of the matrix, so it divides exactly.
        a[i][j] =
            Divide(Subtract(Multiply(a[i][j], a[k][k]), Multiply(a[i][k], a[k][j])), previous);
      }
    }
    previous = a[k][k];
  }
  return Multiply(sign, a[n - 1][n - 1]);
}

namespace {

// The minors of the bottom rows, keyed by the set of their columns.
class CofactorExpansion {
 public:
  explicit CofactorExpansion(const Grid& grid)
      : grid_(grid), n_(grid.size()), memo_(std::size_t{1} << n_) {}

  ExprNode Run() { return Minor((std::uint32_t{1} << n_) - 1); }

 private:
  ExprNode Minor(std::uint32_t columns) {
    std::optional<ExprNode>& memo = memo_[columns];
    if (memo) return *memo;
    std::vector<std::size_t> cols;
    for (std::size_t j = 0; j < n_; ++j) {
      if (columns & (std::uint32_t{1} << j)) cols.push_back(j);
    }
    const std::size_t row = n_ - cols.size();
    ExprNode value;
    if (cols.size() == 1) {
      value = grid_[row][cols[0]];
    } else if (cols.size() == 2) {
      const ExprNode& a11 = grid_[row][cols[0]];
      const ExprNode& a12 = grid_[row][cols[1]];
      const ExprNode& a21 = grid_[row + 1][cols[0]];
      const ExprNode& a22 = grid_[row + 1][cols[1]];
      value = Expand(SubtractTrees(MultiplyTrees(a11, a22), MultiplyTrees(a21, a12)));
    } else {
      ExprNode sum = ExprNode::Zero();
      for (std::size_t index = 0; index < cols.size(); ++index) {
        const ExprNode& entry = grid_[row][cols[index]];
        if (IsZeroTree(entry)) continue;
        ExprNode minor = Minor(columns & ~(std::uint32_t{1} << cols[index]));
        ExprNode term = MultiplyTrees(entry, std::move(minor));
        if (index % 2 == 1) term = NegateTree(std::move(term));
        sum = AddTrees(std::move(sum), std::move(term));
      }
      value = Expand(sum);
    }
    memo = Checked(std::move(value));
    return *memo;
  }

  const Grid& grid_;
  std::size_t n_;
  std::vector<std::optional<ExprNode>> memo_;
};

}  // namespace

ExprNode SymbolicDeterminant(const Grid& grid) {
  if (grid.size() > kMaxSymbolicDetSize) throw MatrixTooLarge();
  return CofactorExpansion(grid).Run();
}

std::optional<ExprNode> DeterminantOf(const ExprNode& matrix) {
  if (!IsSquare(matrix)) return std::nullopt;
  const std::size_t n = Rows(matrix);
  if (std::optional<NumberGrid> numbers = ToNumberGrid(matrix)) {
    if (static_cast<double>(n) * n * n > kMaxWork) throw MatrixTooLarge();
    if (std::optional<RationalGrid> exact = ToRationalGrid(*numbers)) {
      return ExprNode::MakeNumber(poly::ToNumber(ExactDeterminant(*exact)));
    }
    return ExprNode::MakeNumber(NumericDeterminant(std::move(*numbers)));
  }
  return SymbolicDeterminant(ToGrid(matrix));
}

}  // namespace zentrix::engine::matrix
