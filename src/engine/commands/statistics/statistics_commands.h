#pragma once
// The statistics commands on evaluated arguments: the distribution commands
// (argument checks, then a decimal result) and VarStats (the labelled lines of
// its final text).

#include <optional>
#include <string>
#include <vector>

#include "engine/commands/base/command_algorithm.h"
#include "engine/commands/base/command_outcome.h"
#include "engine/commands/statistics/distributions.h"
#include "engine/core/decimal_format.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// A distribution command on its arguments in entry order: a decimal result,
// Refused (the rule then shows the command's syntax line) for a wrong count or
// an argument that is not a real constant, "Too many parameters" beyond four.
CommandOutcome DistributionCommand(const DistributionFunction& d,
                                   const std::vector<ExprNode>& arguments);

// The algorithm of a distribution's registry row.
template <auto F>
std::optional<CommandOutcome> DistributionAlgorithm(std::vector<ExprNode>& arguments) {
  return DistributionCommand(kDistributionOf<F>, arguments);
}

// A distribution's registry column: its algorithm for entries and its function
// of doubles for graphs.
struct DistributionColumn {
  CommandAlgorithm algorithm = nullptr;
  DistributionFunction function;
};
template <auto F>
inline constexpr DistributionColumn Distribution{&DistributionAlgorithm<F>, kDistributionOf<F>};

// The algorithm of VarStats, with the argument count and the list kinds already
// checked: the statistics text as the final text; an element that is not a
// real number gives code 4, lists of different lengths code 0.
std::optional<CommandOutcome> VarStatsAlgorithm(std::vector<ExprNode>& arguments);

// The real value of a constant argument: a real number as it stands, plus or
// minus infinity, or a tree without variables whose numeric approximation is a
// real number (π, √2, ...). Anything else gives nothing.
std::optional<double> RealConstant(const ExprNode& argument);

struct ListStats;
struct PairStats;

// The lines of VarStats, each "label=value" and a line feed, with the values
// written by the decimal formatter in `format`.
std::u16string VarStatsText(const ListStats& x, const DecimalFormat& format);
std::u16string VarStatsText(const PairStats& xy, const DecimalFormat& format);

}  // namespace zentrix::engine
