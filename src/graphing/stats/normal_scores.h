#pragma once
// Normal scores of a Normal Probability plot.

#include <span>
#include <vector>

namespace zentrix::graphing {

// For n values sorted ascending, the i-th (from 1) gets z = Φ⁻¹((i − 0.5)/n).
std::vector<double> NormalScores(std::size_t n);

// The layout choice of a Normal Probability plot: 1 puts the scores on x and the data on y;
// 0, and any other stored value, the data on x and the scores on y.
inline bool ScoresOnX(int data_axis) { return data_axis == 1; }

}  // namespace zentrix::graphing
