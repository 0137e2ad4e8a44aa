#include "engine/commands/matrix/matrix_operations.h"

#include <cmath>
#include <utility>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_multiply.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::matrix {

MatrixValue ExpandedMatrixProduct(const ExprNode& a, const ExprNode& b) {
  std::optional<ExprNode> product;
  try {
    product = MatrixProduct(a, b);
  } catch (const ResultTooLarge&) {
    // Reported as the message, like every result beyond the size bounds.
    return {std::nullopt, kResultTooLarge};
  }
  if (!product) return {};
  for (ExprNode& row : product->mutable_operands()) {
    for (ExprNode& entry : row.mutable_operands()) {
      if (entry.IsNumber()) continue;
      entry = Expand(entry);
      if (TooLarge(entry)) return {std::nullopt, kResultTooLarge};
    }
  }
  return {std::move(product), {}};
}

MatrixValue ScalarProduct(const ExprNode& a, const ExprNode& b) {
  ExprNode sum = ExprNode::Zero();
  for (std::size_t i = 0; i < a.OperandCount(); ++i) {
    sum = AddTrees(std::move(sum), MultiplyTrees(a.Operand(i), b.Operand(i)));
  }
  if (!sum.IsNumber()) sum = Expand(sum);
  if (TooLarge(sum)) return {std::nullopt, kResultTooLarge};
  return {std::move(sum), {}};
}

MatrixValue MatrixPower(const ExprNode& m, const Number& n) {
  if (n.EqualsValue(1)) return {m, {}};
  if (!IsSquare(m)) return {};
  if (n.EqualsValue(0)) return {IdentityMatrix(Rows(m)), {}};
  ExprNode base = m;
  if (n.LessThan(0)) {
    Reduction inverse = Inverse(m);
    if (!inverse.value) return {std::nullopt, inverse.message};
    base = std::move(*inverse.value);
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
        MatrixValue next = ExpandedMatrixProduct(base, *result);
        if (!next.value) return next;
        result = std::move(next.value);
      }
    }
    remaining = half;
    if (remaining >= 1.0) {
      MatrixValue square = ExpandedMatrixProduct(base, base);
      if (!square.value) return square;
      base = std::move(*square.value);
    }
  }
  return {std::move(result), {}};
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
