#include "engine/commands/calculus/derivative.h"

#include <array>
#include <cmath>
#include <string>
#include <unordered_map>
#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/simplify/trig_reduce.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::FreeOf;
using calculus::Num;

// The quotient rule expands and reduces its numerator; beyond this size the
// work would be out of proportion, and the derivative is given up as too large
// (ResultTooLarge).
constexpr std::size_t kMaxQuotientSize = limits::kDerivativeQuotientSize;

ExprNode Fn(int f, const ExprNode& u) { return ApplyFunction(f, u); }
ExprNode Neg(ExprNode a) { return NegateTree(std::move(a)); }
ExprNode Mul(ExprNode a, ExprNode b) { return MultiplyTrees(std::move(a), std::move(b)); }
ExprNode InverseRoot(ExprNode a) { return PowerNumber(std::move(a), Number::Ratio(-1, 2)); }
ExprNode Sq(const ExprNode& u) { return PowerNumber(u, Number(2.0)); }
ExprNode Reciprocal(ExprNode a) { return PowerNumber(std::move(a), Number(-1.0)); }
// 1 - u^2 and u^2 + 1.
ExprNode OneMinusSquare(const ExprNode& u) { return SubtractTrees(Num(1.0), Sq(u)); }
ExprNode SquarePlusOne(const ExprNode& u) { return AddNumber(Sq(u), Number(1.0)); }
// u^2·sqrt(1 - u^-2), the denominator of the derivatives of asec and acsc.
ExprNode SecantRoot(const ExprNode& u) {
  return Mul(Sq(u), SquareRootTree(SubtractTrees(Num(1.0), PowerNumber(u, Number(-2.0)))));
}

class Differentiator {
 public:
  explicit Differentiator(std::u16string_view x) : x_(x) {}

  std::optional<ExprNode> Of(const ExprNode& f, bool allow_quotient = true) {
    DepthGuard guard;
    if (!guard.ok()) return std::nullopt;
    if (f.IsList()) return List(f);
    if (FreeOf(f, x_)) return ExprNode::Zero();
    if (f.IsSum()) return Sum(f);
    if (f.IsProduct()) return Product(f, allow_quotient);
    if (f.IsPower()) return Power(f);
    if (f.IsAnyFunction()) return Function(f);
    return std::nullopt;
  }

 private:
  std::optional<ExprNode> List(const ExprNode& f) {
    ExprNode result(f.kind(), f.coefficient());
    for (const ExprNode& element : f.operands()) {
      std::optional<ExprNode> d = Of(element);
      if (!d) return std::nullopt;
      result.AddOperand(std::move(*d));
    }
    return result;
  }

  // The constant term vanishes, c·x^e gives (c·e)·x^(e-1), terms in other
  // names vanish, operands are differentiated.
  std::optional<ExprNode> Sum(const ExprNode& f) {
    std::vector<ExprNode> parts;
    for (const SymbolTerm& t : f.terms()) {
      if (t.name != x_) continue;
      parts.push_back(MakeTermNode(t.name, Multiply(t.coefficient, t.exponent),
                                   Subtract(t.exponent, Number(1.0))));
    }
    for (const ExprNode& op : f.operands()) {
      std::optional<ExprNode> d = Of(op);
      if (!d) return std::nullopt;
      parts.push_back(std::move(*d));
    }
    return SumOfTrees(std::move(parts));
  }

  std::optional<ExprNode> Product(const ExprNode& f, bool allow_quotient) {
    // Factors free of x are carried along as one constant.
    ExprNode constant = Num(f.coefficient());
    std::vector<ExprNode> factors;
    for (const SymbolTerm& t : f.terms()) {
      ExprNode term = MakeTermNode(t.name, t.coefficient, t.exponent);
      if (t.name == x_) {
        factors.push_back(std::move(term));
      } else {
        constant = Mul(std::move(constant), std::move(term));
      }
    }
    for (const ExprNode& op : f.operands()) {
      if (FreeOf(op, x_)) {
        constant = Mul(std::move(constant), op);
      } else {
        factors.push_back(op);
      }
    }
    if (factors.empty()) return ExprNode::Zero();
    if (factors.size() == 1) {
      std::optional<ExprNode> d = Of(factors[0]);
      if (!d) return std::nullopt;
      return Mul(std::move(constant), std::move(*d));
    }
    if (allow_quotient) {
      Fraction split = SplitFraction(ProductOfTrees(factors));
      if (!(split.denominator.IsNumber() && split.denominator.coefficient().IsOne())) {
        std::optional<ExprNode> q = Quotient(split.numerator, split.denominator);
        if (!q) return std::nullopt;
        return Mul(std::move(constant), std::move(*q));
      }
    }
    // The product rule: the sum over the factors of f_i' times the others.
    // Its size grows with the square of the number of factors.
    if (factors.size() * factors.size() > calculus::kMaxResultSize) throw ResultTooLarge();
    std::vector<ExprNode> terms;
    for (std::size_t i = 0; i < factors.size(); ++i) {
      std::optional<ExprNode> d = Of(factors[i]);
      if (!d) return std::nullopt;
      std::vector<ExprNode> parts{std::move(*d)};
      for (std::size_t j = 0; j < factors.size(); ++j) {
        if (j != i) parts.push_back(factors[j]);
      }
      terms.push_back(ProductOfTrees(std::move(parts)));
    }
    return Mul(std::move(constant), SumOfTrees(std::move(terms)));
  }

