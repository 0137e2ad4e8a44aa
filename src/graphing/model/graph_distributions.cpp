// The one place where graph expressions reach the engine's distribution
// functions, so that a move of the engine's statistics code touches one include.
#include "engine/commands/statistics/distributions.h"
#include "graphing/model/graph_functions.h"

#include <limits>
#include <span>

namespace zentrix::graphing {

int DistributionArity(int id) {
  const engine::DistributionInfo* info = engine::FindDistribution(id);
  return info ? info->arity : -1;
}

double EvaluateDistribution(int id, const double* args, int count) {
  const engine::DistributionInfo* info = engine::FindDistribution(id);
  if (!info || count < 0) return std::numeric_limits<double>::quiet_NaN();
  const engine::DistributionResult r = engine::EvaluateDistribution(
      info->id, std::span<const double>(args, static_cast<std::size_t>(count)));
  return r.ok() ? r.value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace zentrix::graphing
