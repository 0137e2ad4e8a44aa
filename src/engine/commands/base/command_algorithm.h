#pragma once
// The signature of a command's algorithm. The evaluator checks a command's
// arguments (count, kinds, variables) with the command's rule and then calls
// the algorithm with the arguments in the command's normal form:
//   Sum, Product            (f, x, min, max)         min and max integers
//   Det, Transpose, RowReduce, QR, Inverse, Eigenvalues   (matrix)
//   Identity                (n)                      an integer below 100
//   D                       (f, x, n)                n an integer (1 when not given)
//   Integrate               (f, x) or (f, x, a, b)
//   Expand, Factor, Normalize, TrigReduce, Numerator, Denominator, Together  (f)
//   Limit                   (f, x, a, direction)     direction -1, 0 or 1
//   GCD                     (a, b, ...)              two or more
//   Quotient, Remainder, PolyDivide  (p, q, x)
//   Operand                 (f, n)                   n an integer
//   Coefficient             (f, x, n)                n a number
//   Degree                  (f, x)
//   Series                  (f, x, x0, n)            n an integer
//   Solve                   ({lhs, rhs}, x), (a, b, c) or (a, b, c, d)
//   FSeries                 (f, x, n)                n a positive integer
//   LCM                     (a, b)                   numbers
//   Lagrange                (list of numbers, x)
//   FactorSquareFree        (f, x)
//   Dot                     (list, list) of one length, or two matrices that multiply
//   Jacobian, Hessian       (f[, variable list[, point]])
//   Gradient, Divergence, Laplacian, Curl  (f[, variable list])
//   Cross, VectorNorm, VectorAngle, ScalarTripleProduct, Duf  (as typed)
//   NIntegrate              (f, x, a, b)             a and b real numbers
//   MatrixPower             (matrix, n)              n an integer
//   VarStats                (list) or (list1, list2)
//
// An algorithm answers a value, a failure with its own message, Refused() for
// the command's usual failure text, or nothing when it has no rule for these
// arguments, in which case the call stays unevaluated. A command without an
// algorithm answers its own call unevaluated.

#include <optional>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

using CommandAlgorithm = std::optional<CommandOutcome> (*)(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