  // (n'·d − n·d')/d², numerator and denominator rewritten by TrigReduce, the
  // numerator expanded (before TrigReduce too, so that every product of sines
  // and cosines is in sight), and a common power of x taken out of both.
  std::optional<ExprNode> Quotient(const ExprNode& n, const ExprNode& d) {
    std::optional<ExprNode> dn = Of(n, false);
    if (!dn) return std::nullopt;
    std::optional<ExprNode> dd = Of(d, false);
    if (!dd) return std::nullopt;
    // With d = u^k the common factor u^(k-1) is left out at once:
    // (n'·u − k·n·u')/u^(k+1). Squaring the denominator instead would double its
    // power with every repeated derivative.
    ExprNode u = d;
    Number k(1.0);
    if (d.IsOperandPower() && d.coefficient().IsReal() && d.coefficient().GreaterThan(1)) {
      u = d.Operand(0);
      k = d.coefficient();
      std::optional<ExprNode> du = Of(u);
      if (!du) return std::nullopt;
      dd = std::move(*du);
    }
    ExprNode numerator =
        SubtractTrees(Mul(std::move(*dn), u), MultiplyNumber(Mul(n, std::move(*dd)), k));
    if (calculus::TreeSize(numerator, kMaxQuotientSize) > kMaxQuotientSize) {
      throw ResultTooLarge();
    }
    numerator = Expand(TrigReduce(Expand(numerator)));
    ExprNode denominator = TrigReduce(PowerNumber(u, Add(k, Number(1.0))));
    DivideCommonPower(numerator, denominator);
    return DivideTrees(std::move(numerator), std::move(denominator));
  }

  // The smallest integer power of x in a sum without constant term whose every
  // part contains x to an integer power, when the denominator is x^k itself.
  static std::optional<Number> SmallestPower(const ExprNode& part, std::u16string_view x) {
    for (const SymbolTerm& t : part.terms()) {
      if (t.name == x && t.exponent.IsInteger() && t.exponent.GreaterThan(0)) return t.exponent;
    }
    return std::nullopt;
  }

  static void DivideCommonPower(ExprNode& numerator, ExprNode& denominator) {
    if (!denominator.IsSingleTerm()) return;
    const SymbolTerm& dt = denominator.Term(0);
    if (!dt.coefficient.IsOne() || !dt.exponent.IsInteger() || !dt.exponent.GreaterThan(0)) return;
    if (!numerator.IsSum() || !numerator.coefficient().IsZero()) return;
    const std::u16string x = dt.name;
    Number smallest = dt.exponent;
    for (const SymbolTerm& t : numerator.terms()) {
      if (t.name != x || !t.exponent.IsInteger() || !t.exponent.GreaterThan(0)) return;
      if (t.exponent.LessThan(smallest)) smallest = t.exponent;
    }
    for (const ExprNode& op : numerator.operands()) {
      if (!op.IsProduct()) return;
      std::optional<Number> p = SmallestPower(op, x);
      if (!p) return;
      if (p->LessThan(smallest)) smallest = *p;
    }
    ExprNode divisor = calculus::VarPower(x, Negate(smallest));
    numerator = Expand(Mul(std::move(numerator), divisor));
    denominator = Mul(std::move(denominator), std::move(divisor));
  }

  std::optional<ExprNode> Function(const ExprNode& f) {
    const ExprNode c = Num(f.coefficient());
    if (f.IsFunction(id::kIntegrate) && f.OperandCount() == 2 && f.Operand(1).IsVariableNamed(x_)) {
      return Mul(c, f.Operand(0));
    }
    if (!f.IsUnaryFunction()) return std::nullopt;
    const ExprNode& u = f.Operand(0);
    std::optional<ExprNode> fp = TableDerivative(f.FunctionId(), u);
    if (!fp) return std::nullopt;
    std::optional<ExprNode> du = Of(u);
    if (!du) return std::nullopt;
    return Mul(c, Mul(std::move(*fp), std::move(*du)));
  }

