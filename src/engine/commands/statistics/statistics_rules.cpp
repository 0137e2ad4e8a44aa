#include "engine/commands/statistics/statistics_rules.h"

#include <utility>

#include "engine/commands/simplify/rule_dispatch.h"
#include "engine/commands/statistics/statistics_commands.h"

namespace zentrix::engine {

using namespace rule;

CommandOutcome VarStatsRule(const CommandCall& call, CommandArgs a) {
  if (a.empty() || a.size() > 2) return Message(u"VarStats(list) or VarStats(list1, list2)");
  if (!a[0].IsList()) return Message(u"Parameter 1 is not a list.");
  if (a.size() == 2 && !a[1].IsList()) return Message(u"Parameter 2 is not a list.");
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome DistributionRule(const CommandCall& call, CommandArgs a) {
  if (a.size() > 4) return Code(EngineError::kTooManyParameters);
  if (call.algorithm == nullptr) return Code(EngineError::kBadSyntax);
  std::optional<CommandOutcome> outcome = call.algorithm(a);
  if (!outcome || outcome->kind == CommandOutcome::Kind::kRefused) return Help(call.id);
  return std::move(*outcome);
}

}  // namespace zentrix::engine
