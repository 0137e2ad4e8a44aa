#pragma once
// The argument rules of the calculus commands.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

CommandOutcome SumOrProductRule(const CommandCall& call, CommandArgs a);
CommandOutcome DerivativeRule(const CommandCall& call, CommandArgs a);
CommandOutcome IntegralRule(const CommandCall& call, CommandArgs a);
CommandOutcome LimitRule(const CommandCall& call, CommandArgs a);
CommandOutcome SeriesRule(const CommandCall& call, CommandArgs a);
CommandOutcome FourierSeriesRule(const CommandCall& call, CommandArgs a);
CommandOutcome NumericIntegralRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
