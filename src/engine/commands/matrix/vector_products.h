#pragma once
// Vector commands on plain lists: the cross product, p-norms, the angle
// between two vectors and the scalar triple product; and the QR
// factorisation of a matrix by exact Gram–Schmidt on its columns.

#include <optional>

#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::matrix {

// Every result larger than kMaxEntrySize throws ResultTooLarge.

// a × b for two 3-element lists, each component expanded.
ExprNode CrossProduct(const ExprNode& a, const ExprNode& b);

// (Σ abs(v_i)^p)^(1/p) with the inner sum expanded; nothing for p = 0.
std::optional<ExprNode> VectorNorm(const ExprNode& v, const Number& p);
// ‖v‖₂.
ExprNode EuclideanNorm(const ExprNode& v);

// acos(a·b / (‖a‖₂·‖b‖₂)); nothing when the lengths differ or a norm is 0.
std::optional<ExprNode> VectorAngle(const ExprNode& a, const ExprNode& b);

// a·(b × c).
ExprNode ScalarTripleProduct(const ExprNode& a, const ExprNode& b, const ExprNode& c);

// The list {Q, R}: Q has orthonormal columns, R is upper triangular, Q·R is
// the argument. Nothing when a column becomes 0 (dependent columns); throws
// MatrixTooLarge for a matrix beyond the work bound.
std::optional<ExprNode> QrDecomposition(const ExprNode& m);

}  // namespace zentrix::engine::matrix
