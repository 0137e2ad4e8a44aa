#include "engine/commands/calculus/nintegrate.h"

#include <cmath>
#include <string>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

std::optional<CommandOutcome> NumericIntegralAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const ExprNode& f = arguments[0];
  if (f.IsList()) return CommandOutcome::Refused();
  const std::u16string x(arguments[1].VariableName());
  std::optional<double> value = calculus::NumericIntegral(f, x, arguments[2], arguments[3]);
  if (!value) return CommandOutcome::Refused();
  return CommandOutcome::Value(calculus::Num(*value));
}

}  // namespace zentrix::engine
