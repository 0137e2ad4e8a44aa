#include "engine/commands/solve/solve_rule.h"

#include <optional>
#include <string>
#include <utility>

#include "engine/commands/simplify/rule_dispatch.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

using namespace rule;

namespace {
bool IsEquation(const ExprNode& n) { return n.IsList() && n.OperandCount() == 2; }
}  // namespace

CommandOutcome SolveRule(const CommandCall& call, CommandArgs a) {
  constexpr FailureText kUnsolved{u"Unable to solve the expression."};
  if (a.empty() || a.size() > 4) return Code(EngineError::kBadSyntax);
  RaiseRewriteFlag();
  if (a.size() >= 3) return Dispatch(call, std::move(a), kUnsolved);
  ExprNode equation = a[0];
  if (equation.IsList() && !IsEquation(equation)) return Code(EngineError::kBadSyntax);
  if (!equation.IsList()) {
    ExprNode list = ExprNode::MakeList();
    list.AddOperand(std::move(equation));
    list.AddOperand(ExprNode::Zero());
    equation = std::move(list);
  }
  ExprNode x;
  if (a.size() == 1) {
    std::optional<std::u16string> name = SingleVariable(equation);
    if (!name) return Code(EngineError::kTooManyVariables);
    x = Variable(*name);
  } else {
    if (!a[1].IsVariable()) return Code(EngineError::kBadSyntax);
    x = a[1];
  }
  CommandArgs normal;
  normal.push_back(std::move(equation));
  normal.push_back(std::move(x));
  return Dispatch(call, std::move(a), std::move(normal), kUnsolved);
}

}  // namespace zentrix::engine
