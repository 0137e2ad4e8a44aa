#pragma once
// The hand-over from a command's rule to its algorithm.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine::rule {

// Hands the checked arguments (normal form) to the algorithm; without an
// algorithm, or when it has no rule for them, the call as typed is the answer.
CommandOutcome Dispatch(const CommandCall& call, CommandArgs typed, CommandArgs normal,
                        FailureText failure);
// The same, when the arguments as typed are already the normal form.
CommandOutcome Dispatch(const CommandCall& call, CommandArgs typed, FailureText failure);

}  // namespace zentrix::engine::rule

namespace zentrix::engine {

// (f): exactly one argument, of any kind (Expand, Factor, Normalize, ...).
CommandOutcome OneArgumentRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
