#pragma once
// Vector calculus over the symbolic derivative: Jacobian and Hessian matrices,
// gradient, divergence, Laplacian, curl and the directional derivative. A
// partial derivative without a rule (or beyond the derivative's size bound)
// stays as the unevaluated call D(f, x). Nothing for arguments of the wrong
// shape; a result larger than kMaxEntrySize throws ResultTooLarge.

#include <optional>
#include <string>
#include <vector>

#include "engine/core/expr_node.h"

namespace zentrix::engine::matrix {

using Variables = std::vector<std::u16string>;

// x, y, z.
Variables DefaultVariables();
// The names of a list of variables.
Variables VariableNames(const ExprNode& list);

// The matrix ∂f_i/∂x_j for a list f, the list ∂f/∂x_j for an expression;
// with a point (a list as long as the variables), evaluated there.
std::optional<ExprNode> Jacobian(const ExprNode& f, const Variables& x, const ExprNode* point);
// ∂²f/∂x_i∂x_j for an expression f, evaluated at the point when given.
std::optional<ExprNode> Hessian(const ExprNode& f, const Variables& x, const ExprNode* point);
std::optional<ExprNode> Gradient(const ExprNode& f, const Variables& x);
// Σ ∂F_i/∂x_i; F is a list as long as the variables.
std::optional<ExprNode> Divergence(const ExprNode& f, const Variables& x);
// Σ ∂²f/∂x_i² (element by element for a list).
std::optional<ExprNode> Laplacian(const ExprNode& f, const Variables& x);
// F and the variables have three elements.
std::optional<ExprNode> Curl(const ExprNode& f, const Variables& x);
// ∇f(point)·direction/‖direction‖₂.
std::optional<ExprNode> DirectionalDerivative(const ExprNode& f, const Variables& x,
                                              const ExprNode& point, const ExprNode& direction);

}  // namespace zentrix::engine::matrix
