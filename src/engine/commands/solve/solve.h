#pragma once
// Solving one equation in one variable exactly: linear equations by isolating
// the variable, quadratics by the quadratic formula, cubics with numeric
// coefficients by the cubic formula, and equations whose variable sits inside
// a chain of invertible operations by undoing them one at a time. There is no
// numeric root search: what none of these handles is unsolvable.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// The solution of lhs = rhs for the variable x: one root, or a list of roots;
// nothing when the equation cannot be solved or a root is not finite.
std::optional<ExprNode> SolveEquation(const ExprNode& lhs, const ExprNode& rhs,
                                      std::u16string_view x);

// The roots of a·x^2 + b·x + c by the quadratic formula: the single root when
// both come out equal, else the list {minus root, plus root}. No checks: a = 0
// divides by zero.
ExprNode QuadraticRoots(const ExprNode& a, const ExprNode& b, const ExprNode& c);

// The roots of a·x^3 + b·x^2 + c·x + d. d = 0 takes the quadratic formula with
// the root 0 in front; otherwise the coefficients must be real numbers and the
// roots come out as decimals. Nothing for symbolic coefficients or a = 0.
std::optional<ExprNode> CubicRoots(const ExprNode& a, const ExprNode& b, const ExprNode& c,
                                   const ExprNode& d);

// Solve in its normal forms ({lhs, rhs}, x), (a, b, c) and (a, b, c, d); a
// refusal when the equation cannot be solved or an answer is not finite (as
// the quadratic by coefficients with a = 0 would give).
std::optional<CommandOutcome> SolveAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
