#include "engine/commands/calculus/series.h"

#include <string>
#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/definite_integral.h"
#include "engine/commands/calculus/derivative.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::Num;

// Orders beyond these are refused: 171! is beyond binary64, so every later
// Taylor coefficient would come out as 0; and a Fourier polynomial of higher
// order would be too large to be of use.
constexpr double kMaxSeriesOrder = limits::kSeriesOrder;
constexpr double kMaxFourierOrder = limits::kFourierOrder;

CommandOutcome TooLarge() { return CommandOutcome::Fail(calculus::kResultTooLarge); }

// A value that is not finite makes the series fail.
bool Undefined(const ExprNode& v) { return HasOverflow(v) || calculus::HasUndefinedPart(v); }

ExprNode Pi(const Number& c) { return MakeTermNode(std::u16string(1, chars::kPi), c, Number(1.0)); }

}  // namespace

std::optional<CommandOutcome> SeriesAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const ExprNode& f0 = arguments[0];
  const std::u16string x(arguments[1].VariableName());
  const ExprNode& x0 = arguments[2];
  const double n = arguments[3].coefficient().RealValue();
  if (f0.IsList() || n < 0) return CommandOutcome::Refused();
  if (n > kMaxSeriesOrder) return TooLarge();
  // (x − x0), or x itself at 0.
  const ExprNode shift = SubtractTrees(calculus::Var(x), x0);
  ExprNode f = f0;
  ExprNode value = calculus::AtPoint(f, x, x0);
  if (Undefined(value)) return CommandOutcome::Refused();
  ExprNode result = std::move(value);
  for (int i = 1; i <= static_cast<int>(n); ++i) {
    std::optional<ExprNode> d;
    try {
      d = DifferentiateOrThrow(f, x);
    } catch (const ResultTooLarge&) {
      return TooLarge();
    }
    if (!d || HasCommandFault()) return CommandOutcome::Refused();
    f = std::move(*d);
    if (calculus::TreeSize(f, calculus::kMaxResultSize) > calculus::kMaxResultSize)
      return TooLarge();
    std::optional<Number> factorial = Factorial(Number(static_cast<double>(i)));
    if (!factorial) return CommandOutcome::Refused();
    ExprNode c = MultiplyNumber(calculus::AtPoint(f, x, x0), Divide(Number(1.0), *factorial));
    if (Undefined(c)) return CommandOutcome::Refused();
    ExprNode term = MultiplyTrees(std::move(c), PowerNumber(shift, Number(static_cast<double>(i))));
    result = AddTrees(std::move(result), std::move(term));
  }
  return CommandOutcome::Value(std::move(result));
}

std::optional<CommandOutcome> FourierSeriesAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const ExprNode& f = arguments[0];
  const std::u16string x(arguments[1].VariableName());
  const double n = arguments[2].coefficient().RealValue();
  if (f.IsList()) return CommandOutcome::Refused();
  if (n > kMaxFourierOrder) return TooLarge();
  const ExprNode lower = Pi(Number(-1.0));
  const ExprNode upper = Pi(Number(1.0));
  // The definite integral, or the Integrate call when there is none.
  auto integral = [&](const ExprNode& g) {
    if (std::optional<ExprNode> v = DefiniteIntegral(g, x, lower, upper)) return std::move(*v);
    return MakeCall(id::kIntegrate, {g, calculus::Var(x), lower, upper});
  };
  const ExprNode inverse_pi =
      MakeTermNode(std::u16string(1, chars::kPi), Number(1.0), Number(-1.0));
  ExprNode result = MultiplyTrees(MultiplyNumber(inverse_pi, Number::Ratio(1, 2)), integral(f));
  for (int k = 1; k <= static_cast<int>(n); ++k) {
    const ExprNode kx = MakeTermNode(x, Number(static_cast<double>(k)), Number(1.0));
    const ExprNode cos_kx = ApplyFunction(id::kCos, kx);
    const ExprNode sin_kx = ApplyFunction(id::kSin, kx);
    ExprNode a = MultiplyTrees(inverse_pi, integral(MultiplyTrees(f, cos_kx)));
    ExprNode b = MultiplyTrees(inverse_pi, integral(MultiplyTrees(f, sin_kx)));
    result = AddTrees(std::move(result), MultiplyTrees(std::move(a), cos_kx));
    result = AddTrees(std::move(result), MultiplyTrees(std::move(b), sin_kx));
    if (HasCommandFault() ||
        calculus::TreeSize(result, calculus::kMaxResultSize) > calculus::kMaxResultSize) {
      return TooLarge();
    }
  }
  return CommandOutcome::Value(Expand(result));
}

}  // namespace zentrix::engine
