#pragma once
// The exact running sum or product of Sum and Product while every value is
// an exact number: Number arithmetic rounds integers beyond 2^53 and would
// hand back a rounded "exact" answer, GMP rationals do not.

#include <gmpxx.h>

#include <optional>

#include "engine/core/expr_node.h"

namespace zentrix::engine::calculus {

class ExactAccumulator {
 public:
  explicit ExactAccumulator(bool product) : product_(product), value_(product ? 1 : 0) {}

  // Takes in one value; any value that is not an exact number ends the
  // exact account.
  void Add(const ExprNode& value);
  // The exact result as a Number when every value was an exact number:
  // exact within the exact range, a decimal for a fraction beyond it.
  // Throws ExactRangeExceeded for an integer beyond it; nullopt when some
  // value was not an exact number.
  std::optional<Number> Result() const;

 private:
  bool product_;
  bool exact_ = true;
  mpq_class value_;
};

}  // namespace zentrix::engine::calculus
