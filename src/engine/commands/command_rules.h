#pragma once
// The argument rules of the commands: accepted forms, checks and messages, and
// the hand-over to the command's algorithm (or, without one, the call left
// unevaluated).

#include <optional>
#include <string>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// Runs the command `id` on its evaluated arguments, in entry order. Elementary
// functions, the angle marks and Clear are the evaluator's own and not handled here.
CommandOutcome RunCommand(int id, std::vector<ExprNode> arguments);

// The single-variable rule: no variable gives x, exactly one gives it, more
// than one gives nothing.
std::optional<std::u16string> SingleVariable(const ExprNode& tree);
// The same rule over the variables of several trees together.
std::optional<std::u16string> SingleVariable(const std::vector<const ExprNode*>& trees);

// angle(d[, m[, s]]): (d + m/60 + s/3600)·π/180 in radians, in degrees without
// the factor π/180.
ExprNode AngleValue(std::vector<ExprNode> parts);

}  // namespace zentrix::engine
