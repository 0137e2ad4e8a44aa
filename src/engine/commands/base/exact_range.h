#pragma once
// The exact range of a Number: a part is exact while its numerator and
// denominator are integers that binary64 holds without rounding. Exact
// algorithms that compute with wider integers check their results against
// it and report an answer beyond it instead of rounding it silently.

#include <string_view>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/core/number.h"

namespace zentrix::engine {

// 2^53: every integer up to it in magnitude is a binary64 value, and the
// reduction of fractions is exact up to it.
inline constexpr double kExactIntegerLimit = 9007199254740992.0;

// The message of an exact computation whose answer lies beyond the range.
inline constexpr std::u16string_view kExactRangeMessage =
    u"The exact result is too large for exact numbers.";

// Thrown by exact algorithms whose result would not fit; the command entry
// points turn it into kExactRangeMessage.
class ExactRangeExceeded : public LimitExceeded {
 public:
  ExactRangeExceeded() : LimitExceeded("exact result beyond the number range") {}
};

// v is an integer or a fraction whose numerator and denominator are within
// ±2^53, so that a rounding cannot have happened on the way to it.
inline bool IsWithinExactRange(const Number& v) {
  if (!v.IsReal() || v.IsDecimal()) return false;
  const double n = v.RealNumerator();
  return n <= kExactIntegerLimit && n >= -kExactIntegerLimit &&
         v.RealDenominator() <= kExactIntegerLimit;
}

}  // namespace zentrix::engine
