#include "engine/commands/numeric/graph_function_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/commands/base/exact_range.h"
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

// n!/(n-r)! (with `choose`, also divided by r!) for integers 0 ≤ r ≤ n ≤ 2^53,
// in exact integer arithmetic; nullopt when the value is beyond the exact
// range, where binary64 would round it.
std::optional<double> ExactArrangements(double n, double r, bool choose) {
  using Wide = unsigned __int128;
  const Wide limit = static_cast<Wide>(kExactIntegerLimit);
  const std::uint64_t top = static_cast<std::uint64_t>(n);
  std::uint64_t steps = static_cast<std::uint64_t>(r);
  // C(n, r) = C(n, n − r); with r ≤ n/2 every partial product
  // C(n, k) grows with k, so each stays below the final value.
  if (choose) steps = std::min(steps, top - steps);
  Wide value = 1;
  for (std::uint64_t k = 0; k < steps; ++k) {
    value *= top - k;
    if (choose) value /= k + 1;  // C(n, k)·(n − k) is divisible by k + 1
    if (value > limit) return std::nullopt;
  }
  return static_cast<double>(value);
}

// n!/(n-r)! (with `choose`, also divided by r!): exact products for integers,
// the gamma function otherwise; 0 when n < r; nullopt for an integer value
// beyond the exact range.
std::optional<double> Arrangements(double n, double r, bool choose) {
  if (n < r) return 0.0;
  if (n == std::trunc(n) && r == std::trunc(r) && r >= 0 && n <= kExactIntegerLimit) {
    return ExactArrangements(n, r, choose);
  }
  double value = FactorialOperator(n) / FactorialOperator(n - r);
  return choose ? value / FactorialOperator(r) : value;
}

CommandOutcome ArrangementsValue(std::optional<double> value) {
  if (!value) return CommandOutcome::Fail(kExactRangeMessage);
  return Value(*value);
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
  return ArrangementsValue(Arrangements((*v)[0], (*v)[1], false));
}

CommandOutcome CombinationsRule(const CommandCall&, CommandArgs a) {
  std::optional<std::vector<double>> v = RealArguments(a, 2);
  if (!v) return Code(EngineError::kBadSyntax);
  return ArrangementsValue(Arrangements((*v)[0], (*v)[1], true));
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
