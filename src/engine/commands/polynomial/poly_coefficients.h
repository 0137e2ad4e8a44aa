#pragma once
// Coefficient arithmetic of the polynomial code: Number arithmetic with a fast
// path for the common case of two integer-or-decimal values, which gives the
// same value as the general routine (the plain double operation).

#include "engine/core/number.h"

namespace zentrix::engine::poly {

inline Number MulNumbers(const Number& a, const Number& b) {
  if (a.IsIntegerOrDecimal() && b.IsIntegerOrDecimal()) {
    // + 0.0 turns a negative zero into zero.
    return Number(a.RealNumerator() * b.RealNumerator() + 0.0);
  }
  return Multiply(a, b);
}

inline void AddTo(Number& acc, const Number& b) {
  if (acc.IsIntegerOrDecimal() && b.IsIntegerOrDecimal()) {
    acc = Number(acc.RealNumerator() + b.RealNumerator() + 0.0);
  } else {
    acc = Add(acc, b);
  }
}

// base^n for n >= 0 by repeated squaring in Number arithmetic, so that exact
// values stay exact (the general power routine goes through polar form).
inline Number IntPower(Number base, long long n) {
  Number result(1.0);
  while (n > 0) {
    if (n & 1) result = MulNumbers(result, base);
    n >>= 1;
    if (n > 0) base = MulNumbers(base, base);
  }
  return result;
}

}  // namespace zentrix::engine::poly
