#include "engine/commands/calculus/nintegrate.h"

#include <cmath>
#include <string>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/numeric/gauss_legendre.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

std::optional<CommandOutcome> NumericIntegralAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const ExprNode& f = arguments[0];
  if (f.IsList()) return CommandOutcome::Refused();
  const std::u16string x(arguments[1].VariableName());
  const double a = arguments[2].coefficient().RealValue();
  const double b = arguments[3].coefficient().RealValue();
  if (!std::isfinite(a) || !std::isfinite(b)) return CommandOutcome::Refused();
  std::optional<double> value =
      TryGaussLegendreIntegrate(a, b, [&](double t) -> std::optional<double> {
        std::optional<Number> v = calculus::NumericValueAt(f, x, t);
        if (!v || !v->IsReal()) return std::nullopt;
        return v->RealValue();
      });
  if (!value || !std::isfinite(*value)) return CommandOutcome::Refused();
  return CommandOutcome::Value(calculus::Num(*value));
}

}  // namespace zentrix::engine
