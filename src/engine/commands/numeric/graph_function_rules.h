#pragma once
// The numeric functions that graph expressions use (nPr, nCr, atan2, wave,
// wavelet, unitStep), evaluated on real numbers; any other argument is code 4.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

CommandOutcome PermutationsRule(const CommandCall& call, CommandArgs a);
CommandOutcome CombinationsRule(const CommandCall& call, CommandArgs a);
CommandOutcome Atan2Rule(const CommandCall& call, CommandArgs a);
CommandOutcome WaveRule(const CommandCall& call, CommandArgs a);
CommandOutcome WaveletRule(const CommandCall& call, CommandArgs a);
CommandOutcome UnitStepRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
