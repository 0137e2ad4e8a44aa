#include "engine/commands/command_algorithms.h"

#include "engine/commands/polynomial_algorithms.h"
#include "engine/commands/statistics_commands.h"
#include "engine/commands/solve.h"
#include "engine/commands/substitution.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {

CommandAlgorithm FindCommandAlgorithm(int id) {
  // Each algorithm is wired in here when it exists.
  switch (id) {
    case command_id::kEval: return &EvalAlgorithm;
    case command_id::kVarStats: return &VarStatsAlgorithm;
    case command_id::kSolve: return &SolveAlgorithm;
    default: break;
  }
  // Polynomial algebra (Expand, Factor, GCD, PolyDivide, ...).
  if (CommandAlgorithm polynomial = FindPolynomialAlgorithm(id)) return polynomial;
  return nullptr;
}

}  // namespace zentrix::engine
