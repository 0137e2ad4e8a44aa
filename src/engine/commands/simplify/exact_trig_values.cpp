#include "engine/commands/simplify/exact_trig_values.h"

#include <numeric>

#include "engine/commands/base/elementary_functions.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

// The sine at k = step/12 (a multiple of 1/12 of π covers both the sixths and
// the quarters), in the r·√m form; only the steps used below are filled in.
struct Surd {
  int numerator;
  int denominator;
  int root;
};

Surd Normalised(long long n, long long d, int root) {
  if (n == 0) return {0, 1, 1};
  if (d < 0) n = -n, d = -d;
  long long g = std::gcd(n < 0 ? -n : n, d);
  return {static_cast<int>(n / g), static_cast<int>(d / g), root};
}

// sin(step·π/12) for the steps that are multiples of 2 (sixths) or 3 (quarters).
std::optional<Surd> SineAtStep(int step) {
  step %= 24;
  int sign = 1;
  if (step >= 12) {
    sign = -1;
    step -= 12;
  }
  if (step > 6) step = 12 - step;  // sin(π - u) = sin(u)
  Surd s;
  switch (step) {
    case 0: s = {0, 1, 1}; break;
    case 2: s = {1, 2, 1}; break;  // π/6
    case 3: s = {1, 2, 2}; break;  // π/4
    case 4: s = {1, 2, 3}; break;  // π/3
    case 6: s = {1, 1, 1}; break;  // π/2
    default: return std::nullopt;
  }
  s.numerator *= sign;
  return s;
}

// a/b for a = r1·√m1 and b = r2·√m2 (b non-zero): (r1/(r2·m2))·√(m1·m2), with the
// square factor of m1·m2 taken out.
Surd Divide(Surd a, Surd b) {
  long long n = static_cast<long long>(a.numerator) * b.denominator;
  long long d = static_cast<long long>(a.denominator) * b.numerator * b.root;
  int m = a.root * b.root;
  int outside = 1;
  for (int f : {2, 3}) {
    if (m % (f * f) == 0) {
      m /= f * f;
      outside *= f;
    }
  }
  return Normalised(n * outside, d, m);
}

ExactTrigValue FromSurd(Surd s) { return {false, s.numerator, s.denominator, s.root}; }

}  // namespace

std::optional<ExactTrigValue> ExactTrigAt(int function_id, long long p, long long q) {
  if (q <= 0 || 12 % q != 0) return std::nullopt;
  long long step = p * (12 / q);
  if (step < 0 || step >= 24) return std::nullopt;
  std::optional<Surd> sine = SineAtStep(static_cast<int>(step));
  std::optional<Surd> cosine = SineAtStep(static_cast<int>(step + 6));
  if (!sine || !cosine) return std::nullopt;
  const Surd one{1, 1, 1};
  auto quotient = [](Surd a, Surd b) -> ExactTrigValue {
    if (b.numerator == 0) return {true, 0, 1, 1};
    return FromSurd(Divide(a, b));
  };
  if (!IsInFamily(function_id, FunctionFamily::kCircular)) return std::nullopt;
  if (function_id == command_id::kSin) return FromSurd(*sine);
  if (function_id == command_id::kCos) return FromSurd(*cosine);
  // The other four are quotients of sin, cos and 1.
  const ElementaryFacts& facts = *FindElementaryFacts(function_id);
  auto value_of = [&](int g) {
    if (g == command_id::kSin) return *sine;
    return g == command_id::kCos ? *cosine : one;
  };
  return quotient(value_of(facts.quotient_numerator), value_of(facts.quotient_denominator));
}

}  // namespace zentrix::engine
