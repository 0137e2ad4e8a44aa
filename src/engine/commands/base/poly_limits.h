#pragma once
// Bounds on the work of the polynomial commands. Polynomial arithmetic counts
// its coefficient operations against an allowance that each command call
// starts afresh; running out, or building too many terms, throws PolyTooLarge
// (base/limit_exceeded.h), which never leaves the polynomial commands: their
// entry points catch it and report the failure. A spent entry budget throws
// EntryTooSlow, which passes through them to the evaluator.

#include <cstdint>
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"

namespace zentrix::engine::poly {

// Largest number of terms of one polynomial.
inline constexpr std::int64_t kMaxTerms = limits::kPolyTerms;
// Coefficient operations allowed in one command call.
inline constexpr std::int64_t kWorkAllowance = limits::kPolyWorkAllowance;
// Largest magnitude of an exponent.
inline constexpr std::int64_t kMaxExponent = limits::kPolyExponent;

class PolyTooLarge : public LimitExceeded {
 public:
  PolyTooLarge() : LimitExceeded("polynomial too large") {}
};

// Counts work; throws PolyTooLarge when the allowance is spent, EntryTooSlow
// when the entry's budget is.
void ChargeWork(std::int64_t operations);

// Term operations on exponent vectors of many variables (functions count as
// variables) cost in proportion to the vector's width.
inline std::int64_t WidthScaled(std::int64_t operations, int variables) {
  return operations * (1 + variables / 8);
}
// Throws PolyTooLarge when a polynomial would exceed kMaxTerms terms.
void CheckTermCount(std::int64_t terms);
// Throws PolyTooLarge when an exponent is out of range.
void CheckExponent(std::int64_t exponent);

// Marks one command call. The outermost one starts a fresh allowance; commands
// that call other commands share it, so nesting cannot multiply the bound.
class ScopedWorkAllowance {
 public:
  ScopedWorkAllowance();
  ~ScopedWorkAllowance();
  ScopedWorkAllowance(const ScopedWorkAllowance&) = delete;
  ScopedWorkAllowance& operator=(const ScopedWorkAllowance&) = delete;
};

}  // namespace zentrix::engine::poly
