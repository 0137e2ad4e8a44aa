#include "engine/commands/command_registry.h"

#include <array>
#include <utility>

#include "engine/commands/calculus/calculus_commands.h"
#include "engine/commands/calculus/calculus_rules.h"
#include "engine/commands/matrix/matrix_algorithms.h"
#include "engine/commands/matrix/matrix_rules.h"
#include "engine/commands/numeric/graph_function_rules.h"
#include "engine/commands/polynomial/polynomial_algorithms.h"
#include "engine/commands/polynomial/polynomial_rules.h"
#include "engine/commands/simplify/rule_dispatch.h"
#include "engine/commands/simplify/simplify_rules.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/commands/simplify/trig_reduce.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_rule.h"
#include "engine/commands/statistics/statistics_commands.h"
#include "engine/commands/statistics/statistics_rules.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

constexpr CommandAlgorithm NoAlgorithm = nullptr;

// The evaluator's own steps, as the rule column names them.
constexpr EvaluatorStep Elementary = EvaluatorStep::kElementary;
constexpr EvaluatorStep Arctangent = EvaluatorStep::kArctangent;
constexpr EvaluatorStep SquareRoot = EvaluatorStep::kSquareRoot;
constexpr EvaluatorStep AngleMark = EvaluatorStep::kAngleMark;
constexpr EvaluatorStep ClearName = EvaluatorStep::kClearName;
constexpr EvaluatorStep Skipped = EvaluatorStep::kSkipped;

constexpr CommandEntry MakeEntry(int id, CommandRule rule, CommandAlgorithm algorithm) {
  return CommandEntry{id, EvaluatorStep::kRule, rule, algorithm, {}};
}
constexpr CommandEntry MakeEntry(int id, CommandRule rule, const DistributionColumn& column) {
  return CommandEntry{id, EvaluatorStep::kRule, rule, column.algorithm, column.function};
}
constexpr CommandEntry MakeEntry(int id, EvaluatorStep step, CommandAlgorithm algorithm) {
  return CommandEntry{id, step, nullptr, algorithm, {}};
}

constexpr CommandEntry kEntries[] = {
#define ZENTRIX_COMMAND(id, identifier, name, printed, count, help, rule, algorithm) \
  MakeEntry(id, rule, algorithm),
#include "engine/core/command_registry.inc"
};

constexpr std::array<const CommandEntry*, kCommandIdLimit> EntriesById() {
  std::array<const CommandEntry*, kCommandIdLimit> by_id{};
  for (const CommandEntry& entry : kEntries) by_id[entry.id] = &entry;
  return by_id;
}
constexpr auto kEntriesById = EntriesById();

}  // namespace

std::span<const CommandEntry> CommandEntries() { return kEntries; }

const CommandEntry* FindCommandEntry(int id) {
  if (id < 0 || id >= kCommandIdLimit) return nullptr;
  return kEntriesById[id];
}

CommandAlgorithm FindCommandAlgorithm(int id) {
  const CommandEntry* entry = FindCommandEntry(id);
  return entry == nullptr ? nullptr : entry->algorithm;
}

EvaluatorStep StepOf(int id) {
  const CommandEntry* entry = FindCommandEntry(id);
  return entry == nullptr ? EvaluatorStep::kRule : entry->step;
}

CommandOutcome RunCommand(int id, std::vector<ExprNode> arguments) {
  const CommandEntry* entry = FindCommandEntry(id);
  if (entry == nullptr || entry->rule == nullptr) return rule::Code(EngineError::kBadSyntax);
  return entry->rule(CommandCall{id, entry->algorithm}, std::move(arguments));
}

const DistributionFunction* FindDistribution(int id) {
  const CommandEntry* entry = FindCommandEntry(id);
  return entry == nullptr || entry->distribution.evaluate == nullptr ? nullptr
                                                                     : &entry->distribution;
}

DistributionResult EvaluateDistribution(int id, std::span<const double> args) {
  const DistributionFunction* distribution = FindDistribution(id);
  if (distribution == nullptr) return {0, kWrongArgumentsCode};
  return EvaluateDistribution(*distribution, args);
}

}  // namespace zentrix::engine
