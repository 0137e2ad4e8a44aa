#pragma once
// The polynomial commands as command algorithms: adapters from the evaluator's
// checked arguments (see base/command_algorithm.h for their normal forms) to the
// functions of polynomial_commands.h.

#include "engine/commands/base/command_algorithm.h"

namespace zentrix::engine {

// The algorithm of a polynomial command id, or nullptr for other ids.
CommandAlgorithm FindPolynomialAlgorithm(int id);

}  // namespace zentrix::engine
