#pragma once
// Eigenvalues of numeric matrices up to 3×3 through the characteristic
// polynomial det(M − λI) and the quadratic and cubic formulas, and the
// eigenvectors as bases of the null spaces of M − λI.

#include <optional>
#include <string_view>

#include "engine/core/expr_node.h"

namespace zentrix::engine::matrix {

// The name standing for λ in the characteristic polynomial. It starts with a
// control character, which no typed name can contain, so it never clashes
// with a variable of the user's.
inline constexpr std::u16string_view kLambdaName = u"\u0001lambda";

// Eigenvalues: the list of roots ({entry} for a 1×1 matrix). Nothing for a
// matrix that is not square or larger than 3×3, or whose characteristic
// polynomial cannot be solved.
std::optional<ExprNode> Eigenvalues(const ExprNode& m);

// The eigenvectors, for each distinct eigenvalue in turn a basis of the null
// space of M − λI (found by RowReduce). Eigenvalues given as decimals (the
// cubic formula) make M − λI only nearly singular, so entries within a small
// tolerance of 0 count as 0 there.
std::optional<ExprNode> Eigenvectors(const ExprNode& m);

// {eigenvalues, eigenvectors}, paired: the k-th value belongs to the k-th
// vector, a value repeated once for each vector of its null space (so a
// defective matrix lists fewer pairs than it has eigenvalues).
std::optional<ExprNode> Eigensystem(const ExprNode& m);

}  // namespace zentrix::engine::matrix