  std::optional<ExprNode> Power(const ExprNode& f) {
    if (f.TermCount() > 0 || f.OperandCount() == 0) return std::nullopt;
    const ExprNode& u = f.Operand(0);
    if (f.OperandCount() == 1) {  // u^n: n·u^(n-1)·u'
      const Number& n = f.coefficient();
      std::optional<ExprNode> du = Of(u);
      if (!du) return std::nullopt;
      return MultiplyNumber(Mul(PowerNumber(u, Subtract(n, Number(1.0))), std::move(*du)), n);
    }
    // u^v with v the tower of the remaining operands under the numeric exponent.
    ExprNode v = PowerNumber(f.Operand(f.OperandCount() - 1), f.coefficient());
    for (std::size_t i = f.OperandCount() - 1; i-- > 1;) v = PowerTrees(f.Operand(i), std::move(v));
    if (u.IsNumber() || FreeOf(u, x_)) {  // u^v·ln(u)·v'
      std::optional<ExprNode> dv = Of(v);
      if (!dv) return std::nullopt;
      return Mul(Mul(f, calculus::Ln(u)), std::move(*dv));
    }
    std::optional<ExprNode> du = Of(u);
    if (!du) return std::nullopt;
    if (FreeOf(v, x_)) {  // v·u^(v-1)·u'
      ExprNode lowered = PowerTrees(u, AddNumber(v, Number(-1.0)));
      return Mul(Mul(v, std::move(lowered)), std::move(*du));
    }
    std::optional<ExprNode> dv = Of(v);  // u^v·(v'·ln(u) + v·u'/u)
    if (!dv) return std::nullopt;
    ExprNode inner =
        AddTrees(Mul(std::move(*dv), calculus::Ln(u)), DivideTrees(Mul(v, std::move(*du)), u));
    return Mul(f, std::move(inner));
  }

  std::u16string x_;
};

}  // namespace

namespace {

using TableRule = std::optional<ExprNode> (*)(const ExprNode& u);

// The derivative column of the elementary functions, by id.
constexpr std::array<TableRule, kCommandIdLimit> DerivativesById() {
  std::array<TableRule, kCommandIdLimit> by_id{};
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator,    \
                           undo_by, pole, value, plus, minus, numeric, exact, derivative, ...) \
  by_id[command_id::k##identifier] = [](const ExprNode& u) -> std::optional<ExprNode> {        \
    static_cast<void>(u);                                                                      \
    return derivative;                                                                         \
  };
#include "engine/commands/base/elementary_functions.inc"
  return by_id;
}
constexpr auto kDerivativesById = DerivativesById();

}  // namespace

std::optional<ExprNode> TableDerivative(int f, const ExprNode& u) {
  if (f < 0 || f >= kCommandIdLimit || kDerivativesById[f] == nullptr) return std::nullopt;
  return kDerivativesById[f](u);
}

std::optional<ExprNode> DifferentiateOrThrow(const ExprNode& f, std::u16string_view x) {
  return Differentiator(x).Of(f);
}

std::optional<ExprNode> Differentiate(const ExprNode& f, std::u16string_view x) {
  try {
    return DifferentiateOrThrow(f, x);
  } catch (const ResultTooLarge&) {
    return std::nullopt;
  }
}

namespace {

// Steps of D(f, x, n) that are computed before giving up on a result that
// neither vanishes nor repeats.
constexpr double kMaxDerivativeSteps = limits::kDerivativeSteps;
// Total size of the earlier derivatives kept to recognise a cycle.
constexpr std::size_t kMaxHistorySize = limits::kDerivativeHistorySize;
// Unevaluated steps beyond this many are written as one D(g, x, k) call
// instead of k nested calls.
constexpr double kMaxNestedCalls = limits::kDerivativeNestedCalls;

ExprNode Unevaluated(ExprNode g, std::u16string_view x, double remaining) {
  if (remaining > kMaxNestedCalls) {
    return MakeCall(id::kD, {std::move(g), calculus::Var(x), Num(remaining)});
  }
  for (double k = 0; k < remaining; ++k) g = MakeCall(id::kD, {std::move(g), calculus::Var(x)});
  return g;
}

NthDerivativeResult Failure(EngineError code, std::u16string_view message = {}) {
  NthDerivativeResult r;
  r.failure.code = code;
  r.failure.message = std::u16string(message);
  return r;
}

}  // namespace

