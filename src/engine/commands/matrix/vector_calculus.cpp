#include "engine/commands/matrix/vector_calculus.h"

#include <utility>

#include "engine/commands/calculus/derivative.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/matrix/vector_products.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::matrix {
namespace {

// ∂f/∂x, or the unevaluated D(f, x) when some part of f has no rule or the
// derivative would be too large.
ExprNode Partial(const ExprNode& f, const std::u16string& x) {
  if (std::optional<ExprNode> d = Differentiate(f, x)) return std::move(*d);
  return MakeCall(command_id::kD, {f, ExprNode::MakeSymbol(x)});
}

ExprNode Expanded(ExprNode e) { return e.IsNumber() ? e : Expand(e); }

std::vector<Binding> PointBindings(const Variables& x, const ExprNode& point) {
  std::vector<Binding> bindings;
  for (std::size_t i = 0; i < x.size(); ++i) bindings.emplace_back(x[i], point.Operand(i));
  return bindings;
}

bool FitsPoint(const Variables& x, const ExprNode* point) {
  return point == nullptr ||
         (point->IsList() && !point->IsMatrix() && point->OperandCount() == x.size());
}

ExprNode GradientList(const ExprNode& f, const Variables& x) {
  ExprNode result = ExprNode::MakeList();
  for (const std::u16string& name : x) result.AddOperand(Partial(f, name));
  return result;
}

ExprNode AtPoint(ExprNode value, const Variables& x, const ExprNode* point) {
  if (point != nullptr) value = Substitute(value, PointBindings(x, *point));
  return Checked(std::move(value));
}

}  // namespace

Variables DefaultVariables() { return {u"x", u"y", u"z"}; }

Variables VariableNames(const ExprNode& list) {
  Variables names;
  for (const ExprNode& v : list.operands()) names.emplace_back(v.VariableName());
  return names;
}

std::optional<ExprNode> Jacobian(const ExprNode& f, const Variables& x, const ExprNode* point) {
  if (!FitsPoint(x, point)) return std::nullopt;
  if (!f.IsList()) return AtPoint(GradientList(f, x), x, point);
  ExprNode result = ExprNode::MakeList();
  for (const ExprNode& component : f.operands()) {
    if (component.IsList()) return std::nullopt;
    result.AddOperand(GradientList(component, x));
  }
  return AtPoint(std::move(result), x, point);
}

std::optional<ExprNode> Hessian(const ExprNode& f, const Variables& x, const ExprNode* point) {
  if (f.IsList() || !FitsPoint(x, point)) return std::nullopt;
  ExprNode result = ExprNode::MakeList();
  for (const std::u16string& xi : x) {
    const ExprNode first = Partial(f, xi);
    ExprNode row = ExprNode::MakeList();
    for (const std::u16string& xj : x) row.AddOperand(Partial(first, xj));
    result.AddOperand(std::move(row));
  }
  return AtPoint(std::move(result), x, point);
}

std::optional<ExprNode> Gradient(const ExprNode& f, const Variables& x) {
  if (f.IsList()) return std::nullopt;
  return Checked(GradientList(f, x));
}

std::optional<ExprNode> Divergence(const ExprNode& f, const Variables& x) {
  if (!f.IsList() || f.IsMatrix() || f.OperandCount() != x.size()) return std::nullopt;
  ExprNode sum = ExprNode::Zero();
  for (std::size_t i = 0; i < x.size(); ++i) {
    sum = AddTrees(std::move(sum), Partial(f.Operand(i), x[i]));
  }
  return Checked(Expanded(std::move(sum)));
}

std::optional<ExprNode> Laplacian(const ExprNode& f, const Variables& x) {
  if (f.IsMatrix()) return std::nullopt;
  ExprNode sum = f.IsList() ? ExprNode::MakeList(f.OperandCount()) : ExprNode::Zero();
  for (const std::u16string& name : x) {
    sum = AddTrees(std::move(sum), Partial(Partial(f, name), name));
  }
  if (sum.IsList()) {
    for (ExprNode& element : sum.mutable_operands()) element = Expanded(std::move(element));
    return Checked(std::move(sum));
  }
  return Checked(Expanded(std::move(sum)));
}

std::optional<ExprNode> Curl(const ExprNode& f, const Variables& x) {
  if (!f.IsList() || f.OperandCount() != 3 || x.size() != 3) return std::nullopt;
  auto component = [&](std::size_t i, std::size_t j) {
    // ∂F_i/∂x_j − ∂F_j/∂x_i
    return Expanded(SubtractTrees(Partial(f.Operand(i), x[j]), Partial(f.Operand(j), x[i])));
  };
  ExprNode result = ExprNode::MakeList();
  result.AddOperand(component(2, 1));
  result.AddOperand(component(0, 2));
  result.AddOperand(component(1, 0));
  return Checked(std::move(result));
}

std::optional<ExprNode> DirectionalDerivative(const ExprNode& f, const Variables& x,
                                              const ExprNode& point, const ExprNode& direction) {
  if (f.IsList() || point.OperandCount() != x.size() || direction.OperandCount() != x.size()) {
    return std::nullopt;
  }
  ExprNode norm = EuclideanNorm(direction);
  if (IsZeroTree(norm)) return std::nullopt;
  const ExprNode gradient = Substitute(GradientList(f, x), PointBindings(x, point));
  ExprNode sum = ExprNode::Zero();
  for (std::size_t i = 0; i < x.size(); ++i) {
    sum = AddTrees(std::move(sum), MultiplyTrees(gradient.Operand(i), direction.Operand(i)));
  }
  return Checked(Expanded(DivideTrees(Expanded(std::move(sum)), std::move(norm))));
}

}  // namespace zentrix::engine::matrix
