#include "engine/commands/matrix/matrix_elimination.h"

#include <algorithm>
#include <utility>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/matrix/exact_matrix.h"
#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::matrix {
namespace {

// Symbolic eliminations with more entry operations than this are refused.
constexpr double kMaxSymbolicWork = limits::kSymbolicEliminationWork;
// The summed sizes of the trees a symbolic elimination may combine: symbolic
// pivots turn the entries into growing rational functions, and this bound
// stops such an elimination within a second or so.
constexpr double kMaxSymbolicSizeWork = limits::kSymbolicEliminationSizeWork;

double EliminationWork(std::size_t rows, std::size_t columns) {
  const double r = static_cast<double>(std::min(rows, columns));
  return r * static_cast<double>(rows) * static_cast<double>(columns);
}

// The first row at or below `from` whose entry in `column` is not zero.
template <class Grid, class IsZero>
std::optional<std::size_t> PivotRow(const Grid& g, std::size_t from, std::size_t column,
                                    const IsZero& is_zero) {
  for (std::size_t i = from; i < g.size(); ++i) {
    if (!is_zero(g[i][column])) return i;
  }
  return std::nullopt;
}

}  // namespace

void RowReduceNumbers(NumberGrid& g) {
  const std::size_t rows = g.size();
  const std::size_t columns = rows == 0 ? 0 : g[0].size();
  const std::size_t pivots = std::min(rows, columns);
  std::size_t i = 0;
  auto is_zero = [](const Number& v) { return v.IsZero(); };
  for (std::size_t j = 0; j < columns && i < pivots; ++j) {
    std::optional<std::size_t> p = PivotRow(g, i, j, is_zero);
    if (!p) continue;
    std::swap(g[i], g[*p]);
    const Number reciprocal = Divide(Number(1.0), g[i][j]);
    for (std::size_t k = j; k < columns; ++k) g[i][k] = Multiply(g[i][k], reciprocal);
    g[i][j] = Number(1.0);
    for (std::size_t l = 0; l < rows; ++l) {
      if (l == i || g[l][j].IsZero()) continue;
      const Number factor = g[l][j];
      for (std::size_t k = j; k < columns; ++k) {
        g[l][k] = Subtract(g[l][k], Multiply(factor, g[i][k]));
      }
      g[l][j] = Number(0.0);
    }
    ++i;
  }
}

ReducedGrid RowReduceGrid(Grid g, const ZeroTest& is_zero) {
  ReducedGrid result;
  const std::size_t rows = g.size();
  const std::size_t columns = rows == 0 ? 0 : g[0].size();
  const std::size_t pivots = std::min(rows, columns);
  std::size_t i = 0;
  double spent = 0.0;
  for (std::size_t j = 0; j < columns && i < pivots; ++j) {
    std::optional<std::size_t> p = PivotRow(g, i, j, is_zero);
    if (!p) continue;
    std::swap(g[i], g[*p]);
    const ExprNode reciprocal = Expand(PowerNumber(g[i][j], Number(-1.0)));
    for (std::size_t k = j + 1; k < columns; ++k) {
      spent += static_cast<double>(EntrySize(g[i][k]) + EntrySize(reciprocal));
      g[i][k] = ExpandedProduct(g[i][k], reciprocal);
    }
    g[i][j] = ExprNode::MakeNumber(1.0);
    for (std::size_t l = 0; l < rows; ++l) {
      if (l == i || IsZeroTree(g[l][j])) continue;
      const ExprNode factor = NegateTree(g[l][j]);
      const std::size_t factor_size = EntrySize(factor);
      for (std::size_t k = j + 1; k < columns; ++k) {
        // Each update costs about the sizes of the trees it combines.
        spent += static_cast<double>(factor_size + EntrySize(g[i][k]) + EntrySize(g[l][k]));
        g[l][k] = ExpandedSum(std::move(g[l][k]), ExpandedProduct(factor, g[i][k]));
        if (spent > kMaxSymbolicSizeWork || TooLarge(g[l][k])) throw ResultTooLarge();
      }
      g[l][j] = ExprNode::Zero();
    }
    result.pivot_columns.push_back(j);
    ++i;
  }
  result.grid = std::move(g);
  return result;
}

