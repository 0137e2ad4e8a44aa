#include "engine/commands/polynomial/dense_gcd.h"

#include <algorithm>

#include "engine/commands/base/poly_limits.h"

namespace zentrix::engine::poly {
namespace {

void Trim(DenseIntegers& p) {
  while (!p.empty() && p.back() == 0) p.pop_back();
}

std::size_t Bits(const DenseIntegers& p) {
  std::size_t bits = 0;
  for (const mpz_class& c : p) bits = std::max(bits, mpz_sizeinbase(c.get_mpz_t(), 2));
  return bits;
}

// p divided by its content, with a positive leading coefficient.
void MakePrimitive(DenseIntegers& p) {
  mpz_class content = DenseContent(p);
  if (p.back() < 0) content = -content;
  for (mpz_class& c : p) mpz_divexact(c.get_mpz_t(), c.get_mpz_t(), content.get_mpz_t());
}

// lc(b)^k·a mod b for the k that makes the division exact (a, b non-zero,
// deg a ≥ deg b).
DenseIntegers PseudoRemainder(DenseIntegers r, const DenseIntegers& b) {
  const std::size_t db = b.size() - 1;
  const mpz_class& lb = b.back();
  // Each step costs a pass over r, in proportion to the coefficients' size.
  ChargeWork(
      static_cast<std::int64_t>((r.size() - db) * r.size() * (1 + (Bits(r) + Bits(b)) / 64)));
  while (!r.empty() && r.size() - 1 >= db) {
    const mpz_class lr = r.back();
    const std::size_t shift = r.size() - 1 - db;
    for (mpz_class& c : r) c *= lb;
    for (std::size_t j = 0; j <= db; ++j) r[shift + j] -= lr * b[j];
    r.pop_back();  // cancelled exactly
    Trim(r);
  }
  return r;
}

}  // namespace

mpz_class DenseContent(const DenseIntegers& p) {
  mpz_class g = 0;
  for (const mpz_class& c : p) {
    mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), c.get_mpz_t());
    if (g == 1) break;
  }
  return g;
}

DenseIntegers DensePrimitiveGcd(DenseIntegers a, DenseIntegers b) {
  Trim(a);
  Trim(b);
  if (a.size() < b.size()) std::swap(a, b);
  MakePrimitive(a);
  MakePrimitive(b);
  while (b.size() > 1) {
    DenseIntegers r = PseudoRemainder(a, b);
    if (r.empty()) return b;
    MakePrimitive(r);
    a = std::move(b);
    b = std::move(r);
  }
  // A non-zero constant remainder: coprime.
  return DenseIntegers{1};
}

}  // namespace zentrix::engine::poly
