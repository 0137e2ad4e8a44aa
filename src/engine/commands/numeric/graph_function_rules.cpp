#include "engine/commands/numeric/graph_function_rules.h"

#include <cmath>
#include <optional>
#include <vector>

#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/numeric/special_functions.h"

namespace zentrix::engine {
namespace {

using rule::Code;

std::optional<std::vector<double>> RealValues(const CommandArgs& a) {
  std::vector<double> values;
  for (const ExprNode& arg : a) {
    if (!arg.IsRealNumber()) return std::nullopt;
    values.push_back(arg.coefficient().RealValue());
  }
  return values;
}

CommandOutcome Value(double d) { return CommandOutcome::Value(ExprNode::MakeNumber(Number(d))); }

// n!/(n-r)! (with `choose`, also divided by r!): exact products for integers,
// the gamma function otherwise; 0 when n < r.
double Arrangements(double n, double r, bool choose) {
  if (n < r) return 0.0;
  if (n == std::trunc(n) && r == std::trunc(r) && r >= 0 && r <= 1000) {
    double value = 1.0;
    for (double k = 0; k < r; ++k) {
      value *= (n - k);
      if (choose) value /= (k + 1);
    }
    return choose ? std::round(value) : value;
  }
  double value = FactorialOperator(n) / FactorialOperator(n - r);
  return choose ? value / FactorialOperator(r) : value;
}

double Wavelet(double a) {
  if (a >= 0.0 && a <= 0.5) return 1.0;
  if (a > 0.5 && a <= 1.0) return -1.0;
  return 0.0;
}

// The real values of exactly `count` real arguments.
std::optional<std::vector<double>> RealArguments(const CommandArgs& a, std::size_t count) {
  std::optional<std::vector<double>> v = RealValues(a);
  if (!v || v->size() != count) return std::nullopt;
  return v;
}

}  // namespace

CommandOutcome PermutationsRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 2);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value(Arrangements((*v)[0], (*v)[1], false));
}

CommandOutcome CombinationsRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 2);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value(Arrangements((*v)[0], (*v)[1], true));
}

// atan2(a, b): the angle of the point (a, b).
CommandOutcome Atan2Rule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 2);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value(ArctangentOf((*v)[1], (*v)[0]));
}

CommandOutcome WaveRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 3);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value(std::pow(2.0, (*v)[0] / 2.0) * Wavelet(std::pow(2.0, (*v)[0]) * (*v)[2] - (*v)[1]));
}

CommandOutcome WaveletRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 1);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value(Wavelet((*v)[0]));
}

CommandOutcome UnitStepRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 1);
  if (!v) return Code(EngineError::kBadSyntax);
  return Value((*v)[0] >= 0.0 ? 1.0 : 0.0);
}

}  // namespace zentrix::engine
