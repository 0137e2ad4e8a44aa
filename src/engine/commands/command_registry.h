#pragma once
// The command layer's half of the registry (engine/core/command_registry.inc):
// the argument rule and the algorithm of every function and command id, and
// the dispatch of a call through them.

#include <span>
#include <vector>

#include "engine/commands/base/command_rule.h"
#include "engine/commands/simplify/simplify_rules.h"

namespace zentrix::engine {

struct CommandEntry {
  int id = -1;
  CommandRule rule = nullptr;            // nullptr: run by the evaluator itself, or skipped
  CommandAlgorithm algorithm = nullptr;  // nullptr: the rule computes the value, or none
};

// Every entry, in id order (one per row of the registry).
std::span<const CommandEntry> CommandEntries();
// The entry of an id, or nullptr for an id without a row.
const CommandEntry* FindCommandEntry(int id);
// The algorithm of a command id, or nullptr when it has none.
CommandAlgorithm FindCommandAlgorithm(int id);

// Runs the command `id` on its evaluated arguments, in entry order: its rule
// checks them and hands them to its algorithm. Ids without a rule (the
// evaluator's own functions, unknown ids) answer code 4.
CommandOutcome RunCommand(int id, std::vector<ExprNode> arguments);

}  // namespace zentrix::engine
