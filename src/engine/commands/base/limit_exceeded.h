#pragma once
// The one channel of the command layer's "too large" and "too slow" failures:
// the code that meets a bound (base/limits.h) throws one of these, and the
// code that answers for the failure catches the kinds it reports. Nothing
// between has to check and pass on a flag, and a partial result can never
// be mistaken for an answer.
//
//   EntryTooSlow        the entry's work budget is spent; the outermost owner
//                       of the budget reports "The calculation takes too long."
//   ResultTooLarge      a result beyond a size bound ("The expression is too large.")
//   MatrixTooLarge      a matrix beyond the work bound of its command ("The matrix
//                       is too large.")
//   PolyTooLarge        polynomial work beyond its allowance (base/poly_limits.h)
//   ExactRangeExceeded  an exact result beyond Number's range (base/exact_range.h)

#include <stdexcept>

namespace zentrix::engine {

class LimitExceeded : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EntryTooSlow : public LimitExceeded {
 public:
  EntryTooSlow() : LimitExceeded("the entry's work budget is spent") {}
};

class ResultTooLarge : public LimitExceeded {
 public:
  ResultTooLarge() : LimitExceeded("result beyond its size bound") {}
};

class MatrixTooLarge : public LimitExceeded {
 public:
  MatrixTooLarge() : LimitExceeded("matrix beyond its command's work bound") {}
};

}  // namespace zentrix::engine
