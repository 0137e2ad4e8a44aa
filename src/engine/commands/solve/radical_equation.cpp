// Equations with one radical in x, such as √(x + 3) = x − 3: the radical is
// set apart and both sides raised to the root's index, which leaves an
// equation without it. Raising to a power can bring in roots the original
// equation does not have, so the solver checks every root found this way.

#include <utility>

#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine::solve {
namespace {

// u^(p/q) with u containing x and p/q a positive non-integer fraction.
struct Radical {
  ExprNode factor;  // the part of the item free of x
  ExprNode base;
  Number exponent;
};

bool IsRadicalExponent(const Number& e) {
  return e.IsReal() && !e.IsDecimal() && !e.IsInteger() && e.RealValue() > 0;
}

std::optional<Radical> AsRadical(const ExprNode& item, std::u16string_view x) {
  if (item.IsOperandPower() && IsRadicalExponent(item.coefficient()) &&
      Contains(item.Operand(0), x)) {
    return Radical{ExprNode::MakeNumber(Number(1.0)), item.Operand(0), item.coefficient()};
  }
  if (!item.IsProduct() || item.OperandCount() != 1) return std::nullopt;
  const ExprNode& power = item.Operand(0);
  if (!power.IsOperandPower() || !IsRadicalExponent(power.coefficient()) ||
      !Contains(power.Operand(0), x)) {
    return std::nullopt;
  }
  ExprNode factor = ExprNode::MakeNumber(item.coefficient());
  for (const SymbolTerm& t : item.terms())
    factor = MultiplyTrees(std::move(factor), ExprNode::MakeTerm(t));
  if (Contains(factor, x)) return std::nullopt;
  return Radical{std::move(factor), power.Operand(0), power.coefficient()};
}

}  // namespace

std::optional<Equation> ClearRadical(const ExprNode& p, std::u16string_view x) {
  if (!p.IsSum()) return std::nullopt;
  std::optional<Radical> radical;
  ExprNode rest(NodeKind::kSum, p.coefficient());
  for (const SymbolTerm& t : p.terms()) {
    if (t.name == x && IsRadicalExponent(t.exponent)) {
      if (radical) return std::nullopt;
      radical = Radical{ExprNode::MakeNumber(t.coefficient), Variable(x), t.exponent};
    } else {
      rest.AddTerm(t);
    }
  }
  for (const ExprNode& op : p.operands()) {
    if (std::optional<Radical> r = AsRadical(op, x)) {
      if (radical) return std::nullopt;
      radical = std::move(r);
    } else {
      rest.AddOperand(op);
    }
  }
  if (!radical || IsZeroNumber(radical->factor)) return std::nullopt;
  const double numerator = radical->exponent.RealNumerator();
  const double denominator = radical->exponent.RealDenominator();
  // c·u^(m/n) = −rest  ⇒  u^m = (−rest/c)^n.
  ExprNode other = DivideTrees(NegateTree(std::move(rest)), std::move(radical->factor));
  return Equation{PowerNumber(std::move(radical->base), Number(numerator)),
                  PowerNumber(std::move(other), Number(denominator))};
}

}  // namespace zentrix::engine::solve
