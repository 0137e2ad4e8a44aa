#pragma once
// Symbolic differentiation: the sum, product and quotient rules, the chain rule
// over the derivative table of the elementary functions, powers with numeric and
// symbolic exponents, and repeated derivatives.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/engine_error.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// df/dx, or nothing when some part of f has no rule (abs, floor, an
// unevaluated command, ...). Lists are differentiated element by element.
// Throws ResultTooLarge when a product rule or an intermediate quotient would
// grow beyond its size bound.
std::optional<ExprNode> DifferentiateOrThrow(const ExprNode& f, std::u16string_view x);

// DifferentiateOrThrow with nothing for a derivative beyond the size bound too:
// for callers to whom a derivative that is too large is as good as none.
std::optional<ExprNode> Differentiate(const ExprNode& f, std::u16string_view x);

// The derivative of the function `id` at u (f'(u), without the chain factor),
// or nothing for functions without an entry in the table.
std::optional<ExprNode> TableDerivative(int id, const ExprNode& u);

// The n-th derivative. A step without a rule leaves the unevaluated D call,
// which later steps wrap again. Repeating derivatives (sin, exp) are recognised
// by their cycle, so a huge n costs only one period. Fails with a message when
// the result grows beyond the size bound, the number of steps beyond the step
// bound, or a coefficient overflows.
struct NthDerivativeResult {
  std::optional<ExprNode> value;  // nothing: the first step already had no rule
  EngineFailure failure;          // set: the failure to report
};
NthDerivativeResult NthDerivative(const ExprNode& f, std::u16string_view x, double n);

// D in its normal form (f, x, n).
std::optional<CommandOutcome> DerivativeAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
