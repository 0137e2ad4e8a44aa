#include "engine/commands/matrix/matrix_operations.h"

#include <cmath>
#include <utility>

#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_multiply.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::matrix {

std::optional<ExprNode> ExpandedMatrixProduct(const ExprNode& a, const ExprNode& b) {
  std::optional<ExprNode> product = MatrixProduct(a, b);
  if (!product) return std::nullopt;
  for (ExprNode& row : product->mutable_operands()) {
    for (ExprNode& entry : row.mutable_operands()) {
      if (!entry.IsNumber()) entry = Checked(Expand(entry));
    }
  }
  return product;
}

ExprNode ScalarProduct(const ExprNode& a, const ExprNode& b) {
  ExprNode sum = ExprNode::Zero();
  for (std::size_t i = 0; i < a.OperandCount(); ++i) {
    sum = AddTrees(std::move(sum), MultiplyTrees(a.Operand(i), b.Operand(i)));
  }
  if (!sum.IsNumber()) sum = Expand(sum);
  return Checked(std::move(sum));
}

std::optional<ExprNode> MatrixPower(const ExprNode& m, const Number& n) {
  if (n.EqualsValue(1)) return m;
  if (!IsSquare(m)) return std::nullopt;
  if (n.EqualsValue(0)) return IdentityMatrix(Rows(m));
  ExprNode base = m;
  if (n.LessThan(0)) {
    std::optional<ExprNode> inverse = Inverse(m);
    if (!inverse) return std::nullopt;
    base = std::move(*inverse);
  }
  // Square and multiply over the bits of |n|: at most about a thousand
  // products even for the largest binary64 integers.
  double remaining = std::fabs(n.RealValue());
  std::optional<ExprNode> result;
  while (remaining >= 1.0) {
    const double half = std::floor(remaining / 2.0);
    if (remaining - 2.0 * half == 1.0) {
      if (!result) {
        result = base;
      } else {
        result = ExpandedMatrixProduct(base, *result);
        if (!result) return std::nullopt;
      }
    }
    remaining = half;
    if (remaining >= 1.0) {
      std::optional<ExprNode> square = ExpandedMatrixProduct(base, base);
      if (!square) return std::nullopt;
      base = std::move(*square);
    }
  }
  return result;
}

ExprNode Transpose(const ExprNode& m) {
  const std::size_t rows = Rows(m), columns = Columns(m);
  ExprNode result = ExprNode::MakeList();
  for (std::size_t j = 0; j < columns; ++j) {
    ExprNode row = ExprNode::MakeList();
    for (std::size_t i = 0; i < rows; ++i) row.AddOperand(m.Operand(i).Operand(j));
    result.AddOperand(std::move(row));
  }
  return result;
}

}  // namespace zentrix::engine::matrix
