#include "engine/commands/simplify/tree_arithmetic.h"

#include <algorithm>
#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/interval_arithmetic.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

// ---- Lists ------------------------------------------------------------------

template <typename Op>
ExprNode ElementWise(ExprNode a, ExprNode b, Op op) {
  if (a.IsList() && b.IsList()) {
    if (a.OperandCount() != b.OperandCount()) {
      Commands().list_mismatch = true;
      return a;
    }
    NodeKind kind = (a.kind() == NodeKind::kInterval || b.kind() == NodeKind::kInterval)
                        ? NodeKind::kInterval
                        : NodeKind::kList;
    ExprNode result(kind, Number());
    for (std::size_t i = 0; i < a.OperandCount(); ++i) {
      result.AddOperand(op(std::move(a.Operand(i)), std::move(b.Operand(i))));
    }
    return result;
  }
  if (a.IsList()) {
    for (ExprNode& element : a.mutable_operands()) element = op(std::move(element), b);
    return a;
  }
  for (ExprNode& element : b.mutable_operands()) element = op(a, std::move(element));
  return b;
}

// ---- Shapes -----------------------------------------------------------------

SymbolTerm TermOf(const ExprNode& single_term) {
  SymbolTerm t = single_term.Term(0);
  if (!single_term.IsSum()) t.coefficient = Multiply(t.coefficient, single_term.coefficient());
  return t;
}

// A canonical operand that can sit in a sum as it is.
bool IsSumOperand(const ExprNode& n) {
  if (n.IsList() || n.IsSum() || n.IsSingleTerm()) return false;
  return !(n.IsProduct() && n.OperandCount() == 0 && n.TermCount() <= 1);
}

// A canonical operand that can sit in a product as it is.
bool IsProductOperand(const ExprNode& n) {
  if (n.IsList() || n.IsProduct() || n.IsEmpty() || n.IsSingleTerm()) return false;
  return true;
}

// Operands whose presence in a product needs the whole rule set (trigonometric
// identities, powers of numbers, the power of the product's own term list).
bool NeedsFullProductRules(const ExprNode& op) {
  const ExprNode& base = ProductBase(op);
  if (base.IsEmpty()) return true;
  if (IsReciprocalTrigId(base.FunctionId())) return true;
  return base.IsProduct();
}

// ---- Fast paths for one small item joining a large canonical node ------------

void InsertTermIntoSum(ExprNode& sum, const SymbolTerm& t) {
  if (!sum.coefficient().IsFinite() && sum.OperandCount() == 0) {
    CanonicalizeBuilt(sum);
    return;
  }
  auto& terms = sum.mutable_terms();
  auto pos = std::lower_bound(terms.begin(), terms.end(), t, TermBefore);
  if (pos != terms.end() && !TermBefore(t, *pos)) {
    pos->coefficient = Add(pos->coefficient, t.coefficient);
    RaiseRewriteFlag();
    if (pos->coefficient.IsZero()) terms.erase(pos);
    SettleSum(sum);
    return;
  }
  terms.insert(pos, t);
}

void InsertOperandIntoSum(ExprNode& sum, ExprNode op) {
  auto& operands = sum.mutable_operands();
  // The search for a like operand is linear: a sum built one operand at a time
  // costs quadratic work, which the budget must see. Once it is spent the
  // result is discarded, so the search is skipped.
  const bool search = CountWork(operands.size());
  for (std::size_t i = 0; search && i < operands.size(); ++i) {
    if (!SameSumBase(operands[i], op)) continue;
    Number factor = Add(SumFactor(operands[i]), SumFactor(op));
    RaiseRewriteFlag();
    ExprNode like = std::move(operands[i]);
    operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i));
    if (factor.IsZero()) {
      SettleSum(sum);
      return;
    }
    ExprNode merged = WithSumFactor(like, factor);
    if (!IsSumOperand(merged)) {
      Absorb(sum, std::move(merged));
      CanonicalizeBuilt(sum);
      return;
    }
    op = std::move(merged);
    break;
  }
  auto pos = std::upper_bound(operands.begin(), operands.end(), op, OperandBefore);
  operands.insert(pos, std::move(op));
  SettleSum(sum);
}

bool SpecialFirstNameBefore(const SymbolTerm& a, const SymbolTerm& b) {
  if (a.name == b.name) return false;
  SymbolTerm x{a.name}, y{b.name};
  return TermBefore(x, y);
}

void MultiplyTermIntoProduct(ExprNode& product, const SymbolTerm& t) {
  product.set_coefficient(Multiply(product.coefficient(), t.coefficient));
  SymbolTerm factor{t.name, Number(1.0), t.exponent};
  auto& terms = product.mutable_terms();
  auto pos = std::lower_bound(terms.begin(), terms.end(), factor, SpecialFirstNameBefore);
  if (pos != terms.end() && pos->name == factor.name) {
    pos->exponent = Add(pos->exponent, factor.exponent);
    RaiseRewriteFlag();
    if (pos->exponent.IsZero()) terms.erase(pos);
  } else {
    terms.insert(pos, std::move(factor));
  }
  SettleProduct(product);
}

