#pragma once
// Products of matrices and vectors: the expanded matrix product, the scalar
// product of two lists, powers of a square matrix, Transpose and Identity.

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::matrix {

// A value, or a failure: with a message, or without one for the command's
// usual failure text.
struct MatrixValue {
  std::optional<ExprNode> value;
  std::u16string_view message;
};

// The matrix product with every entry expanded; no value (and no message)
// when the shapes do not fit.
MatrixValue ExpandedMatrixProduct(const ExprNode& a, const ExprNode& b);

// Σ a_i·b_i, expanded; the lists have one length.
MatrixValue ScalarProduct(const ExprNode& a, const ExprNode& b);

// M^n for an integer n: M for n = 1, the identity for n = 0, the power of the
// inverse for n < 0; larger powers by repeated squaring. No value for a
// matrix that is not square (n ≠ 1) or, with n < 0, singular.
MatrixValue MatrixPower(const ExprNode& m, const Number& n);

ExprNode Transpose(const ExprNode& m);

}  // namespace zentrix::engine::matrix
