#pragma once
// The matrix, vector and vector-calculus commands as command algorithms:
// adapters from the evaluator's checked arguments (see base/command_algorithm.h
// for their normal forms) to the functions of matrix_*.h, vector_*.h and
// eigen.h.

#include "engine/commands/base/command_algorithm.h"

namespace zentrix::engine {

// The algorithm of a matrix or vector command id, or nullptr for other ids.
CommandAlgorithm FindMatrixAlgorithm(int id);

}  // namespace zentrix::engine
