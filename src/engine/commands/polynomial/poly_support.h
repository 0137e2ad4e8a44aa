#pragma once
// Helpers shared by the polynomial command files.

#include <string>
#include <string_view>
#include <vector>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::poly {

// Runs one command body with its own work allowance; running out of it ends
// the command with the "too large" failure.
template <typename Body>
PolyCommandResult Guarded(Body body) {
  ScopedWorkAllowance allowance;
  try {
    return body();
  } catch (const PolyTooLarge&) {
    return PolyCommandResult::Fail(EngineError::kGeneral, std::u16string(kPolyTooLargeMessage));
  } catch (const ExactRangeExceeded&) {
    return PolyCommandResult::Fail(EngineError::kGeneral, std::u16string(kExactRangeMessage));
  }
}

// Runs a body that falls back to a given value when the work is too large or
// its exact result does not fit the Number's exact range.
template <typename Body>
ExprNode GuardedOr(const ExprNode& fallback, Body body) {
  ScopedWorkAllowance allowance;
  try {
    return body();
  } catch (const PolyTooLarge&) {
    return fallback;
  } catch (const ExactRangeExceeded&) {
    return fallback;
  }
}

// The variables of a and then the new ones of b.
std::vector<std::u16string> JointVariables(const ExprNode& a, const ExprNode& b);

// Expansion without a guard of its own (callers hold one).
ExprNode ExpandTree(const ExprNode& f);
ExprNode FactorTree(const ExprNode& f);
ExprNode NormalizeTree(const ExprNode& f);

}  // namespace zentrix::engine::poly
