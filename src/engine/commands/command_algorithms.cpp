#include "engine/commands/command_algorithms.h"

#include "engine/commands/calculus/calculus_commands.h"
#include "engine/commands/matrix/matrix_algorithms.h"
#include "engine/commands/polynomial/polynomial_algorithms.h"
#include "engine/commands/statistics/statistics_commands.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {

CommandAlgorithm FindCommandAlgorithm(int id) {
  // Each algorithm is wired in here when it exists.
  switch (id) {
    case command_id::kEval: return &EvalAlgorithm;
    case command_id::kVarStats: return &VarStatsAlgorithm;
    // Calculus.
    case command_id::kD: return &DerivativeAlgorithm;
    case command_id::kIntegrate: return &IntegrateAlgorithm;
    case command_id::kNIntegrate: return &NumericIntegralAlgorithm;
    case command_id::kLimit: return &LimitAlgorithm;
    case command_id::kSeries: return &SeriesAlgorithm;
    case command_id::kFSeries: return &FourierSeriesAlgorithm;
    case command_id::kSum: return &SumAlgorithm;
    case command_id::kProduct: return &ProductAlgorithm;
    case command_id::kTrigReduce: return &TrigReduceAlgorithm;
    // Equation solving.
    case command_id::kSolve: return &SolveAlgorithm;
    default: break;
  }
  // Polynomial algebra (Expand, Factor, GCD, PolyDivide, ...).
  if (CommandAlgorithm polynomial = FindPolynomialAlgorithm(id)) return polynomial;
  // Matrices, vectors and vector calculus (Det, Inverse, QR, Curl, ...).
  if (CommandAlgorithm matrix = FindMatrixAlgorithm(id)) return matrix;
  return nullptr;
}

}  // namespace zentrix::engine
