#pragma once
// The argument rules of the polynomial commands.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

// Quotient, Remainder, PolyDivide: (p, q) with one common variable, or (p, q, x).
CommandOutcome DivisionRule(const CommandCall& call, CommandArgs a);
// GCD: two or more arguments.
CommandOutcome GcdRule(const CommandCall& call, CommandArgs a);
// LCM: two numbers.
CommandOutcome LcmRule(const CommandCall& call, CommandArgs a);
// Operand: (f, n) with n an integer.
CommandOutcome OperandRule(const CommandCall& call, CommandArgs a);
// Coefficient: (f, x, n) with n a number.
CommandOutcome CoefficientRule(const CommandCall& call, CommandArgs a);
// Degree: (f, x).
CommandOutcome DegreeRule(const CommandCall& call, CommandArgs a);
// Lagrange: (list of numbers, x).
CommandOutcome LagrangeRule(const CommandCall& call, CommandArgs a);
// FactorSquareFree: (f) with one variable.
CommandOutcome SquareFreeRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
