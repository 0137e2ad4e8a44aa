#pragma once
// Sum and Product over a range of integers, by substitution; Sum with a
// symbolic or infinite upper bound, or a range too long to add up, in closed
// form.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_outcome.h"
#include "engine/commands/base/limits.h"

namespace zentrix::engine {

// Ranges with more values than this are refused with a message.
inline constexpr double kMaxRangeLength = limits::kSumRangeLength;

// The message of a Sum with a symbolic or infinite bound and no closed form.
inline constexpr std::u16string_view kNoClosedForm = u"Unable to find the sum in closed form.";

// Sum and Product in their normal form (f, x, min, max); `product` picks which.
std::optional<CommandOutcome> SumOrProductAlgorithm(std::vector<ExprNode>& arguments, bool product);
std::optional<CommandOutcome> SumAlgorithm(std::vector<ExprNode>& arguments);
std::optional<CommandOutcome> ProductAlgorithm(std::vector<ExprNode>& arguments);

}  // namespace zentrix::engine
