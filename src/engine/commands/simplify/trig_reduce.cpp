#include "engine/commands/simplify/trig_reduce.h"

#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// A product of more sine and cosine factors than this is left alone: the sum
// it expands to would be too long to be useful.
constexpr int kMaxFactors = limits::kTrigReduceFactors;
constexpr std::size_t kMaxTerms = limits::kTrigReduceTerms;

enum class Wave { kConstant, kSin, kCos };

// coefficient·sin(argument), coefficient·cos(argument) or a constant.
struct WaveTerm {
  Number coefficient;
  Wave wave;
  ExprNode argument;
};

using WaveSum = std::vector<WaveTerm>;

void AddTerm(WaveSum& sum, const Number& c, Wave wave, ExprNode argument) {
  if (wave != Wave::kConstant && argument.IsNumber() && argument.coefficient().IsZero()) {
    if (wave == Wave::kSin) return;  // sin(0) = 0
    wave = Wave::kConstant;          // cos(0) = 1
  }
  if (wave == Wave::kConstant) argument = ExprNode::Zero();
  for (WaveTerm& t : sum) {
    if (t.wave == wave && t.argument == argument) {
      t.coefficient = Add(t.coefficient, c);
      return;
    }
  }
  sum.push_back(WaveTerm{c, wave, std::move(argument)});
}

// sum · wave(u), by the product-to-sum formulas.
WaveSum MultiplyByWave(const WaveSum& sum, Wave wave, const ExprNode& u) {
  const Number half = Number::Ratio(1, 2);
  WaveSum out;
  for (const WaveTerm& t : sum) {
    const Number c = t.coefficient;
    const Number h = Multiply(c, half);
    if (t.wave == Wave::kConstant) {
      AddTerm(out, c, wave, u);
      continue;
    }
    ExprNode plus = AddTrees(t.argument, u);
    ExprNode minus = SubtractTrees(t.argument, u);
    const bool a_sin = t.wave == Wave::kSin;
    const bool b_sin = wave == Wave::kSin;
    if (a_sin && b_sin) {  // sin a sin b = (cos(a-b) - cos(a+b))/2
      AddTerm(out, h, Wave::kCos, std::move(minus));
      AddTerm(out, Negate(h), Wave::kCos, std::move(plus));
    } else if (!a_sin && !b_sin) {  // cos a cos b = (cos(a-b) + cos(a+b))/2
      AddTerm(out, h, Wave::kCos, std::move(minus));
      AddTerm(out, h, Wave::kCos, std::move(plus));
    } else if (a_sin) {  // sin a cos b = (sin(a+b) + sin(a-b))/2
      AddTerm(out, h, Wave::kSin, std::move(plus));
      AddTerm(out, h, Wave::kSin, std::move(minus));
    } else {  // cos a sin b = (sin(a+b) - sin(a-b))/2
      AddTerm(out, h, Wave::kSin, std::move(plus));
      AddTerm(out, Negate(h), Wave::kSin, std::move(minus));
    }
  }
  return out;
}

// A factor sin(u)^k or cos(u)^k of a product, with a positive integer k.
struct WaveFactor {
  Wave wave;
  const ExprNode* argument;
  int count;
  Number coefficient;  // of the function node itself
};

std::optional<WaveFactor> AsWaveFactor(const ExprNode& op) {
  const ExprNode* f = &op;
  int count = 1;
  if (op.IsOperandPower()) {
    const Number& e = op.coefficient();
    if (!e.IsInteger() || !e.GreaterThan(0) || e.GreaterThan(kMaxFactors)) return std::nullopt;
    count = static_cast<int>(e.RealValue());
    f = &op.Operand(0);
  }
  if (!f->IsUnaryFunction()) return std::nullopt;
  if (!f->IsFunction(id::kSin) && !f->IsFunction(id::kCos)) return std::nullopt;
  Number c = f->coefficient();
  if (count > 1) c = Power(c, Number(static_cast<double>(count)));
  return WaveFactor{f->IsFunction(id::kSin) ? Wave::kSin : Wave::kCos, &f->Operand(0), count, c};
}

