#include "engine/commands/sum_product.h"

#include <string>
#include <utility>

#include "engine/commands/calculus_support.h"
#include "engine/commands/commands_state.h"
#include "engine/commands/tree_arithmetic.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

std::optional<CommandOutcome> SumOrProductAlgorithm(std::vector<ExprNode>& arguments,
                                                    bool product) {
  RaiseRewriteFlag();
  const ExprNode& f = arguments[0];
  if (f.IsList()) return CommandOutcome::Refused();
  const std::u16string x(arguments[1].VariableName());
  const double low = arguments[2].coefficient().RealValue();
  const double high = arguments[3].coefficient().RealValue();
  ExprNode acc = calculus::Num(product ? 1.0 : 0.0);
  if (high < low) return CommandOutcome::Value(std::move(acc));
  if (high - low + 1 > kMaxRangeLength) return CommandOutcome::Fail(calculus::kRangeTooLarge);
  for (double k = low; k <= high; ++k) {
    ExprNode value = calculus::AtPoint(f, x, calculus::Num(k));
    acc = product ? MultiplyTrees(std::move(acc), std::move(value))
                  : AddTrees(std::move(acc), std::move(value));
    if (HasCommandFault()) return CommandOutcome::Refused();
    if (calculus::TreeSize(acc, calculus::kMaxResultSize) > calculus::kMaxResultSize) {
      return CommandOutcome::Fail(calculus::kResultTooLarge);
    }
  }
  return CommandOutcome::Value(std::move(acc));
}

std::optional<CommandOutcome> SumAlgorithm(std::vector<ExprNode>& arguments) {
  return SumOrProductAlgorithm(arguments, false);
}

std::optional<CommandOutcome> ProductAlgorithm(std::vector<ExprNode>& arguments) {
  return SumOrProductAlgorithm(arguments, true);
}

}  // namespace zentrix::engine
