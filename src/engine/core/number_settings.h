#pragma once
// How answers are shown: exact fractions, decimals, or mixed numbers.

namespace zentrix::engine {

enum class NumberMode { kFraction = 0, kDecimal = 1, kMixed = 2 };

}  // namespace zentrix::engine