namespace {

// Adds scale·part to the pieces of a sum being gathered: sums are opened and
// so are numeric multiples of a sum (2·(a + b) gives 2a + 2b), so that the
// like terms that the product rule spreads over nested sums meet in one sum.
void CollectSumParts(const ExprNode& part, const Number& scale, std::vector<ExprNode>& pieces,
                     int depth = 0) {
  const bool scaled_sum = part.IsProduct() && part.TermCount() == 0 && part.OperandCount() == 1 &&
                          part.Operand(0).IsSum() && part.coefficient().IsFinite();
  if (depth < kMaxTreeDepth && scaled_sum) {
    CollectSumParts(part.Operand(0), Multiply(scale, part.coefficient()), pieces, depth + 1);
    return;
  }
  if (depth < kMaxTreeDepth && part.IsSum() && !part.IsEmpty()) {
    if (!part.coefficient().IsZero()) {
      pieces.push_back(Num(Multiply(scale, part.coefficient())));
    }
    for (const SymbolTerm& t : part.terms()) {
      pieces.push_back(MakeTermNode(t.name, Multiply(scale, t.coefficient), t.exponent));
    }
    for (const ExprNode& op : part.operands()) CollectSumParts(op, scale, pieces, depth + 1);
    return;
  }
  pieces.push_back(MultiplyNumber(part, scale));
}

// A derivative with its like terms collected, kept when that makes it no
// larger (a lone 2·(x + 1) stays as it is). Lists are gathered element by
// element; anything that is not a sum is left as it is.
ExprNode Gathered(ExprNode d) {
  if (d.IsList()) {
    for (ExprNode& element : d.mutable_operands()) element = Gathered(std::move(element));
    return d;
  }
  if (!d.IsSum()) return d;
  std::vector<ExprNode> pieces;
  CollectSumParts(d, Number(1.0), pieces);
  ExprNode gathered = SumOfTrees(std::move(pieces));
  const std::size_t limit = calculus::TreeSize(d);
  return calculus::TreeSize(gathered, limit) <= limit ? gathered : d;
}

// NthDerivative's steps; a result beyond the size bound or the step bound
// throws ResultTooLarge.
NthDerivativeResult Derivatives(const ExprNode& f, std::u16string_view x, double n) {
  NthDerivativeResult result;
  if (n < 0 || n != std::floor(n)) return result;
  std::vector<ExprNode> history{f};
  std::unordered_multimap<std::size_t, std::size_t> seen{{HashTree(f), 0}};
  std::size_t history_size = calculus::TreeSize(f);
  bool keep_history = true;
  const bool overflow_before = HasOverflow(f);
  ExprNode current = f;
  for (double step = 1; step <= n; ++step) {
    std::optional<ExprNode> next = DifferentiateOrThrow(current, x);
    if (!next) {
      if (step == 1) return result;
      result.value = Unevaluated(std::move(current), x, n - step + 1);
      return result;
    }
    current = Gathered(std::move(*next));
    if (HasCommandFault()) return result;
    if (!overflow_before && HasOverflow(current)) return Failure(EngineError::kOverflow);
    const std::size_t size = calculus::TreeSize(current, calculus::kMaxResultSize);
    if (size > calculus::kMaxResultSize) throw ResultTooLarge();
    if (current.IsNumber() && current.coefficient().IsZero()) break;
    // A derivative met before repeats with its period from here on.
    const std::size_t hash = HashTree(current);
    auto [first, last] = seen.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      if (history[it->second] == current) {
        const double start = static_cast<double>(it->second);
        const double period = step - start;
        const double offset = std::fmod(n - step, period);
        result.value = history[static_cast<std::size_t>(start + offset)];
        return result;
      }
    }
    if (step >= kMaxDerivativeSteps && step < n) throw ResultTooLarge();
    // Entry k of the history is the k-th derivative, so it stops at the first gap.
    keep_history = keep_history && history_size + size <= kMaxHistorySize;
    if (keep_history) {
      history_size += size;
      seen.emplace(hash, history.size());
      history.push_back(current);
    }
  }
  result.value = std::move(current);
  return result;
}

}  // namespace

NthDerivativeResult NthDerivative(const ExprNode& f, std::u16string_view x, double n) {
  try {
    return Derivatives(f, x, n);
  } catch (const ResultTooLarge&) {
    return Failure(EngineError::kBadSyntax, calculus::kResultTooLarge);
  }
}

std::optional<CommandOutcome> DerivativeAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const std::u16string x(arguments[1].VariableName());
  NthDerivativeResult r = NthDerivative(arguments[0], x, arguments[2].coefficient().RealValue());
  if (r.failure.failed()) {
    CommandOutcome o = CommandOutcome::Fail(r.failure.code);
    o.failure.message = r.failure.message;
    return o;
  }
  if (!r.value) return std::nullopt;
  return CommandOutcome::Value(std::move(*r.value));
}

}  // namespace zentrix::engine