ExprNode RowReduce(const ExprNode& matrix) {
  const std::size_t rows = Rows(matrix), columns = Columns(matrix);
  const double work = EliminationWork(rows, columns);
  if (std::optional<NumberGrid> numbers = ToNumberGrid(matrix)) {
    if (work > kMaxWork) throw MatrixTooLarge();
    if (std::optional<RationalGrid> exact = ToRationalGrid(*numbers)) {
      ExactRowReduce(*exact);
      return FromNumberGrid(FromRationalGrid(*exact));
    }
    RowReduceNumbers(*numbers);
    return FromNumberGrid(*numbers);
  }
  if (work > kMaxSymbolicWork) throw MatrixTooLarge();
  return FromGrid(RowReduceGrid(ToGrid(matrix), IsZeroTree).grid);
}

namespace {

// [A | I] reduced; the right half is the inverse when A is invertible.
std::optional<ExprNode> ExactInverse(RationalGrid a) {
  const std::size_t n = a.size();
  for (std::size_t i = 0; i < n; ++i) {
    a[i].resize(2 * n, 0);
    a[i][n + i] = 1;
  }
  ExactRowReduce(a);
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i][i] != 1) return std::nullopt;  // singular
    a[i].erase(a[i].begin(), a[i].begin() + static_cast<std::ptrdiff_t>(n));
  }
  return FromNumberGrid(FromRationalGrid(a));
}

std::optional<ExprNode> NumericInverse(NumberGrid a) {
  const std::size_t n = a.size();
  for (std::size_t i = 0; i < n; ++i) {
    a[i].resize(2 * n, Number(0.0));
    a[i][n + i] = Number(1.0);
  }
  RowReduceNumbers(a);
  for (std::size_t i = 0; i < n; ++i) {
    if (!(a[i][i] == Number(1.0))) return std::nullopt;  // singular after all
    a[i].erase(a[i].begin(), a[i].begin() + static_cast<std::ptrdiff_t>(n));
  }
  return FromNumberGrid(a);
}

Grid MinorGrid(const Grid& g, std::size_t row, std::size_t column) {
  Grid minor;
  for (std::size_t i = 0; i < g.size(); ++i) {
    if (i == row) continue;
    std::vector<ExprNode> r;
    for (std::size_t j = 0; j < g.size(); ++j) {
      if (j != column) r.push_back(g[i][j]);
    }
    minor.push_back(std::move(r));
  }
  return minor;
}

// The adjugate divided by the determinant: each entry is a cofactor over the
// determinant, which only assumes what invertibility means (det ≠ 0), where a
// symbolic elimination would also divide by every symbolic pivot.
ExprNode SymbolicInverse(const Grid& g, const ExprNode& det) {
  const std::size_t n = g.size();
  if (n > kMaxSymbolicInverseSize) throw MatrixTooLarge();
  if (n == 1) return FromGrid({{DivideTrees(ExprNode::MakeNumber(1.0), det)}});
  Grid inverse(n, std::vector<ExprNode>(n));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      ExprNode minor = SymbolicDeterminant(MinorGrid(g, i, j));
      ExprNode cofactor = (i + j) % 2 == 0 ? std::move(minor) : NegateTree(std::move(minor));
      inverse[j][i] = DivideTrees(std::move(cofactor), det);
    }
  }
  return FromGrid(std::move(inverse));
}

}  // namespace

std::optional<ExprNode> Inverse(const ExprNode& matrix) {
  if (!IsSquare(matrix)) return std::nullopt;
  if (std::optional<NumberGrid> numbers = ToNumberGrid(matrix)) {
    // Exact entries: the reduction itself finds a singular matrix, and an
    // inverse whose determinant is beyond the exact range has decimal entries.
    const double n = static_cast<double>(numbers->size());
    if (std::optional<RationalGrid> exact = ToRationalGrid(*numbers);
        exact && n * n * n <= kMaxWork) {
      return ExactInverse(std::move(*exact));
    }
  }
  std::optional<ExprNode> det = DeterminantOf(matrix);
  if (!det || IsZeroTree(*det)) return std::nullopt;
  if (std::optional<NumberGrid> numbers = ToNumberGrid(matrix)) {
    return NumericInverse(std::move(*numbers));
  }
  return SymbolicInverse(ToGrid(matrix), *det);
}

}  // namespace zentrix::engine::matrix
