#include "engine/commands/simplify/rule_dispatch.h"

#include <optional>
#include <utility>

#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine::rule {

CommandOutcome Dispatch(const CommandCall& call, CommandArgs typed, CommandArgs normal,
                        FailureText failure) {
  if (call.algorithm != nullptr) {
    std::optional<CommandOutcome> outcome = call.algorithm(normal);
    if (outcome && outcome->kind != CommandOutcome::Kind::kRefused) return std::move(*outcome);
    if (outcome) {
      if (!failure.message.empty()) return Message(failure.message);
      if (failure.code != EngineError::kNone) return Code(failure.code);
    }
  }
  return CommandOutcome::Value(MakeCall(call.id, std::move(typed)));
}

CommandOutcome Dispatch(const CommandCall& call, CommandArgs typed, FailureText failure) {
  CommandArgs normal = typed;
  return Dispatch(call, std::move(typed), std::move(normal), failure);
}

}  // namespace zentrix::engine::rule

namespace zentrix::engine {

CommandOutcome OneArgumentRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 1) return rule::Code(EngineError::kBadSyntax);
  return rule::Dispatch(call, std::move(a), kUnevaluated);
}

}  // namespace zentrix::engine
