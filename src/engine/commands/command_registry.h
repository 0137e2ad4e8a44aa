#pragma once
// The command layer's half of the registry (engine/core/command_registry.inc):
// how the evaluator runs every function and command id (its rule and
// algorithm, or a step of the evaluator's own), and the dispatch of a call
// through them.

#include <span>
#include <vector>

#include "engine/commands/base/command_rule.h"
#include "engine/commands/simplify/simplify_rules.h"
#include "engine/commands/statistics/distributions.h"

namespace zentrix::engine {

// How the evaluator runs an id: through the row's rule, or by a step of its own.
enum class EvaluatorStep {
  kRule,
  kElementary,  // one argument, the function applied and simplified
  kArctangent,  // atan: one argument, or two numbers
  kSquareRoot,
  kAngleMark,  // the degree, minute and second marks
  kClearName,  // Clear(name) as a whole entry
  kSkipped,    // DSolve: the item is skipped
};

struct CommandEntry {
  int id = -1;
  EvaluatorStep step = EvaluatorStep::kRule;
  CommandRule rule = nullptr;            // nullptr for the evaluator's own steps
  CommandAlgorithm algorithm = nullptr;  // nullptr: the rule computes the value, or none
  DistributionFunction distribution;     // a distribution's function of doubles, else empty
};

// Every entry, in id order (one per row of the registry).
std::span<const CommandEntry> CommandEntries();
// The entry of an id, or nullptr for an id without a row.
const CommandEntry* FindCommandEntry(int id);
// The algorithm of a command id, or nullptr when it has none.
CommandAlgorithm FindCommandAlgorithm(int id);
// How the evaluator runs an id (kRule for an id without a row: it fails there).
EvaluatorStep StepOf(int id);

// Runs the command `id` on its evaluated arguments, in entry order: its rule
// checks them and hands them to its algorithm. Ids without a rule (the
// evaluator's own functions, unknown ids) answer code 4.
CommandOutcome RunCommand(int id, std::vector<ExprNode> arguments);

// The distribution of a command id, or nullptr for an id that is not one.
const DistributionFunction* FindDistribution(int id);
// A distribution by its command id on doubles: the checks of
// EvaluateDistribution; an id that is not a distribution is a wrong call.
DistributionResult EvaluateDistribution(int id, std::span<const double> args);

}  // namespace zentrix::engine
