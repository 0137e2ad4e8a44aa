// Isolation: with the right side free of x, the operations around x on the
// left are undone one at a time: constants and x-free operands of a sum move
// across, x-free factors of a product divide the right side, a reciprocal is
// cross-multiplied (the equation then starts again), a power is undone by the
// inverse power (both signs for an even one), and a function is undone by its
// inverse: exp by ln, ln by exp, the circular and hyperbolic functions by
// their principal inverses and the inverses by the functions, |u| by ±.

#include <cmath>
#include <utility>

#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve_steps.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::solve {
namespace {

namespace id = command_id;

Isolated Root(ExprNode root, bool needs_check = false) {
  Isolated out;
  out.kind = Isolated::Kind::kRoot;
  out.root = std::move(root);
  out.needs_check = needs_check;
  return out;
}

Isolated Restart(ExprNode lhs, ExprNode rhs) {
  Isolated out;
  out.kind = Isolated::Kind::kRestart;
  out.restarts.push_back(Equation{std::move(lhs), std::move(rhs)});
  return out;
}

Isolated Failed() { return Isolated{}; }

ExprNode One() { return ExprNode::MakeNumber(Number(1.0)); }

// R^e, kept exact for a fraction R: (p/q)^e = p^e/q^e (the power of a
// fraction itself would be computed as a decimal).
ExprNode ExactPower(const ExprNode& r, const Number& e) {
  if (r.IsRealNumber() && r.coefficient().IsFraction() && !r.coefficient().IsDecimal()) {
    const Number& n = r.coefficient();
    return DivideTrees(PowerNumber(ExprNode::MakeNumber(Number(n.RealNumerator())), e),
                       PowerNumber(ExprNode::MakeNumber(Number(n.RealDenominator())), e));
  }
  return PowerNumber(r, e);
}

// u^n = R undone: u = R^(1/n), and also u = −R^(1/n) for an even integer n.
// A non-integer n may bring in false roots (√u = −3 gives u = 9).
Isolated UndoPower(const ExprNode& u, const Number& n, const ExprNode& rhs) {
  if (n.IsZero() || !n.IsReal()) return Failed();
  if (n.IsInteger() && n.EqualsValue(-1)) return Restart(MultiplyTrees(u, rhs), One());
  ExprNode root = ExactPower(rhs, Divide(Number(1.0), n));
  Isolated out = Restart(u, root);
  if (n.IsInteger()) {
    if (std::fmod(n.RealValue(), 2.0) == 0.0) out.restarts.push_back(Equation{u, NegateTree(root)});
  } else {
    out.needs_check = true;
  }
  return out;
}

// b^v = R with b free of x: v = ln(R)/ln(b), an exact integer when R is a
// power of b (2^x = 8 gives 3).
ExprNode LogarithmToBase(const ExprNode& base, const ExprNode& rhs) {
  if (base.IsRealNumber() && rhs.IsRealNumber() && !base.coefficient().IsDecimal() &&
      !rhs.coefficient().IsDecimal()) {
    const double b = base.coefficient().RealValue();
    const double r = rhs.coefficient().RealValue();
    if (b > 0 && b != 1 && r > 0) {
      const double k = std::round(std::log(r) / std::log(b));
      if (std::fabs(k) <= 64 && Power(base.coefficient(), Number(k)) == rhs.coefficient()) {
        return ExprNode::MakeNumber(Number(k));
      }
    }
  }
  return DivideTrees(ApplyFunction(id::kLn, rhs), ApplyFunction(id::kLn, base));
}

// A power with a symbolic exponent, b^v (the node's own exponent 1).
Isolated UndoSymbolicPower(const ExprNode& lhs, const ExprNode& rhs, std::u16string_view x) {
  if (lhs.OperandCount() != 2 || !lhs.coefficient().IsOne() || lhs.TermCount() != 0) {
    return Failed();
  }
  const ExprNode& base = lhs.Operand(0);
  const ExprNode& exponent = lhs.Operand(1);
  if (!Contains(base, x)) {
    Isolated out = Restart(exponent, LogarithmToBase(base, rhs));
    out.needs_check = true;
    return out;
  }
  if (Contains(exponent, x)) return Failed();
  Isolated out = Restart(base, PowerTrees(rhs, ReciprocalTree(exponent)));
  out.needs_check = true;
  return out;
}

// ln(R), with ln(ℯ^p) = p for a power of the symbol ℯ and for exp of a real
// number.
ExprNode NaturalLog(ExprNode r) {
  if (r.IsFunction(id::kExp) && r.IsUnaryFunction() && r.coefficient().IsOne() &&
      r.Operand(0).IsRealNumber()) {
    return r.Operand(0);
  }
  if (r.IsSingleTerm() && r.Term(0).name.size() == 1 && r.Term(0).name[0] == chars::kEulerE &&
      r.Term(0).coefficient.IsOne()) {
    return ExprNode::MakeNumber(r.Term(0).exponent);
  }
  return ApplyFunction(id::kLn, std::move(r));
}

// f(u) = R undone; the node's coefficient multiplies the application. Undoing
// an inverse function, a logarithm or the modulus can bring in roots outside
// f's range, so those roots are checked.
Isolated UndoFunction(const ExprNode& lhs, const ExprNode& rhs) {
  const ElementaryFacts* facts = FindElementaryFacts(lhs.FunctionId());
  if (facts == nullptr) return Failed();
  ExprNode right = DivideTrees(rhs, ExprNode::MakeNumber(lhs.coefficient()));
  const ExprNode& u = lhs.Operand(0);
  Isolated out;
  switch (facts->undo) {
    case FunctionUndo::kByInverse:
      return Restart(u, ApplyFunction(facts->inverse, std::move(right)));
    case FunctionUndo::kByLogarithm: return Restart(u, NaturalLog(std::move(right)));
    case FunctionUndo::kBySquaring: return UndoPower(u, Number::Ratio(1.0, 2.0), right);
    case FunctionUndo::kByForward:
      out = Restart(u, ApplyFunction(facts->inverse, std::move(right)));
      break;
    case FunctionUndo::kByExponential:
      out = Restart(u, ApplyFunction(command_id::kExp, std::move(right)));
      break;
    case FunctionUndo::kByPowerOfTen:
      out = Restart(u, PowerTrees(ExprNode::MakeNumber(Number(10.0)), std::move(right)));
      break;
    case FunctionUndo::kByBothSigns:
      out = Restart(u, right);
      out.restarts.push_back(Equation{u, NegateTree(std::move(right))});
      break;
    case FunctionUndo::kNone: return Failed();
  }
  out.needs_check = true;
  return out;
}

// A product F·g with one factor g containing x: g = R/F.
std::optional<Equation> DivideOutFreeFactors(const ExprNode& lhs, const ExprNode& rhs,
                                             std::u16string_view x) {
  std::optional<ExprNode> with_x;
  ExprNode free = ExprNode::MakeNumber(lhs.coefficient());
  auto take = [&](ExprNode part) {
    if (!Contains(part, x)) {
      free = MultiplyTrees(std::move(free), std::move(part));
      return true;
    }
    if (with_x) return false;
    with_x = std::move(part);
    return true;
  };
  for (const SymbolTerm& t : lhs.terms()) {
    if (!take(ExprNode::MakeTerm(t))) return std::nullopt;
  }
  for (const ExprNode& op : lhs.operands()) {
    if (!take(op)) return std::nullopt;
  }
  if (!with_x || IsZeroNumber(free)) return std::nullopt;
  return Equation{std::move(*with_x), DivideTrees(rhs, std::move(free))};
}

// c·x^e: e = 1 gives R/c, e = −1 gives c/R, any other e is undone as a power.
Isolated SingleTerm(const Equation& eq, std::u16string_view x) {
  const SymbolTerm& t = eq.lhs.Term(0);
  if (t.name != x) return Failed();
  // A product keeps the numeric factor in its own coefficient.
  const Number c =
      eq.lhs.IsProduct() ? Multiply(eq.lhs.coefficient(), t.coefficient) : t.coefficient;
  if (t.exponent.IsOne()) return Root(DivideTrees(eq.rhs, ExprNode::MakeNumber(c)));
  if (t.exponent.EqualsValue(-1) && t.exponent.IsInteger()) {
    return Root(DivideTrees(ExprNode::MakeNumber(c), eq.rhs));
  }
  if (c.IsZero()) return Failed();
  return UndoPower(Variable(x), t.exponent, DivideTrees(eq.rhs, ExprNode::MakeNumber(c)));
}

// Moves the constant and the operands of a sum to the right. False when an
// operand contains x or nothing could be moved.
bool ReduceSum(Equation& eq, std::u16string_view x) {
  bool moved = false;
  const Number c = eq.lhs.coefficient();
  if (!c.IsZero()) {
    eq.lhs = AddNumber(std::move(eq.lhs), Negate(c));
    eq.rhs = AddNumber(std::move(eq.rhs), Negate(c));
    moved = true;
    // Without its constant a sum of one part is that part.
    if (!eq.lhs.IsSum()) return true;
  }
  if (eq.lhs.OperandCount() == 0) return moved;
  for (const ExprNode& operand : eq.lhs.operands()) {
    if (Contains(operand, x)) return false;
  }
  for (ExprNode& operand : eq.lhs.mutable_operands()) {
    eq.rhs = SubtractTrees(std::move(eq.rhs), std::move(operand));
  }
  eq.lhs.mutable_operands().clear();
  CanonicalizeBuilt(eq.lhs);
  return true;
}

// c·x·u^−1 = R is cross-multiplied to c·x = R·u.
bool IsCrossMultipliable(const ExprNode& lhs, std::u16string_view x) {
  if (lhs.TermCount() != 1 || lhs.OperandCount() != 1) return false;
  const SymbolTerm& t = lhs.Term(0);
  const ExprNode& u = lhs.Operand(0);
  return t.name == x && t.exponent.IsOne() && u.IsOperandPower() &&
         u.coefficient().EqualsValue(-1) && u.coefficient().IsInteger();
}

}  // namespace