void InsertOperandIntoProduct(ExprNode& product, ExprNode op) {
  auto& operands = product.mutable_operands();
  const ExprNode& base = ProductBase(op);
  const bool search = CountWork(operands.size());
  for (std::size_t i = 0; search && i < operands.size(); ++i) {
    if (!(ProductBase(operands[i]) == base)) continue;
    Number exponent = Add(ProductExponent(operands[i]), ProductExponent(op));
    RaiseRewriteFlag();
    ExprNode base_copy = ProductBase(op);
    operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i));
    ExprNode merged = PowerNumber(std::move(base_copy), exponent);
    if (!IsProductOperand(merged)) {
      Absorb(product, std::move(merged));
      CanonicalizeBuilt(product);
      return;
    }
    op = std::move(merged);
    break;
  }
  auto& ops = product.mutable_operands();
  auto pos = std::upper_bound(ops.begin(), ops.end(), op, OperandBefore);
  ops.insert(pos, std::move(op));
  SettleProduct(product);
}

bool CanTakeProductFastPath(const ExprNode& product) {
  if (!product.IsProduct() || !product.coefficient().IsFinite() || product.coefficient().IsZero()) {
    return false;
  }
  for (const ExprNode& op : product.operands()) {
    if (NeedsFullProductRules(op)) return false;
  }
  return true;
}

// A sum of several parts joining a large sum, one part at a time.
bool IsSmallSum(const ExprNode& n) { return n.TermCount() + n.OperandCount() <= 4; }

void AddPartsOfSum(ExprNode& big, ExprNode small) {
  if (!small.coefficient().IsZero()) {
    big.set_coefficient(Add(big.coefficient(), small.coefficient()));
  }
  // A merge can leave `big` as something other than a sum (x + y - x is y);
  // the remaining parts then go through the general rules.
  for (const SymbolTerm& t : small.terms()) {
    if (big.IsSum()) {
      InsertTermIntoSum(big, t);
    } else {
      big = AddTrees(std::move(big), ExprNode::MakeTerm(t));
    }
  }
  for (ExprNode& op : small.mutable_operands()) {
    if (big.IsSum()) {
      InsertOperandIntoSum(big, std::move(op));
    } else {
      big = AddTrees(std::move(big), std::move(op));
    }
  }
  SettleSum(big);
}

// Adds b into the canonical sum a when one of the fast paths applies.
bool TryFastAdd(ExprNode& a, ExprNode& b) {
  if (!a.IsSum() || !a.coefficient().IsFinite()) return false;
  if (b.IsSingleTerm()) {
    InsertTermIntoSum(a, TermOf(b));
    return true;
  }
  if (IsSumOperand(b)) {
    InsertOperandIntoSum(a, std::move(b));
    return true;
  }
  if (b.IsSum() && b.coefficient().IsFinite() && IsSmallSum(b) &&
      a.TermCount() + a.OperandCount() > b.TermCount() + b.OperandCount()) {
    AddPartsOfSum(a, std::move(b));
    return true;
  }
  return false;
}

bool TryFastMultiply(ExprNode& a, ExprNode& b) {
  if (!CanTakeProductFastPath(a)) return false;
  if (b.IsSingleTerm()) {
    MultiplyTermIntoProduct(a, TermOf(b));
    return true;
  }
  if (IsProductOperand(b) && !NeedsFullProductRules(b)) {
    InsertOperandIntoProduct(a, std::move(b));
    return true;
  }
  return false;
}

}  // namespace

ExprNode MakeTermNode(const std::u16string& name, const Number& coefficient,
                      const Number& exponent) {
  return ExprNode::MakeTerm(SymbolTerm{name, coefficient, exponent});
}

ExprNode AddNumber(ExprNode tree, const Number& n) {
  if (tree.IsList()) {
    for (ExprNode& element : tree.mutable_operands()) element = AddNumber(std::move(element), n);
    return tree;
  }
  if (n.IsZero()) return tree;
  if (tree.IsSum()) {
    tree.set_coefficient(Add(tree.coefficient(), n));
    SettleSum(tree);
    return tree;
  }
  ExprNode sum = ExprNode::MakeNumber(n);
  Absorb(sum, std::move(tree));
  CanonicalizeBuilt(sum);
  return sum;
}

