// The quadratic formula on trees: the roots (−b ∓ √D)/(2a) with D = b² − 4ac,
// exact wherever the coefficients are (the exact square root of a negative
// integer gives imaginary roots in exact form).

#include <utility>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine {
namespace solve {
namespace {

ExprNode Finish(ExprNode root) {
  Canonicalize(root);
  if (Variables(root).empty()) return Expand(root);
  return root;
}

}  // namespace

RootPair QuadraticFormula(const ExprNode& a, const ExprNode& b, const ExprNode& c) {
  const ExprNode discriminant =
      SubtractTrees(PowerNumber(b, Number(2.0)), MultiplyTrees(MultiplyNumber(a, Number(4.0)), c));
  const ExprNode root = SquareRootTree(discriminant);
  const ExprNode minus_b = NegateTree(b);
  const ExprNode two_a = MultiplyNumber(a, Number(2.0));
  return RootPair{Finish(DivideTrees(SubtractTrees(minus_b, root), two_a)),
                  Finish(DivideTrees(AddTrees(minus_b, root), two_a))};
}

}  // namespace solve

ExprNode QuadraticRoots(const ExprNode& a, const ExprNode& b, const ExprNode& c) {
  solve::RootPair roots = solve::QuadraticFormula(a, b, c);
  if (roots.minus == roots.plus) return std::move(roots.minus);
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(std::move(roots.minus));
  list.AddOperand(std::move(roots.plus));
  return list;
}

}  // namespace zentrix::engine
