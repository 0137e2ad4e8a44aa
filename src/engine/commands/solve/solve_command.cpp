// Solve in its normal forms: ({lhs, rhs}, x), (a, b, c) and (a, b, c, d). The
// argument checks and the rewrite flag are the command rule's; here the forms
// are told apart and the work of one call is bounded.

#include <utility>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine {

std::optional<CommandOutcome> SolveAlgorithm(std::vector<ExprNode>& arguments) {
  // All expansions of one Solve share one work allowance.
  poly::ScopedWorkAllowance allowance;
  std::optional<ExprNode> roots;
  const std::vector<ExprNode>& a = arguments;
  if (a.size() == 3) {
    roots = QuadraticRoots(a[0], a[1], a[2]);
  } else if (a.size() == 4) {
    roots = CubicRoots(a[0], a[1], a[2], a[3]);
  } else if (a.size() == 2 && a[0].IsList() && a[0].OperandCount() == 2 && a[1].IsVariable()) {
    roots = SolveEquation(a[0].Operand(0), a[0].Operand(1), a[1].VariableName());
  } else {
    return CommandOutcome::Fail(EngineError::kBadSyntax);
  }
  // An infinite or undefined value (a zero leading coefficient, 1/x = 0,
  // overflow) is no root.
  if (!roots || !solve::IsFinite(*roots)) return CommandOutcome::Refused();
  return CommandOutcome::Value(std::move(*roots));
}

}  // namespace zentrix::engine
