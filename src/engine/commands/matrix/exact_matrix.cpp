#include "engine/commands/matrix/exact_matrix.h"

#include <algorithm>
#include <utility>

#include "engine/commands/base/limits.h"
#include "engine/commands/polynomial/exact_poly.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::matrix {
namespace {

// Entry operations of one exact elimination, weighted by the size of the
// numbers they combine (which grows with the size of the matrix).
constexpr double kMaxExactWork = limits::kExactEliminationWork;

}  // namespace

std::optional<RationalGrid> ToRationalGrid(const NumberGrid& grid) {
  RationalGrid out;
  std::size_t bits = 0;
  for (const std::vector<Number>& row : grid) {
    std::vector<mpq_class>& exact = out.emplace_back();
    for (const Number& v : row) {
      std::optional<mpq_class> q = poly::ToRational(v);
      if (!q) return std::nullopt;
      bits = std::max(
          bits, mpz_sizeinbase(q->get_num_mpz_t(), 2) + mpz_sizeinbase(q->get_den_mpz_t(), 2));
      exact.push_back(std::move(*q));
    }
  }
  // The entries of an elimination of n rows grow to about n times the bits
  // of the entries; a multiplication costs in proportion to the words.
  const double n = static_cast<double>(out.size());
  const double columns = out.empty() ? 0.0 : static_cast<double>(out[0].size());
  const double words = 1.0 + n * static_cast<double>(bits) / 64.0;
  if (n * n * columns * words > kMaxExactWork) return std::nullopt;
  return out;
}

NumberGrid FromRationalGrid(const RationalGrid& grid) {
  // Exact work, as the fraction arithmetic of Number would have marked it.
  RaiseRewriteFlag();
  NumberGrid out;
  for (const std::vector<mpq_class>& row : grid) {
    std::vector<Number>& numbers = out.emplace_back();
    for (const mpq_class& q : row) numbers.push_back(poly::ToNumber(q));
  }
  return out;
}

mpq_class ExactDeterminant(const RationalGrid& grid) {
  RaiseRewriteFlag();
  const std::size_t n = grid.size();
  // Each row times the lcm of its denominators: an integer matrix whose
  // determinant is the scale times the one sought.
  std::vector<std::vector<mpz_class>> a(n);
  mpz_class scale = 1;
  for (std::size_t i = 0; i < n; ++i) {
    mpz_class lcm = 1;
    for (const mpq_class& q : grid[i]) mpz_lcm(lcm.get_mpz_t(), lcm.get_mpz_t(), q.get_den_mpz_t());
    scale *= lcm;
    for (const mpq_class& q : grid[i]) a[i].push_back(q.get_num() * (lcm / q.get_den()));
  }
  int sign = 1;
  mpz_class previous = 1;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (a[k][k] == 0) {
      std::size_t swap = k + 1;
      while (swap < n && a[swap][k] == 0) ++swap;
      if (swap == n) return 0;
      std::swap(a[k], a[swap]);
      sign = -sign;
    }
    for (std::size_t i = k + 1; i < n; ++i) {
      for (std::size_t j = k + 1; j < n; ++j) {
        // Every such quotient is a minor of the matrix: the division is exact.
        mpz_class t = a[i][j] * a[k][k] - a[i][k] * a[k][j];
        mpz_divexact(a[i][j].get_mpz_t(), t.get_mpz_t(), previous.get_mpz_t());
      }
    }
    previous = a[k][k];
  }
  mpq_class det(a[n - 1][n - 1] * sign, scale);
  det.canonicalize();
  return det;
}

void ExactRowReduce(RationalGrid& g) {
  const std::size_t rows = g.size();
  const std::size_t columns = rows == 0 ? 0 : g[0].size();
  const std::size_t pivots = std::min(rows, columns);
  std::size_t i = 0;
  for (std::size_t j = 0; j < columns && i < pivots; ++j) {
    std::size_t p = i;
    while (p < rows && g[p][j] == 0) ++p;
    if (p == rows) continue;
    std::swap(g[i], g[p]);
    const mpq_class reciprocal = 1 / g[i][j];
    for (std::size_t k = j; k < columns; ++k) g[i][k] *= reciprocal;
    for (std::size_t l = 0; l < rows; ++l) {
      if (l == i || g[l][j] == 0) continue;
      const mpq_class factor = g[l][j];
      for (std::size_t k = j; k < columns; ++k) g[l][k] -= factor * g[i][k];
    }
    ++i;
  }
}

}  // namespace zentrix::engine::matrix
