#include "graphing/plot2d/features/feature_finder.h"

namespace zentrix::graphing {
namespace {

// Marks turning points: `towards` is the sign of the row step before the turn (+1: rows grow,
// the graph falls, so the turn is a minimum). Along a flat stretch at the turn the mark is the
// stretch's start index plus half its length.
void FindTurns(std::span<const PlotPoint> run, int towards, std::vector<PlotPoint>& out) {
  bool heading = false;  // the last non-flat step went towards the turn
  int flat_start = -1;
  const int count = static_cast<int>(run.size());
  for (int i = 0; i + 1 < count; ++i) {
    const int step = run[i + 1].row - run[i].row;
    if (step == 0) {
      if (flat_start < 0) flat_start = i;
      continue;
    }
    const int direction = step > 0 ? 1 : -1;
    if (direction == towards) {
      heading = true;
    } else {
      if (heading) {
        const int mark = flat_start >= 0 ? flat_start + (i - flat_start + 1) / 2 : i;
        out.push_back(run[mark]);
      }
      heading = false;
    }
    flat_start = -1;
  }
}

int Side(int row, int origin_row) { return row < origin_row ? -1 : row > origin_row ? 1 : 0; }

// Strictly between two rows, in either order.
bool Between(int value, int from, int to) {
  return (from < value && value < to) || (to < value && value < from);
}

// The graphs swapped sides between two columns without either row lying strictly between the
// other's (rows that touch at one end: 150/149 then 149/151).
bool Crossed(int before, int after) {
  return (before < 0 && after > 0) || (before > 0 && after < 0);
}

}  // namespace

void FindMinima(std::span<const PlotPoint> run, std::vector<PlotPoint>& out) {
  FindTurns(run, 1, out);
}

void FindMaxima(std::span<const PlotPoint> run, std::vector<PlotPoint>& out) {
  FindTurns(run, -1, out);
}

void FindZeros(std::span<const PlotPoint> run, int origin_row, std::vector<PlotPoint>& out,
               std::span<const std::uint8_t> breaks) {
  const std::size_t count = run.size();
  for (std::size_t i = 0; i < count;) {
    if (run[i].row == origin_row) {
      std::size_t last = i;
      while (last + 1 < count && run[last + 1].row == origin_row) ++last;
      out.push_back({run[(i + last) / 2].column, origin_row});
      i = last + 1;
      continue;
    }
    const bool jump = i > 0 && i - 1 < breaks.size() && breaks[i - 1] != 0;
    if (i > 0 && !jump && Side(run[i - 1].row, origin_row) * Side(run[i].row, origin_row) < 0) {
      out.push_back({run[i].column, origin_row});
    }
    ++i;
  }
}

void FindIntersections(std::span<const PlotPoint> a, std::span<const PlotPoint> b,
                       std::vector<PlotPoint>& out) {
  std::size_t i = 0, j = 0;
  bool have_previous = false, skip = false;
  int previous_a = 0, previous_b = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].column < b[j].column) {
      ++i;
      continue;
    }
    if (b[j].column < a[i].column) {
      ++j;
      continue;
    }
    const int row_a = a[i].row, row_b = b[j].row;
    if (have_previous && !skip) {
      if (row_a == row_b) {
        out.push_back(a[i]);
        skip = true;
      } else if (Between(row_b, previous_a, row_a)) {
        out.push_back(b[j]);
      } else if (Between(row_a, previous_b, row_b)) {
        out.push_back(a[i]);
      } else if (Crossed(previous_a - previous_b, row_a - row_b)) {
        out.push_back(a[i]);
      }
    } else {
      skip = false;
    }
    previous_a = row_a;
    previous_b = row_b;
    have_previous = true;
    ++i;
    ++j;
  }
}

}  // namespace zentrix::graphing
