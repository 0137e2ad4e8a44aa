#include "engine/commands/simplify/canonicalize.h"

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

// Every rewrite makes the node strictly simpler, so the fixed point comes
// within a few cycles plus one for each part (some passes rewrite one pair of
// parts per cycle); the bound only guards against a rule pair that undoes itself.
constexpr std::size_t kMaxCycles = limits::kSimplifierCycles;

// The steps that settle a node before (or instead of) the pass loop. Answers
// true when the node is final.
bool SettleBeforePasses(ExprNode& node) {
  if (node.IsNumber()) return true;
  if (std::optional<Number> value = EvaluateRoundingFunction(node)) {
    node = ExprNode::MakeNumber(*value);
    return true;
  }
  if ((node.IsSum() || node.IsProduct()) && node.OperandCount() == 0 &&
      node.coefficient().IsInfinity()) {
    node = ExprNode::MakeNumber(node.coefficient());
    return true;
  }
  if (node.IsPower() && node.OperandCount() == 2 && node.Operand(0).IsNumber() &&
      node.Operand(1).IsNumber()) {
    // a^b with exponent e folds to a^(b^e).
    Number acc = node.coefficient();
    for (std::size_t i = node.OperandCount(); i-- > 0;) {
      acc = Power(node.Operand(i).coefficient(), acc);
    }
    node = ExprNode::MakeNumber(acc);
    return true;
  }
  return node.IsList();
}

}  // namespace

void CanonicalizeBuilt(ExprNode& node) {
  DepthGuard guard;
  if (!guard.ok()) return;
  // The passes walk every part of the node: building a large node one part at
  // a time costs quadratic work, which the budget must see.
  const std::size_t parts = node.TermCount() + node.OperandCount();
  for (std::size_t cycle = 0; cycle < kMaxCycles + parts; ++cycle) {
    if (!CountWork(node.TermCount() + node.OperandCount())) return;
    if (SettleBeforePasses(node)) return;
    bool changed = CollectLikeOperands(node);
    changed = ApplyBasicRules(node) || changed;
    changed = MergeSymbolTerms(node) || changed;
    changed = ApplyTrigIdentities(node) || changed;
    ApplySpecialValues(node);
    if (!changed) break;
    RaiseRewriteFlag();
  }
  SortParts(node);
}

void Canonicalize(ExprNode& node) {
  DepthGuard guard;
  if (!guard.ok()) return;
  for (ExprNode& op : node.mutable_operands()) Canonicalize(op);
  CanonicalizeBuilt(node);
}

void InstallCanonicalizer() { Engine().canonicalize = &CanonicalizeBuilt; }

}  // namespace zentrix::engine
