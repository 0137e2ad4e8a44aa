#pragma once
// The argument rule of Solve.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

// (equation or expression) with one variable, (equation, x), or the
// coefficients (a, b, c) or (a, b, c, d).
CommandOutcome SolveRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
