#pragma once
// Exact elimination for matrices of exact numbers (integers and fractions):
// the determinant by fraction-free (Bareiss) elimination on GMP integers and
// Gauss–Jordan reduction on GMP rationals, so that no product is rounded on
// the way. The results convert back to Number only where they fit its exact
// range (see exact_range.h): a fraction beyond it becomes a decimal, an
// integer beyond it throws ExactRangeExceeded.

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "engine/commands/matrix/matrix_support.h"

namespace zentrix::engine::matrix {

using RationalGrid = std::vector<std::vector<mpq_class>>;

// The grid's exact values; nullopt when an entry is a decimal or complex, or
// when exact elimination of a grid of this size and of these entries' sizes
// would take too long (the caller then computes in Number arithmetic).
std::optional<RationalGrid> ToRationalGrid(const NumberGrid& grid);
// Throws ExactRangeExceeded for an entry that does not fit.
NumberGrid FromRationalGrid(const RationalGrid& grid);

mpq_class ExactDeterminant(const RationalGrid& grid);
// Reduced row echelon form in place.
void ExactRowReduce(RationalGrid& grid);

}  // namespace zentrix::engine::matrix
