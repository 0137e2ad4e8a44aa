#include "engine/commands/matrix/matrix_multiply.h"

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine {

namespace {
constexpr double kMaxMultiplications = limits::kMatrixMultiplications;
}  // namespace

std::optional<ExprNode> MatrixProduct(const ExprNode& a, const ExprNode& b) {
  const std::size_t rows = a.OperandCount();
  const std::size_t inner = a.Operand(0).OperandCount();
  if (b.OperandCount() != inner) return std::nullopt;
  const std::size_t columns = b.Operand(0).OperandCount();
  if (static_cast<double>(rows) * static_cast<double>(inner) * static_cast<double>(columns) >
      kMaxMultiplications) {
    throw ResultTooLarge();
  }
  ExprNode result = ExprNode::MakeList();
  for (std::size_t i = 0; i < rows; ++i) {
    ExprNode row = ExprNode::MakeList();
    for (std::size_t j = 0; j < columns; ++j) {
      ExprNode sum = ExprNode::Zero();
      for (std::size_t k = 0; k < inner; ++k) {
        sum = AddTrees(std::move(sum),
                       MultiplyTrees(a.Operand(i).Operand(k), b.Operand(k).Operand(j)));
      }
      row.AddOperand(std::move(sum));
    }
    result.AddOperand(std::move(row));
  }
  return result;
}

}  // namespace zentrix::engine
