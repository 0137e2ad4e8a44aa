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
  return DistributionCommand(call.id, a);
}

}  // namespace zentrix::engine
