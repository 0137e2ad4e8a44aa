#pragma once
// The polynomial commands as command algorithms: adapters from the evaluator's
// checked arguments (see base/command_algorithm.h for their normal forms) to the
// functions of polynomial_commands.h.

#include <optional>
#include <vector>

#include "engine/commands/base/command_algorithm.h"

namespace zentrix::engine {

std::optional<CommandOutcome> ExpandAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> FactorAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> NormalizeAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> NumeratorAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> DenominatorAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> TogetherAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> ContentAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> GcdAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> LcmAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> QuotientAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> RemainderAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> PolyDivideAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> OperandAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> CoefficientAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> DegreeAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> LagrangeAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> SquareFreeAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
