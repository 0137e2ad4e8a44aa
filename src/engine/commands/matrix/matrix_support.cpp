#include "engine/commands/matrix/matrix_support.h"

#include <cmath>
#include <utility>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::matrix {

Grid ToGrid(const ExprNode& matrix) {
  Grid grid;
  grid.reserve(matrix.OperandCount());
  for (const ExprNode& row : matrix.operands()) grid.push_back(row.operands());
  return grid;
}

ExprNode FromGrid(Grid grid) {
  ExprNode result = ExprNode::MakeList();
  for (std::vector<ExprNode>& row : grid) {
    ExprNode list = ExprNode::MakeList();
    for (ExprNode& entry : row) list.AddOperand(std::move(entry));
    result.AddOperand(std::move(list));
  }
  return result;
}

std::size_t Rows(const ExprNode& matrix) { return matrix.OperandCount(); }
std::size_t Columns(const ExprNode& matrix) {
  return matrix.OperandCount() == 0 ? 0 : matrix.Operand(0).OperandCount();
}
bool IsSquare(const ExprNode& matrix) {
  return matrix.IsMatrix() && Rows(matrix) == Columns(matrix);
}

std::optional<NumberGrid> ToNumberGrid(const ExprNode& matrix) {
  NumberGrid grid;
  grid.reserve(matrix.OperandCount());
  for (const ExprNode& row : matrix.operands()) {
    std::vector<Number> values;
    values.reserve(row.OperandCount());
    for (const ExprNode& entry : row.operands()) {
      if (!entry.IsNumber()) return std::nullopt;
      values.push_back(entry.coefficient());
    }
    grid.push_back(std::move(values));
  }
  return grid;
}

ExprNode FromNumberGrid(const NumberGrid& grid) {
  ExprNode result = ExprNode::MakeList();
  for (const std::vector<Number>& row : grid) {
    ExprNode list = ExprNode::MakeList();
    for (const Number& value : row) list.AddOperand(ExprNode::MakeNumber(value));
    result.AddOperand(std::move(list));
  }
  return result;
}

ExprNode IdentityMatrix(std::size_t n) {
  ExprNode result = ExprNode::MakeMatrix(n, n);
  for (std::size_t i = 0; i < n; ++i) result.Operand(i).Operand(i) = ExprNode::MakeNumber(1.0);
  return result;
}

bool IsZeroTree(const ExprNode& e) { return e.IsNumber() && e.coefficient().IsZero(); }

ExprNode ExpandedSum(ExprNode a, ExprNode b) {
  if (IsZeroTree(a)) return b;
  if (IsZeroTree(b)) return a;
  ExprNode sum = AddTrees(std::move(a), std::move(b));
  return sum.IsNumber() ? sum : Expand(sum);
}

ExprNode ExpandedProduct(ExprNode a, ExprNode b) {
  if (IsZeroTree(a) || IsZeroTree(b)) return ExprNode::Zero();
  ExprNode product = MultiplyTrees(std::move(a), std::move(b));
  return product.IsNumber() ? product : Expand(product);
}

namespace {

// A positive exact fraction p/q whose parts are small enough for p·q^(k−1) to
// stay exact in binary64.
bool IsRootableFraction(const Number& v, int k) {
  if (!v.IsFraction() || v.RealNumerator() <= 0.0) return false;
  const double bound = std::pow(2.0, 52.0);
  return std::pow(v.RealDenominator(), k - 1) * v.RealNumerator() < bound;
}

}  // namespace

ExprNode ExactSquareRoot(ExprNode v) { return ExactRoot(std::move(v), Number(2.0)); }

ExprNode ExactRoot(ExprNode v, const Number& p) {
  if (p.IsInteger() && p.GreaterOrEqual(2) && p.LessOrEqual(16) && v.IsNumber()) {
    const int k = static_cast<int>(p.RealValue());
    const Number& value = v.coefficient();
    if (IsRootableFraction(value, k)) {
      // (p/q)^(1/k) = (p·q^(k−1))^(1/k) / q.
      const double q = value.RealDenominator();
      const double radicand = value.RealNumerator() * std::pow(q, k - 1);
      ExprNode root = PowerNumber(ExprNode::MakeNumber(radicand), Number::Ratio(1, k));
      return MultiplyNumber(std::move(root), Number::Ratio(1, q));
    }
  }
  return PowerNumber(std::move(v), Divide(Number(1.0), p));
}

std::size_t EntrySize(const ExprNode& e, std::size_t limit) { return calculus::TreeSize(e, limit); }

bool TooLarge(const ExprNode& e) { return EntrySize(e) > kMaxEntrySize; }

ExprNode Checked(ExprNode e) {
  if (TooLarge(e)) throw ResultTooLarge();
  return e;
}

}  // namespace zentrix::engine::matrix