Isolated Isolate(Equation eq, std::u16string_view x) {
  for (int step = 0; step < kMaxIsolationSteps; ++step) {
    const ExprNode& lhs = eq.lhs;
    if (!Contains(lhs, x)) return Failed();
    if (lhs.IsVariableNamed(x)) return Root(std::move(eq.rhs));
    if (lhs.IsSingleTerm()) return SingleTerm(eq, x);
    if (lhs.IsSum()) {
      if (!ReduceSum(eq, x)) return Failed();
      continue;
    }
    if (lhs.IsProduct()) {
      if (IsCrossMultipliable(lhs, x)) {
        ExprNode left = MultiplyNumber(Variable(x), lhs.coefficient());
        ExprNode right = MultiplyTrees(std::move(eq.rhs), lhs.Operand(0).Operand(0));
        return Restart(std::move(left), std::move(right));
      }
      std::optional<Equation> divided = DivideOutFreeFactors(lhs, eq.rhs, x);
      if (!divided) return Failed();
      eq = std::move(*divided);
      continue;
    }
    if (lhs.IsOperandPower()) return UndoPower(lhs.Operand(0), lhs.coefficient(), eq.rhs);
    if (lhs.IsPower()) return UndoSymbolicPower(lhs, eq.rhs, x);
    if (lhs.IsUnaryFunction()) {
      // The circular and hyperbolic functions are undone in place, as before.
      const ElementaryFacts* facts = FindElementaryFacts(lhs.FunctionId());
      if (facts == nullptr || facts->undo != FunctionUndo::kByInverse) {
        return UndoFunction(lhs, eq.rhs);
      }
      const int inverse = facts->inverse;
      ExprNode right = DivideTrees(std::move(eq.rhs), ExprNode::MakeNumber(lhs.coefficient()));
      ExprNode argument = lhs.Operand(0);
      eq.rhs = ApplyFunction(inverse, std::move(right));
      eq.lhs = std::move(argument);
      continue;
    }
    return Failed();
  }
  return Failed();
}

}  // namespace zentrix::engine::solve