ExprNode MultiplyNumber(ExprNode tree, const Number& n) {
  if (tree.IsList()) {
    for (ExprNode& element : tree.mutable_operands()) {
      element = MultiplyNumber(std::move(element), n);
    }
    // A negative factor turns an interval's bounds round.
    if (tree.IsInterval() && n.IsReal() && n.LessThan(0)) {
      std::swap(tree.mutable_operands()[0], tree.mutable_operands()[1]);
    }
    return tree;
  }
  if (n.IsOne()) return tree;
  if (tree.IsEmpty()) return ExprNode::MakeNumber(Multiply(tree.coefficient(), n));
  if (tree.IsProduct()) {
    tree.set_coefficient(Multiply(tree.coefficient(), n));
    SettleProduct(tree);
    return tree;
  }
  if (tree.IsSum() && tree.IsSingleTerm() && n.IsFinite()) {
    SymbolTerm& t = tree.Term(0);
    t.coefficient = Multiply(t.coefficient, n);
    if (t.coefficient.IsZero()) return ExprNode::Zero();
    return tree;
  }
  ExprNode product = ExprNode::MakeProduct(n);
  Absorb(product, std::move(tree));
  CanonicalizeBuilt(product);
  return product;
}

ExprNode AddTrees(ExprNode a, ExprNode b) {
  // The entry fails anyway: skip the search for like operands.
  if (WorkBudgetSpent()) return a;
  if (a.IsEmpty()) return AddNumber(std::move(b), a.coefficient());
  if (b.IsEmpty()) return AddNumber(std::move(a), b.coefficient());
  if (a.IsList() || b.IsList()) {
    return ElementWise(std::move(a), std::move(b),
                       [](ExprNode x, ExprNode y) { return AddTrees(std::move(x), std::move(y)); });
  }
  // The larger sum takes the other operand in; addition is commutative.
  if (b.IsSum() &&
      (!a.IsSum() || b.TermCount() + b.OperandCount() > a.TermCount() + a.OperandCount())) {
    std::swap(a, b);
  }
  if (TryFastAdd(a, b)) return a;
  ExprNode sum = ExprNode::MakeNumber(Number());
  Absorb(sum, std::move(a));
  Absorb(sum, std::move(b));
  CanonicalizeBuilt(sum);
  return sum;
}

namespace {

// Few parts go one at a time through the fast paths; many are gathered into
// one node and merged once. Lists and matrices need the element-wise rules.
ExprNode CombineParts(std::vector<ExprNode> parts, bool sum) {
  constexpr std::size_t kGatherFrom = 8;
  const auto combine = [sum](ExprNode a, ExprNode b) {
    return sum ? AddTrees(std::move(a), std::move(b)) : MultiplyTrees(std::move(a), std::move(b));
  };
  ExprNode result = ExprNode::MakeNumber(Number(sum ? 0.0 : 1.0));
  const bool gather =
      parts.size() >= kGatherFrom &&
      std::none_of(parts.begin(), parts.end(), [](const ExprNode& p) { return p.IsList(); });
  if (!gather) {
    for (ExprNode& part : parts) result = combine(std::move(result), std::move(part));
    return result;
  }
  ExprNode chain(sum ? NodeKind::kSum : NodeKind::kProduct, result.coefficient());
  for (ExprNode& part : parts) Absorb(chain, std::move(part));
  CanonicalizeBuilt(chain);
  return chain;
}

}  // namespace

ExprNode SumOfTrees(std::vector<ExprNode> parts) { return CombineParts(std::move(parts), true); }

ExprNode ProductOfTrees(std::vector<ExprNode> parts) {
  return CombineParts(std::move(parts), false);
}

ExprNode SubtractTrees(ExprNode a, ExprNode b) {
  return AddTrees(std::move(a), MultiplyNumber(std::move(b), Number(-1.0)));
}

ExprNode MultiplyTrees(ExprNode a, ExprNode b) {
  if (WorkBudgetSpent()) return a;
  if (a.IsEmpty()) return MultiplyNumber(std::move(b), a.coefficient());
  if (b.IsEmpty()) return MultiplyNumber(std::move(a), b.coefficient());
  if (a.IsList() || b.IsList()) {
    if (std::optional<ExprNode> interval = IntervalProduct(a, b)) return std::move(*interval);
    return ElementWise(std::move(a), std::move(b), [](ExprNode x, ExprNode y) {
      return MultiplyTrees(std::move(x), std::move(y));
    });
  }
  if (b.IsProduct() &&
      (!a.IsProduct() || b.TermCount() + b.OperandCount() > a.TermCount() + a.OperandCount())) {
    std::swap(a, b);
  }
  if (TryFastMultiply(a, b)) return a;
  ExprNode product = ExprNode::MakeProduct(Number(1.0));
  Absorb(product, std::move(a));
  Absorb(product, std::move(b));
  CanonicalizeBuilt(product);
  return product;
}

