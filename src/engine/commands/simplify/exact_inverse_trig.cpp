#include "engine/commands/simplify/exact_inverse_trig.h"

#include <cmath>
#include <numeric>
#include <string>

#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/exact_trig_values.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// The circular function whose inverse f is, or kNoFunction.
int ForwardOf(int f) {
  if (!IsInFamily(f, FunctionFamily::kInverseCircular)) return kNoFunction;
  return FindElementaryFacts(f)->inverse;
}

// Arguments that can be table values: numbers and products and powers of
// numbers, without symbols or decimals.
bool MayBeTableValue(const ExprNode& u) {
  if (u.IsList() || u.IsAnyFunction()) return false;
  std::vector<const ExprNode*> pending{&u};
  while (!pending.empty()) {
    const ExprNode* n = pending.back();
    pending.pop_back();
    if (!n->terms().empty() || n->IsAnyFunction() || n->IsList()) return false;
    if (!n->coefficient().IsReal() || n->coefficient().IsDecimal()) return false;
    for (const ExprNode& op : n->operands()) pending.push_back(&op);
  }
  return true;
}

// One twelfth of a half turn in the angle unit.
double Step() { return AngleInDegrees() ? 15.0 : M_PI / 12; }

ExprNode Angle(long long twelfths) {
  if (AngleInDegrees()) return ExprNode::MakeNumber(Number(15.0 * static_cast<double>(twelfths)));
  const Number c = Number::Ratio(static_cast<double>(twelfths), 12.0);
  if (c.IsZero()) return ExprNode::Zero();
  return MakeTermNode(std::u16string(1, chars::kPi), c, Number(1.0));
}

// u is the table value v, written as (n/d)·√m or as (n·m/d)/√m.
bool IsTableValue(const ExactTrigValue& v, const ExprNode& u) {
  if (ExactTrigValueTree(v.numerator, v.denominator, v.root, false) == u) return true;
  if (v.root == 1) return false;
  // Building the second form reduces numbers; a comparison is no rewrite of
  // the entry, so the flag stays as it was.
  const bool rewritten = RewriteFlag();
  ExprNode reciprocal_root =
      PowerNumber(ExprNode::MakeNumber(Number(static_cast<double>(v.root))), Number::Ratio(-1, 2));
  const bool same = MultiplyNumber(std::move(reciprocal_root),
                                   Number::Ratio(v.numerator * v.root, v.denominator)) == u;
  if (!rewritten) ClearRewriteFlag();
  return same;
}

}  // namespace

ExprNode ExactTrigValueTree(int numerator, int denominator, int root, bool pole) {
  if (pole) return ExprNode::MakeNumber(Number::ComplexInfinity());
  Number ratio = Number::Ratio(numerator, denominator);
  if (root == 1) return ExprNode::MakeNumber(ratio);
  ExprNode surd = ExprNode::MakePower(Number::Ratio(1.0, 2.0));
  surd.AddOperand(ExprNode::MakeNumber(Number(static_cast<double>(root))));
  return MultiplyNumber(std::move(surd), ratio);
}

std::optional<ExprNode> ExactInverseTrigAt(int f, const ExprNode& u) {
  const int forward = ForwardOf(f);
  if (forward < 0 || !MayBeTableValue(u)) return std::nullopt;
  for (long long step = 0; step < 24; ++step) {
    const long long g = std::gcd(step, 12LL);
    std::optional<ExactTrigValue> v = ExactTrigAt(forward, step / g, 12 / g);
    if (!v || v->pole) continue;
    if (!IsTableValue(*v, u)) continue;
    // u is the table's value at step·π/12; the inverse function's own branch
    // decides which of the angles with that value it gives.
    const double value = v->numerator * std::sqrt(static_cast<double>(v->root)) / v->denominator;
    std::optional<Number> angle = EvaluateFunctionNumerically(f, Number(value));
    if (!angle || !angle->IsReal()) return std::nullopt;
    const double steps = angle->RealValue() / Step();
    const double nearest = std::round(steps);
    if (std::fabs(steps - nearest) > 1e-9) return std::nullopt;
    return Angle(static_cast<long long>(nearest));
  }
  return std::nullopt;
}

}  // namespace zentrix::engine
