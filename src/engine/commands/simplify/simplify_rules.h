#pragma once
// The argument rules of Eval and of angle and rad, and the angle value the
// evaluator's degree, minute and second marks share with them.

#include <vector>

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

// Eval: (f, x, value) or (f, list of variables, list of values).
CommandOutcome EvalRule(const CommandCall& call, CommandArgs a);
// angle, rad: (degrees[, minutes[, seconds]]).
CommandOutcome AngleRule(const CommandCall& call, CommandArgs a);

// angle(d[, m[, s]]): (d + m/60 + s/3600)·π/180 in radians, in degrees without
// the factor π/180.
ExprNode AngleValue(std::vector<ExprNode> parts);

// π/180 as a symbol term: the factor from degrees to radians in exact answers.
ExprNode PiOver180();

}  // namespace zentrix::engine
