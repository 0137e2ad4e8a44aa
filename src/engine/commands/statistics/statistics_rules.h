#pragma once
// The argument rules of VarStats and the distributions.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

// (list) or (list1, list2).
CommandOutcome VarStatsRule(const CommandCall& call, CommandArgs a);
// One to four real numbers.
CommandOutcome DistributionRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
