#include "engine/commands/matrix/eigen.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine::matrix {
namespace {

// Relative tolerance of the zero test on M − λI: the cubic formula's roots
// carry binary64 errors, up to about 1e-8 for a double root.
constexpr double kRelativeTolerance = 1e-6;

bool IsNumericSquare(const ExprNode& m, std::size_t max_size) {
  return m.IsNumericMatrix() && IsSquare(m) && Rows(m) <= max_size;
}

// M − λ·I with the tree λ.
Grid Shifted(const ExprNode& m, const ExprNode& lambda) {
  Grid g = ToGrid(m);
  for (std::size_t i = 0; i < g.size(); ++i) g[i][i] = SubtractTrees(g[i][i], lambda);
  return g;
}

ExprNode AsList(ExprNode roots) {
  if (roots.IsList()) return roots;
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(std::move(roots));
  return list;
}

// The magnitude of a constant tree, when it approximates to a number.
std::optional<double> Magnitude(const ExprNode& e) {
  const ExprNode value = e.IsNumber() ? e : Approximate(e);
  if (!value.IsNumber()) return std::nullopt;
  return std::hypot(value.coefficient().RealValue(), value.coefficient().ImagValue());
}

double LargestEntry(const ExprNode& m) {
  double largest = 0.0;
  for (const ExprNode& row : m.operands()) {
    for (const ExprNode& entry : row.operands()) {
      largest = std::max(largest, Magnitude(entry).value_or(0.0));
    }
  }
  return largest;
}

// Basis of the null space of the reduced grid: one vector per free column.
std::vector<ExprNode> NullSpace(const ReducedGrid& r, std::size_t columns) {
  std::vector<ExprNode> basis;
  for (std::size_t free = 0; free < columns; ++free) {
    if (std::find(r.pivot_columns.begin(), r.pivot_columns.end(), free) != r.pivot_columns.end()) {
      continue;
    }
    ExprNode v = ExprNode::MakeList(columns);
    v.Operand(free) = ExprNode::MakeNumber(1.0);
    for (std::size_t i = 0; i < r.pivot_columns.size(); ++i) {
      v.Operand(r.pivot_columns[i]) = NegateTree(r.grid[i][free]);
    }
    basis.push_back(std::move(v));
  }
  return basis;
}

struct EigenPairs {
  std::vector<ExprNode> values;  // one per vector
  std::vector<ExprNode> vectors;
};

// Nothing when there are no eigenvalues or no eigenvectors.
std::optional<EigenPairs> Pairs(const ExprNode& m) {
  std::optional<ExprNode> roots = Eigenvalues(m);
  if (!roots) return std::nullopt;
  EigenPairs pairs;
  const double tolerance = kRelativeTolerance * std::max(1.0, LargestEntry(m));
  ZeroTest near_zero = [tolerance](const ExprNode& e) {
    if (IsZeroTree(e)) return true;
    std::optional<double> size = Magnitude(e);
    return size && *size <= tolerance;
  };
  std::vector<ExprNode> seen;
  for (const ExprNode& lambda : roots->operands()) {
    // A repeated root (or two decimals of one double root) is looked at once.
    bool repeated = false;
    for (const ExprNode& earlier : seen) {
      repeated = repeated || near_zero(SubtractTrees(lambda, earlier));
    }
    if (repeated) continue;
    seen.push_back(lambda);
    ReducedGrid reduced = RowReduceGrid(Shifted(m, lambda), near_zero);
    for (ExprNode& v : NullSpace(reduced, Rows(m))) {
      pairs.values.push_back(lambda);
      pairs.vectors.push_back(std::move(v));
    }
  }
  if (pairs.vectors.empty()) return std::nullopt;
  return pairs;
}

ExprNode ListOf(std::vector<ExprNode> elements) {
  ExprNode list = ExprNode::MakeList();
  for (ExprNode& e : elements) list.AddOperand(std::move(e));
  return list;
}

}  // namespace

std::optional<ExprNode> Eigenvalues(const ExprNode& m) {
  if (!IsNumericSquare(m, 3)) return std::nullopt;
  const std::size_t n = Rows(m);
  if (n == 1) return ListOf({m.Operand(0).Operand(0)});
  const std::u16string lambda_name(kLambdaName);
  const ExprNode det = SymbolicDeterminant(Shifted(m, ExprNode::MakeSymbol(lambda_name)));
  std::optional<std::vector<ExprNode>> k =
      solve::ExtractCoefficients(Expand(det), lambda_name, static_cast<int>(n));
  if (!k) return std::nullopt;
  if (n == 2) return AsList(QuadraticRoots((*k)[0], (*k)[1], (*k)[2]));
  std::optional<ExprNode> roots = CubicRoots((*k)[0], (*k)[1], (*k)[2], (*k)[3]);
  if (!roots) return std::nullopt;
  return AsList(std::move(*roots));
}

std::optional<ExprNode> Eigenvectors(const ExprNode& m) {
  std::optional<EigenPairs> pairs = Pairs(m);
  if (!pairs) return std::nullopt;
  return ListOf(std::move(pairs->vectors));
}

std::optional<ExprNode> Eigensystem(const ExprNode& m) {
  std::optional<EigenPairs> pairs = Pairs(m);
  if (!pairs) return std::nullopt;
  return ListOf({ListOf(std::move(pairs->values)), ListOf(std::move(pairs->vectors))});
}

}  // namespace zentrix::engine::matrix
