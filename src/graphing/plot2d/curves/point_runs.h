#pragma once
// Which consecutive points of a graph are joined: points of the same run only (a list of
// functions has one run per sub-function), and, with Hide Jumps, not across a break.

#include <algorithm>
#include <cstdint>
#include <span>

#include "graphing/model/graph2d.h"

namespace zentrix::graphing {

struct PointRuns {
  std::span<const PlotPoint> points;
  // First point index of each run, then the end (a list's offsets); empty: one run of all.
  std::span<const int> run_starts;
  // breaks[i] != 0: point i is not joined to point i + 1 (empty: no breaks).
  std::span<const std::uint8_t> breaks;

  // Calls visit(first, last) for each non-empty run, last exclusive.
  template <class Visit>
  void ForEachRun(Visit visit) const {
    const int count = static_cast<int>(points.size());
    if (run_starts.size() < 2) {
      if (count > 0) visit(0, count);
      return;
    }
    for (std::size_t r = 0; r + 1 < run_starts.size(); ++r) {
      const int first = std::clamp(run_starts[r], 0, count);
      const int last = std::clamp(run_starts[r + 1], 0, count);
      if (first < last) visit(first, last);
    }
  }
  bool Broken(int i) const { return static_cast<std::size_t>(i) < breaks.size() && breaks[i] != 0; }
};

// The runs of a graph's last sampling pass.
PointRuns RunsOf(const Graph2D& graph, std::span<const std::uint8_t> breaks = {});

}  // namespace zentrix::graphing
