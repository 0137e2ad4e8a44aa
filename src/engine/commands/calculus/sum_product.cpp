#include "engine/commands/calculus/sum_product.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/exact_range.h"
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/exact_accumulator.h"
#include "engine/commands/calculus/sum_closed_form.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

namespace {

// The running sum or product of the values. Values are gathered and merged
// with the result so far each time the gathered part has grown as large as
// the merged part: merging one value at a time would compare it with every
// operand so far, quadratic work in the number of values.
class Accumulator {
 public:
  explicit Accumulator(bool product)
      : product_(product), node_(ExprNode::MakeNumber(Number(product ? 1.0 : 0.0))) {}

  // Both throw ResultTooLarge when the merged result has grown too large.
  void Add(ExprNode value) {
    gathered_size_ += calculus::TreeSize(value, calculus::kMaxResultSize);
    gathered_.push_back(std::move(value));
    if (gathered_size_ < std::max<std::size_t>(kFirstMerge, merged_size_)) return;
    Merge();
  }

  void Merge() {
    if (!gathered_.empty()) {
      gathered_.push_back(std::move(node_));
      node_ = product_ ? ProductOfTrees(std::move(gathered_)) : SumOfTrees(std::move(gathered_));
      gathered_.clear();
    }
    gathered_size_ = 0;
    merged_size_ = calculus::TreeSize(node_, calculus::kMaxResultSize);
    if (merged_size_ > calculus::kMaxResultSize) throw ResultTooLarge();
  }

  ExprNode Take() { return std::move(node_); }

 private:
  static constexpr std::size_t kFirstMerge = 64;
  bool product_;
  ExprNode node_;
  std::vector<ExprNode> gathered_;
  std::size_t gathered_size_ = 0;
  std::size_t merged_size_ = 0;
};

// Every number of the tree well inside the range where binary64 holds
// integers exactly (2^50, with room for the larger values the closed forms
// pass through): a sum beyond it would come out silently rounded.
bool WellInsideExactRange(const ExprNode& tree) {
  constexpr double kLimit = 1125899906842624.0;  // 2^50
  auto fits = [](const Number& n) {
    return std::fabs(n.RealNumerator()) < kLimit && std::fabs(n.RealDenominator()) < kLimit &&
           std::fabs(n.ImagNumerator()) < kLimit && std::fabs(n.ImagDenominator()) < kLimit;
  };
  if (!fits(tree.coefficient())) return false;
  for (const SymbolTerm& t : tree.terms()) {
    if (!fits(t.coefficient) || !fits(t.exponent)) return false;
  }
  for (const ExprNode& op : tree.operands()) {
    if (!WellInsideExactRange(op)) return false;
  }
  return true;
}

}  // namespace

std::optional<CommandOutcome> SumOrProductAlgorithm(std::vector<ExprNode>& arguments,
                                                    bool product) {
  RaiseRewriteFlag();
  const ExprNode& f = arguments[0];
  if (f.IsList()) return CommandOutcome::Refused();
  const std::u16string x(arguments[1].VariableName());
  const bool integer_bounds = arguments[2].IsInteger() && arguments[3].IsInteger();
  if (!integer_bounds) {
    // A symbolic or infinite bound (Sum only).
    if (product) return CommandOutcome::Refused();
    std::optional<ExprNode> closed = calculus::ClosedFormSum(f, x, arguments[2], arguments[3]);
    if (HasCommandFault()) return CommandOutcome::Refused();
    if (!closed) return CommandOutcome::Fail(kNoClosedForm);
    return CommandOutcome::Value(std::move(*closed));
  }
  const double low = arguments[2].coefficient().RealValue();
  const double high = arguments[3].coefficient().RealValue();
  Accumulator acc(product);
  if (high < low) return CommandOutcome::Value(acc.Take());
  if (high - low + 1 > kMaxRangeLength) {
    // Too many values to add up; a closed form may still give the sum.
    if (!product) {
      std::optional<ExprNode> closed = calculus::ClosedFormSum(f, x, arguments[2], arguments[3]);
      if (HasCommandFault()) return CommandOutcome::Refused();
      if (closed && WellInsideExactRange(*closed)) return CommandOutcome::Value(std::move(*closed));
    }
    return CommandOutcome::Fail(calculus::kRangeTooLarge);
  }
  calculus::ExactAccumulator exact(product);
  try {
    for (double k = low; k <= high; ++k) {
      ExprNode value = calculus::AtPoint(f, x, calculus::Num(k));
      if (HasCommandFault() || !CountWork()) return CommandOutcome::Refused();
      exact.Add(value);
      acc.Add(std::move(value));
    }
    acc.Merge();
  } catch (const ResultTooLarge&) {
    // A fault met in the last merge outweighs the size.
    if (HasCommandFault()) return CommandOutcome::Refused();
    return CommandOutcome::Fail(calculus::kResultTooLarge);
  }
  if (HasCommandFault()) return CommandOutcome::Refused();
  try {
    // A sum or product of exact numbers is the exact value, not the one
    // that Number arithmetic rounded on the way.
    if (std::optional<Number> value = exact.Result()) {
      return CommandOutcome::Value(ExprNode::MakeNumber(*value));
    }
  } catch (const ExactRangeExceeded&) {
    return CommandOutcome::Fail(kExactRangeMessage);
  }
  return CommandOutcome::Value(acc.Take());
}

std::optional<CommandOutcome> SumAlgorithm(std::vector<ExprNode>& arguments) {
  return SumOrProductAlgorithm(arguments, false);
}

std::optional<CommandOutcome> ProductAlgorithm(std::vector<ExprNode>& arguments) {
  return SumOrProductAlgorithm(arguments, true);
}

}  // namespace zentrix::engine
