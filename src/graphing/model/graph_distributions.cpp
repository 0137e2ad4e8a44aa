// The one place where graph expressions reach the engine's distribution
// functions: they are read from the command registry's rows.
#include "engine/commands/command_registry.h"
#include "graphing/model/graph_functions.h"

#include <limits>
#include <span>

namespace zentrix::graphing {

int DistributionArity(int id) {
  const engine::DistributionFunction* distribution = engine::FindDistribution(id);
  return distribution ? distribution->arity : -1;
}

double EvaluateDistribution(int id, const double* args, int count) {
  if (engine::FindDistribution(id) == nullptr || count < 0) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  const engine::DistributionResult r = engine::EvaluateDistribution(
      id, std::span<const double>(args, static_cast<std::size_t>(count)));
  return r.ok() ? r.value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace zentrix::graphing
