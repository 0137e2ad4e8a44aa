#pragma once
// Exact values of the six circular functions at rational multiples of π whose
// reduced multiple k = c mod 2 is a multiple of 1/6 or 1/4. Values have the form
// (numerator/denominator)·√root with root 1, 2 or 3.

#include <optional>

namespace zentrix::engine {

struct ExactTrigValue {
  bool pole = false;  // the function is infinite there (tan(π/2), cot(0), ...)
  int numerator = 0;
  int denominator = 1;
  int root = 1;  // 1, 2 or 3
};

// `function_id` is one of the six circular functions; the multiple of π is
// p/q with 0 <= p/q < 2 in lowest terms. Nothing when no exact value is known.
std::optional<ExactTrigValue> ExactTrigAt(int function_id, long long p, long long q);

}  // namespace zentrix::engine
