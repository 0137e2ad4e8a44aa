#include "engine/commands/matrix/vector_products.h"

#include <utility>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/matrix/matrix_operations.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::matrix {
namespace {

constexpr double kMaxQrWork = limits::kQrWork;

ExprNode Expanded(ExprNode e) { return e.IsNumber() ? e : Expand(e); }

// a_i·b_j − a_j·b_i, expanded.
ExprNode CrossTerm(const ExprNode& a, const ExprNode& b, std::size_t i, std::size_t j) {
  return Expanded(SubtractTrees(MultiplyTrees(a.Operand(i), b.Operand(j)),
                                MultiplyTrees(a.Operand(j), b.Operand(i))));
}

// The p-norm for a finite p ≠ 0.
ExprNode Norm(const ExprNode& v, const Number& p) {
  ExprNode sum = ExprNode::Zero();
  for (const ExprNode& element : v.operands()) {
    ExprNode magnitude = ApplyFunction(command_id::kAbs, element);
    sum = AddTrees(std::move(sum), PowerNumber(std::move(magnitude), p));
  }
  return Checked(ExactRoot(Expanded(std::move(sum)), p));
}

}  // namespace

ExprNode CrossProduct(const ExprNode& a, const ExprNode& b) {
  ExprNode result = ExprNode::MakeList();
  result.AddOperand(CrossTerm(a, b, 1, 2));
  result.AddOperand(CrossTerm(a, b, 2, 0));
  result.AddOperand(CrossTerm(a, b, 0, 1));
  return Checked(std::move(result));
}

std::optional<ExprNode> VectorNorm(const ExprNode& v, const Number& p) {
  if (p.IsZero() || !p.IsFinite()) return std::nullopt;
  return Norm(v, p);
}

ExprNode EuclideanNorm(const ExprNode& v) { return Norm(v, Number(2.0)); }

std::optional<ExprNode> VectorAngle(const ExprNode& a, const ExprNode& b) {
  if (a.OperandCount() != b.OperandCount()) return std::nullopt;
  ExprNode dot = ScalarProduct(a, b);
  ExprNode norm_a = EuclideanNorm(a);
  ExprNode norm_b = EuclideanNorm(b);
  if (IsZeroTree(norm_a) || IsZeroTree(norm_b)) return std::nullopt;
  ExprNode cosine =
      DivideTrees(std::move(dot), MultiplyTrees(std::move(norm_a), std::move(norm_b)));
  return Checked(ApplyFunction(command_id::kAcos, std::move(cosine)));
}

ExprNode ScalarTripleProduct(const ExprNode& a, const ExprNode& b, const ExprNode& c) {
  return ScalarProduct(a, CrossProduct(b, c));
}

std::optional<ExprNode> QrDecomposition(const ExprNode& m) {
  Grid q = ToGrid(m);
  const std::size_t rows = q.size(), columns = q[0].size();
  // Every entry is a tree here (roots appear after the first column), so the
  // work is bounded like a symbolic elimination.
  if (static_cast<double>(rows) * columns * columns > kMaxQrWork) throw MatrixTooLarge();
  Grid r(columns, std::vector<ExprNode>(columns));
  for (std::size_t i = 0; i < columns; ++i) {
    ExprNode squares = ExprNode::Zero();
    for (std::size_t k = 0; k < rows; ++k) {
      squares = AddTrees(std::move(squares), PowerNumber(q[k][i], Number(2.0)));
    }
    ExprNode norm = ExactSquareRoot(Expanded(std::move(squares)));
    if (IsZeroTree(norm)) return std::nullopt;
    for (std::size_t k = 0; k < rows; ++k) q[k][i] = Expanded(DivideTrees(q[k][i], norm));
    r[i][i] = std::move(norm);
    for (std::size_t j = i + 1; j < columns; ++j) {
      ExprNode projection = ExprNode::Zero();
      for (std::size_t k = 0; k < rows; ++k) {
        projection = AddTrees(std::move(projection), MultiplyTrees(q[k][i], q[k][j]));
      }
      projection = Expanded(std::move(projection));
      for (std::size_t k = 0; k < rows; ++k) {
        q[k][j] = Checked(Expanded(SubtractTrees(q[k][j], MultiplyTrees(q[k][i], projection))));
      }
      r[i][j] = std::move(projection);
    }
  }
  ExprNode result = ExprNode::MakeList();
  result.AddOperand(FromGrid(std::move(q)));
  result.AddOperand(FromGrid(std::move(r)));
  return result;
}

}  // namespace zentrix::engine::matrix
