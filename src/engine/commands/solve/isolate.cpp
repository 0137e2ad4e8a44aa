// Isolation: with the right side free of x, the operations around x on the
// left are undone one at a time: constants and x-free operands of a sum move
// across, a reciprocal is cross-multiplied (the equation then starts again),
// and a function with an inverse is undone by applying the inverse.

#include <utility>

#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve_steps.h"
#include "engine/core/command_names.h"

namespace zentrix::engine::solve {
namespace {

namespace id = command_id;

// The principal inverse of a function, or -1.
int InverseFunction(int f) {
  switch (f) {
    case id::kSin: return id::kAsin;
    case id::kCos: return id::kAcos;
    case id::kTan: return id::kAtan;
    case id::kCsc: return id::kAcsc;
    case id::kSec: return id::kAsec;
    case id::kCot: return id::kAcot;
    case id::kSinh: return id::kAsinh;
    case id::kCosh: return id::kAcosh;
    case id::kTanh: return id::kAtanh;
    case id::kCsch: return id::kAcsch;
    case id::kSech: return id::kAsech;
    case id::kCoth: return id::kAcoth;
    default: return -1;
  }
}

Isolated Root(ExprNode root) {
  Isolated out;
  out.kind = Isolated::Kind::kRoot;
  out.root = std::move(root);
  return out;
}

Isolated Restart(ExprNode lhs, ExprNode rhs) {
  Isolated out;
  out.kind = Isolated::Kind::kRestart;
  out.restart = Equation{std::move(lhs), std::move(rhs)};
  return out;
}

Isolated Failed() { return Isolated{}; }

// c·x^e: e = 1 gives R/c, e = −1 gives c/R.
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
  return Failed();
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
      if (!IsCrossMultipliable(lhs, x)) return Failed();
      ExprNode left = MultiplyNumber(Variable(x), lhs.coefficient());
      ExprNode right = MultiplyTrees(std::move(eq.rhs), lhs.Operand(0).Operand(0));
      return Restart(std::move(left), std::move(right));
    }
    if (lhs.IsOperandPower()) {
      const Number& n = lhs.coefficient();
      if (!n.IsInteger() || !n.EqualsValue(-1)) return Failed();
      return Restart(MultiplyTrees(lhs.Operand(0), std::move(eq.rhs)),
                     ExprNode::MakeNumber(Number(1.0)));
    }
    if (lhs.IsUnaryFunction()) {
      const int inverse = InverseFunction(lhs.FunctionId());
      if (inverse < 0) return Failed();
      // The coefficient of a function node multiplies the application.
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
