#include "graphing/stats/linear_system.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zentrix::graphing {

bool SolveLinearSystem(std::span<double> a, std::span<double> b) {
  const int n = static_cast<int>(b.size());
  if (n == 0 || n > kMaxSystemSize || static_cast<int>(a.size()) != n * n) return false;
  auto at = [&](int row, int column) -> double& { return a[row * n + column]; };

  double largest = 0;
  for (double v : a) {
    if (!std::isfinite(v)) return false;
    largest = std::max(largest, std::fabs(v));
  }
  // A pivot this small against the matrix's scale means the columns are dependent.
  const double tiny = largest * 1e-13;
  if (largest == 0) return false;

  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int row = k + 1; row < n; ++row) {
      if (std::fabs(at(row, k)) > std::fabs(at(pivot, k))) pivot = row;
    }
    if (std::fabs(at(pivot, k)) <= tiny) return false;
    if (pivot != k) {
      for (int column = 0; column < n; ++column) std::swap(at(k, column), at(pivot, column));
      std::swap(b[k], b[pivot]);
    }
    for (int row = k + 1; row < n; ++row) {
      const double factor = at(row, k) / at(k, k);
      for (int column = k; column < n; ++column) at(row, column) -= factor * at(k, column);
      b[row] -= factor * b[k];
    }
  }
  for (int k = n - 1; k >= 0; --k) {
    double sum = b[k];
    for (int column = k + 1; column < n; ++column) sum -= at(k, column) * b[column];
    b[k] = sum / at(k, k);
    if (!std::isfinite(b[k])) return false;
  }
  return true;
}

}  // namespace zentrix::graphing
