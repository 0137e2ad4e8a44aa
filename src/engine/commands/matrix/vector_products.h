#pragma once
// Vector commands on plain lists: the cross product, p-norms, the angle
// between two vectors and the scalar triple product; and the QR
// factorisation of a matrix by exact Gram–Schmidt on its columns.

#include <optional>

#include "engine/commands/matrix/matrix_operations.h"
#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::matrix {

// a × b for two 3-element lists, each component expanded.
MatrixValue CrossProduct(const ExprNode& a, const ExprNode& b);

// (Σ abs(v_i)^p)^(1/p) with the inner sum expanded; no value for p = 0.
MatrixValue VectorNorm(const ExprNode& v, const Number& p);

// acos(a·b / (‖a‖₂·‖b‖₂)); no value when the lengths differ or a norm is 0.
MatrixValue VectorAngle(const ExprNode& a, const ExprNode& b);

// a·(b × c).
MatrixValue ScalarTripleProduct(const ExprNode& a, const ExprNode& b, const ExprNode& c);

// The list {Q, R}: Q has orthonormal columns, R is upper triangular, Q·R is
// the argument. No value when a column becomes 0 (dependent columns).
MatrixValue QrDecomposition(const ExprNode& m);

}  // namespace zentrix::engine::matrix
