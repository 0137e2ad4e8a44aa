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

constexpr CommandRule NoRule = nullptr;
constexpr CommandAlgorithm NoAlgorithm = nullptr;

constexpr CommandEntry kEntries[] = {
#define ZENTRIX_COMMAND(id, identifier, name, count, help, rule, algorithm) {id, rule, algorithm},
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

CommandOutcome RunCommand(int id, std::vector<ExprNode> arguments) {
  const CommandEntry* entry = FindCommandEntry(id);
  if (entry == nullptr || entry->rule == nullptr) return rule::Code(EngineError::kBadSyntax);
  return entry->rule(CommandCall{id, entry->algorithm}, std::move(arguments));
}

}  // namespace zentrix::engine
