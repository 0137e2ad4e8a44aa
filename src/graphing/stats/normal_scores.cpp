#include "graphing/stats/normal_scores.h"

#include "engine/commands/statistics/distributions.h"

namespace zentrix::graphing {

std::vector<double> NormalScores(std::size_t n) {
  std::vector<double> scores(n);
  for (std::size_t i = 0; i < n; ++i) {
    scores[i] = engine::InverseNormal((static_cast<double>(i) + 0.5) / static_cast<double>(n));
  }
  return scores;
}

}  // namespace zentrix::graphing