ExprNode ReciprocalTree(ExprNode a) {
  if (a.IsList()) {
    if (std::optional<ExprNode> interval = IntervalPower(a, Number(-1.0)))
      return std::move(*interval);
    for (ExprNode& element : a.mutable_operands()) element = ReciprocalTree(std::move(element));
    return a;
  }
  if (a.IsEmpty()) return ExprNode::MakeNumber(Divide(Number(1.0), a.coefficient()));
  if (a.IsOperandPower()) {
    a.set_coefficient(Negate(a.coefficient()));
    CanonicalizeBuilt(a);
    return a;
  }
  if (a.IsPower() && a.OperandCount() == 2 && a.TermCount() == 0) {
    a.Operand(1) = NegateTree(std::move(a.Operand(1)));
    CanonicalizeBuilt(a);
    return a;
  }
  ExprNode power = ExprNode::MakePower(Number(-1.0));
  power.AddOperand(std::move(a));
  CanonicalizeBuilt(power);
  return power;
}

ExprNode DivideTrees(ExprNode a, ExprNode b) {
  if (b.IsEmpty()) return MultiplyNumber(std::move(a), Divide(Number(1.0), b.coefficient()));
  return MultiplyTrees(std::move(a), ReciprocalTree(std::move(b)));
}

ExprNode NegateTree(ExprNode a) {
  if (a.IsList()) {
    for (ExprNode& element : a.mutable_operands()) element = NegateTree(std::move(element));
    return a;
  }
  return MultiplyNumber(std::move(a), Number(-1.0));
}

ExprNode PowerNumber(ExprNode base, const Number& exponent) {
  if (base.IsList()) {
    if (std::optional<ExprNode> interval = IntervalPower(base, exponent))
      return std::move(*interval);
    for (ExprNode& element : base.mutable_operands()) {
      element = PowerNumber(std::move(element), exponent);
    }
    return base;
  }
  if (base.IsEmpty()) {
    const Number& b = base.coefficient();
    if (b.IsZero() && exponent.IsFraction()) {
      // 0 to a positive power is 0; to a negative power it is never finite.
      return ExprNode::MakeNumber(exponent.GreaterThan(0) ? Number(0.0)
                                                          : Number::ComplexInfinity());
    }
    if (b.IsInteger() && !b.IsOne() && exponent.IsFraction()) {
      ExprNode power = ExprNode::MakePower(exponent);
      power.AddOperand(std::move(base));
      CanonicalizeBuilt(power);
      return power;
    }
    return ExprNode::MakeNumber(Power(b, exponent));
  }
  if (exponent.IsZero()) return ExprNode::MakeNumber(Number(1.0));
  if (exponent.IsOne()) return base;
  if (base.IsOperandPower()) {
    base.set_coefficient(Multiply(base.coefficient(), exponent));
    CanonicalizeBuilt(base);
    return base;
  }
  ExprNode power = ExprNode::MakePower(exponent);
  power.AddOperand(std::move(base));
  CanonicalizeBuilt(power);
  return power;
}

ExprNode PowerTrees(ExprNode base, ExprNode exponent) {
  if (base.IsList()) {
    if (exponent.IsList()) {
      if (base.OperandCount() == exponent.OperandCount()) {
        return ElementWise(std::move(base), std::move(exponent), [](ExprNode x, ExprNode y) {
          return PowerTrees(std::move(x), std::move(y));
        });
      }
      ExprNode power = ExprNode::MakePower(Number(1.0));
      power.AddOperand(std::move(base));
      power.AddOperand(std::move(exponent));
      return power;
    }
    for (ExprNode& element : base.mutable_operands()) {
      element = PowerTrees(std::move(element), exponent);
    }
    return base;
  }
  if (exponent.IsEmpty()) return PowerNumber(std::move(base), exponent.coefficient());
  if (base.IsEmpty() && base.coefficient().IsOne() && exponent.IsAllNumbers()) {
    return ExprNode::MakeNumber(Number(1.0));
  }
  ExprNode power = ExprNode::MakePower(Number(1.0));
  power.AddOperand(std::move(base));
  power.AddOperand(std::move(exponent));
  CanonicalizeBuilt(power);
  return power;
}

ExprNode SquareRootTree(ExprNode a) { return PowerNumber(std::move(a), Number::Ratio(1.0, 2.0)); }

ExprNode ApplyFunction(int id, ExprNode argument) {
  ExprNode node(FunctionKind(id), Number(1.0));
  node.AddOperand(std::move(argument));
  CanonicalizeBuilt(node);
  return node;
}

ExprNode MakeCall(int id, std::vector<ExprNode> arguments) {
  ExprNode node(FunctionKind(id), Number(1.0));
  node.mutable_operands() = std::move(arguments);
  CanonicalizeBuilt(node);
  return node;
}

}  // namespace zentrix::engine
