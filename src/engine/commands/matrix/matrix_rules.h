#pragma once
// The argument rules of the matrix, vector and vector-calculus commands.

#include "engine/commands/base/command_rule.h"

namespace zentrix::engine {

// (matrix); a refused algorithm is code 4.
CommandOutcome MatrixRule(const CommandCall& call, CommandArgs a);
// (numeric matrix); a refused algorithm is code 4.
CommandOutcome NumericMatrixRule(const CommandCall& call, CommandArgs a);
// Inverse: (matrix); a refused algorithm is "General".
CommandOutcome InverseRule(const CommandCall& call, CommandArgs a);
// Identity: (n) with n an integer below 100.
CommandOutcome IdentityRule(const CommandCall& call, CommandArgs a);
// Dot: (list, list) of one length or (matrix, matrix) that multiply.
CommandOutcome DotRule(const CommandCall& call, CommandArgs a);
// MatrixPower: (matrix, n) with n an integer.
CommandOutcome MatrixPowerRule(const CommandCall& call, CommandArgs a);
// Jacobian, Hessian: (f[, variable list[, point]]).
CommandOutcome JacobianRule(const CommandCall& call, CommandArgs a);
// Gradient, Divergence, Laplacian: (f[, variable list]).
CommandOutcome FieldRule(const CommandCall& call, CommandArgs a);
// Curl: (three-element list[, three variables]).
CommandOutcome CurlRule(const CommandCall& call, CommandArgs a);
// Cross: two three-element lists.
CommandOutcome CrossRule(const CommandCall& call, CommandArgs a);
// VectorNorm: (list[, number]).
CommandOutcome VectorNormRule(const CommandCall& call, CommandArgs a);
// ScalarTripleProduct: three three-element lists.
CommandOutcome TripleProductRule(const CommandCall& call, CommandArgs a);
// VectorAngle: two lists.
CommandOutcome VectorAngleRule(const CommandCall& call, CommandArgs a);
// Duf: (f, variable list, point, direction), the lists of one length.
CommandOutcome DufRule(const CommandCall& call, CommandArgs a);

}  // namespace zentrix::engine
