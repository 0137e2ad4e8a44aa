#pragma once
// Products of matrices and vectors: the expanded matrix product, the scalar
// product of two lists, powers of a square matrix, Transpose and Identity.

#include <cstddef>
#include <optional>

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::matrix {

// The matrix product with every entry expanded; nothing when the shapes do
// not fit. Throws ResultTooLarge when the product or an entry is too large.
std::optional<ExprNode> ExpandedMatrixProduct(const ExprNode& a, const ExprNode& b);

// Σ a_i·b_i, expanded; the lists have one length. Throws ResultTooLarge when
// the sum is too large.
ExprNode ScalarProduct(const ExprNode& a, const ExprNode& b);

// M^n for an integer n: M for n = 1, the identity for n = 0, the power of the
// inverse for n < 0; larger powers by repeated squaring. Nothing for a matrix
// that is not square (n ≠ 1) or, with n < 0, singular. Throws like Inverse and
// ExpandedMatrixProduct.
std::optional<ExprNode> MatrixPower(const ExprNode& m, const Number& n);

ExprNode Transpose(const ExprNode& m);

}  // namespace zentrix::engine::matrix