ExprNode ToTree(const WaveSum& sum) {
  std::vector<ExprNode> terms;
  for (const WaveTerm& t : sum) {
    if (t.coefficient.IsZero()) continue;
    terms.push_back(
        t.wave == Wave::kConstant
            ? ExprNode::MakeNumber(t.coefficient)
            : MultiplyNumber(ApplyFunction(t.wave == Wave::kSin ? id::kSin : id::kCos, t.argument),
                             t.coefficient));
  }
  return SumOfTrees(std::move(terms));
}

// The node itself (operands already reduced): a product or power holding at
// least two sine or cosine factors becomes a sum.
std::optional<ExprNode> ReduceNode(const ExprNode& node) {
  std::vector<WaveFactor> waves;
  ExprNode rest = ExprNode::MakeNumber(Number(1.0));
  int total = 0;
  if (node.IsOperandPower()) {
    std::optional<WaveFactor> w = AsWaveFactor(node);
    if (!w) return std::nullopt;
    waves.push_back(*w);
    total = w->count;
  } else if (node.IsProduct()) {
    rest = ExprNode::MakeNumber(node.coefficient());
    for (const SymbolTerm& t : node.terms())
      rest = MultiplyTrees(std::move(rest), ExprNode::MakeTerm(t));
    for (const ExprNode& op : node.operands()) {
      if (std::optional<WaveFactor> w = AsWaveFactor(op)) {
        waves.push_back(*w);
        total += w->count;
      } else {
        rest = MultiplyTrees(std::move(rest), op);
      }
    }
  } else {
    return std::nullopt;
  }
  if (total < 2 || total > kMaxFactors) return std::nullopt;
  WaveSum sum{WaveTerm{Number(1.0), Wave::kConstant, ExprNode::Zero()}};
  for (const WaveFactor& w : waves) {
    for (int k = 0; k < w.count; ++k) {
      sum = MultiplyByWave(sum, w.wave, *w.argument);
      if (sum.size() > kMaxTerms) return std::nullopt;
    }
    for (WaveTerm& t : sum) t.coefficient = Multiply(t.coefficient, w.coefficient);
  }
  // The other factors multiply each term of the sum.
  ExprNode result = ExprNode::Zero();
  for (const WaveTerm& t : sum) {
    if (t.coefficient.IsZero()) continue;
    result = AddTrees(std::move(result), MultiplyTrees(rest, ToTree(WaveSum{t})));
  }
  return result;
}

ExprNode Reduce(const ExprNode& f);

// A sine or cosine factor of a product (or a power of one) keeps its shape, so
// that the product sees all its factors; only its argument is reduced.
ExprNode ReduceWaveArgument(const ExprNode& factor) {
  ExprNode copy = factor;
  ExprNode& function = copy.IsOperandPower() ? copy.Operand(0) : copy;
  ExprNode argument = Reduce(function.Operand(0));
  if (argument == function.Operand(0)) return factor;
  function.Operand(0) = std::move(argument);
  CanonicalizeBuilt(function);
  if (copy.IsPower()) CanonicalizeBuilt(copy);
  return copy;
}

ExprNode Reduce(const ExprNode& f) {
  DepthGuard guard;
  if (!guard.ok() || f.IsPlain()) return f;
  ExprNode node = f;
  bool changed = false;
  const bool product = node.IsProduct();
  for (ExprNode& op : node.mutable_operands()) {
    ExprNode reduced = product && AsWaveFactor(op) ? ReduceWaveArgument(op) : Reduce(op);
    if (!(reduced == op)) {
      op = std::move(reduced);
      changed = true;
    }
  }
  if (changed) CanonicalizeBuilt(node);
  if (std::optional<ExprNode> reduced = ReduceNode(node)) return std::move(*reduced);
  return node;
}

}  // namespace

ExprNode TrigReduce(const ExprNode& f) { return Reduce(f); }

std::optional<CommandOutcome> TrigReduceAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  return CommandOutcome::Value(TrigReduce(arguments[0]));
}

}  // namespace zentrix::engine
