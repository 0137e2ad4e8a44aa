#include "engine/commands/polynomial/polynomial_rules.h"

#include <optional>
#include <string>
#include <utility>

#include "engine/commands/simplify/rule_dispatch.h"

namespace zentrix::engine {

using namespace rule;

CommandOutcome DivisionRule(const CommandCall& call, CommandArgs a) {
  if (a.size() > 3) return Code(EngineError::kTooManyParameters);
  if (a.size() < 2) return Code(EngineError::kBadSyntax);
  if (a.size() == 3) {
    if (!a[2].IsVariable()) return Message(u"Parameter 3 is not a variable");
    return Dispatch(call, std::move(a), kUnevaluated);
  }
  std::optional<std::u16string> x = SingleVariable({&a[0], &a[1]});
  if (!x) return Code(EngineError::kTooManyVariables);
  CommandArgs normal{a[0], a[1], Variable(*x)};
  return Dispatch(call, std::move(a), std::move(normal), kUnevaluated);
}

CommandOutcome GcdRule(const CommandCall& call, CommandArgs a) {
  if (a.size() < 2) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kUnevaluated);
}

CommandOutcome LcmRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2 || !a[0].IsNumber() || !a[1].IsNumber()) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome OperandRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2 || !a[1].IsInteger()) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kUnevaluated);
}

CommandOutcome CoefficientRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 3 || !a[1].IsVariable() || !a[2].IsNumber()) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kUnevaluated);
}

CommandOutcome DegreeRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2 || !a[1].IsVariable()) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kUnevaluated);
}

CommandOutcome LagrangeRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2 || !IsPlainList(a[0]) || !a[1].IsVariable()) {
    return Code(EngineError::kBadSyntax);
  }
  for (const ExprNode& y : a[0].operands()) {
    if (!y.IsNumber()) return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome SquareFreeRule(const CommandCall& call, CommandArgs a) {
  // The variable may be given; any other shape is the generic error.
  if (a.size() == 2 && a[1].IsVariable()) return Dispatch(call, std::move(a), kUnevaluated);
  if (a.size() != 1) return Code(EngineError::kBadSyntax);
  std::optional<std::u16string> x = SingleVariable(a[0]);
  if (!x) return Code(EngineError::kTooManyVariables);
  CommandArgs normal{a[0], Variable(*x)};
  return Dispatch(call, std::move(a), std::move(normal), kUnevaluated);
}

}  // namespace zentrix::engine
