#include "engine/commands/simplify/substitution.h"
#include "engine/commands/base/elementary_functions.h"

#include "engine/commands/base/commands_state.h"
#include "engine/commands/numeric/complex_functions.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

const ExprNode* Bound(const std::vector<Binding>& bindings, const std::u16string& name) {
  for (const Binding& b : bindings) {
    if (b.first == name) return &b.second;
  }
  return nullptr;
}

ExprNode TermValue(const SymbolTerm& t, const std::vector<Binding>& bindings) {
  const ExprNode* value = Bound(bindings, t.name);
  if (value == nullptr) return ExprNode::MakeTerm(t);
  return MultiplyNumber(PowerNumber(*value, t.exponent), t.coefficient);
}

}  // namespace

ExprNode Substitute(const ExprNode& tree, const std::vector<Binding>& bindings) {
  DepthGuard guard;
  if (!guard.ok()) return tree;
  if (tree.IsList()) {
    ExprNode list(tree.kind(), tree.coefficient());
    for (const ExprNode& element : tree.operands()) list.AddOperand(Substitute(element, bindings));
    return list;
  }
  if (tree.IsSum() || tree.IsProduct()) {
    std::vector<ExprNode> parts;
    parts.reserve(1 + tree.TermCount() + tree.OperandCount());
    parts.push_back(ExprNode::MakeNumber(tree.coefficient()));
    for (const SymbolTerm& t : tree.terms()) parts.push_back(TermValue(t, bindings));
    for (const ExprNode& op : tree.operands()) parts.push_back(Substitute(op, bindings));
    return tree.IsSum() ? SumOfTrees(std::move(parts)) : ProductOfTrees(std::move(parts));
  }
  if (tree.IsPower()) {
    if (tree.OperandCount() == 1) {
      return PowerNumber(Substitute(tree.Operand(0), bindings), tree.coefficient());
    }
    ExprNode result = Substitute(tree.Operand(0), bindings);
    for (std::size_t i = 1; i < tree.OperandCount(); ++i) {
      result = PowerTrees(std::move(result), Substitute(tree.Operand(i), bindings));
    }
    return PowerNumber(std::move(result), tree.coefficient());
  }
  const int id = tree.FunctionId();
  if (id >= 0 && tree.OperandCount() == 1 && IsElementaryFunctionId(id)) {
    ExprNode argument = Substitute(tree.Operand(0), bindings);
    ExprNode value = id == command_id::kSqrt ? SquareRootTree(std::move(argument))
                                             : ApplyFunction(id, std::move(argument));
    return MultiplyNumber(std::move(value), tree.coefficient());
  }
  std::vector<ExprNode> arguments;
  for (const ExprNode& op : tree.operands()) arguments.push_back(Substitute(op, bindings));
  return MultiplyNumber(MakeCall(id < 0 ? 0 : id, std::move(arguments)), tree.coefficient());
}

std::optional<CommandOutcome> EvalAlgorithm(std::vector<ExprNode>& arguments) {
  std::vector<Binding> bindings;
  const ExprNode& names = arguments[1];
  const ExprNode& values = arguments[2];
  if (names.IsList()) {
    for (std::size_t i = 0; i < names.OperandCount(); ++i) {
      bindings.emplace_back(std::u16string(names.Operand(i).VariableName()), values.Operand(i));
    }
  } else {
    bindings.emplace_back(std::u16string(names.VariableName()), values);
  }
  return CommandOutcome::Value(Substitute(arguments[0], bindings));
}

}  // namespace zentrix::engine
