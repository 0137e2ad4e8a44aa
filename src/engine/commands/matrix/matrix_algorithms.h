#pragma once
// The matrix, vector and vector-calculus commands as command algorithms:
// adapters from the evaluator's checked arguments (see base/command_algorithm.h
// for their normal forms) to the functions of matrix_*.h, vector_*.h and eigen.h.

#include <optional>
#include <vector>

#include "engine/commands/base/command_algorithm.h"

namespace zentrix::engine {

std::optional<CommandOutcome> DetAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> TransposeAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> IdentityAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> RowReduceAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> InverseAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> MatrixPowerAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> DotAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> CrossAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> VectorNormAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> VectorAngleAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> TripleProductAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> QrAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> EigenvaluesAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> EigenvectorsAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> EigensystemAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> JacobianAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> HessianAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> GradientAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> DivergenceAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> LaplacianAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> CurlAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> DufAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
