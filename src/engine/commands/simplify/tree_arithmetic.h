#pragma once
// Tree arithmetic: each operation assembles a node from its operands and puts
// only that node into canonical form (the operands are canonical already). The
// results are new trees; arguments are taken by value so that callers can move.
//
// Element-wise list arithmetic on lists of different lengths, too deep or too
// large results are recorded in CommandsState for the evaluator to report; the
// operations themselves never fail.

#include <vector>

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine {

ExprNode AddNumber(ExprNode tree, const Number& n);
ExprNode MultiplyNumber(ExprNode tree, const Number& n);
ExprNode AddTrees(ExprNode a, ExprNode b);
ExprNode SubtractTrees(ExprNode a, ExprNode b);  // a + (-1)·b
ExprNode MultiplyTrees(ExprNode a, ExprNode b);
// The sum or product of many parts, merged once: adding them one at a time
// compares each part with every operand so far, quadratic in their number.
ExprNode SumOfTrees(std::vector<ExprNode> parts);
ExprNode ProductOfTrees(std::vector<ExprNode> parts);
ExprNode DivideTrees(ExprNode a, ExprNode b);
ExprNode NegateTree(ExprNode a);
// 1/a: an operand power with its exponent negated, a power with a symbolic
// exponent with the exponent tree negated, else a power with exponent -1.
ExprNode ReciprocalTree(ExprNode a);
ExprNode PowerNumber(ExprNode base, const Number& exponent);
ExprNode PowerTrees(ExprNode base, ExprNode exponent);
ExprNode SquareRootTree(ExprNode a);
// The application of function `id` to one argument, canonical.
ExprNode ApplyFunction(int id, ExprNode argument);
// A call of command `id` with its arguments as operands (an unevaluated call).
ExprNode MakeCall(int id, std::vector<ExprNode> arguments);
// The single term c·name^e as a node (a sum holding the term).
ExprNode MakeTermNode(const std::u16string& name, const Number& coefficient,
                      const Number& exponent);

}  // namespace zentrix::engine
