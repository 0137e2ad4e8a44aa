#include "graphing/plot2d/features/analysis_overlay.h"

#include <cstdlib>

#include "graphing/model/function_graph.h"
#include "graphing/plot2d/curves/point_runs.h"
#include "graphing/plot2d/features/feature_finder.h"

namespace zentrix::graphing {
namespace {

bool Analysable(const Graph2D& graph) {
  return graph.enabled && graph.compiled && graph.kind() == Graph2DKind::kFunction;
}

bool SingleFunction(const Graph2D& graph) {
  return static_cast<const FunctionGraph&>(graph).list_count() == 0;
}

void DrawCircle(draw::Surface& surface, PlotPoint centre, int radius, Colour colour) {
  // Midpoint circle: eight symmetric pixels per step.
  int x = radius, y = 0, error = 1 - radius;
  while (x >= y) {
    const int cx = centre.column, cy = centre.row;
    const int px[8] = {cx + x, cx - x, cx + x, cx - x, cx + y, cx - y, cx + y, cx - y};
    const int py[8] = {cy + y, cy + y, cy - y, cy - y, cy + x, cy + x, cy - x, cy - x};
    for (int i = 0; i < 8; ++i) surface.SetPixel(px[i], py[i], colour);
    ++y;
    if (error < 0) {
      error += 2 * y + 1;
    } else {
      --x;
      error += 2 * (y - x) + 1;
    }
  }
}

Colour KindColour(FeatureKind kind, const PlotDisplay& d) {
  switch (kind) {
    case FeatureKind::kMinimum: return d.minima_colour;
    case FeatureKind::kMaximum: return d.maxima_colour;
    case FeatureKind::kZero: return d.zeros_colour;
    case FeatureKind::kIntersection: break;
  }
  return d.intersections_colour;
}

}  // namespace

void FeatureLists::Clear() {
  items_.clear();
  for (int& c : counts_) c = 0;
}

void FeatureLists::Take(FeatureKind kind, int graph, int other) {
  for (const PlotPoint& p : scratch_) items_.push_back({p, kind, graph, other});
  counts_[static_cast<int>(kind)] += static_cast<int>(scratch_.size());
  scratch_.clear();
}

void FeatureLists::Find(const GraphSet2D& graphs, const PlotDisplay& display, int origin_row,
                        std::span<const std::vector<std::uint8_t>> breaks) {
  Clear();
  const int count = static_cast<int>(graphs.size());
  for (int g = 0; g < count; ++g) {
    const Graph2D& graph = graphs[g];
    if (!Analysable(graph)) continue;
    const PointRuns runs = RunsOf(graph);
    if (display.minima) {
      runs.ForEachRun([&](int a, int b) { FindMinima(runs.points.subspan(a, b - a), scratch_); });
      Take(FeatureKind::kMinimum, g, -1);
    }
    if (display.maxima) {
      runs.ForEachRun([&](int a, int b) { FindMaxima(runs.points.subspan(a, b - a), scratch_); });
      Take(FeatureKind::kMaximum, g, -1);
    }
    if (display.zeros) {
      const std::span<const std::uint8_t> jumps = static_cast<std::size_t>(g) < breaks.size()
                                                      ? std::span(breaks[g])
                                                      : std::span<const std::uint8_t>();
      runs.ForEachRun([&](int a, int b) {
        const std::span<const std::uint8_t> run_jumps =
            static_cast<std::size_t>(a) < jumps.size() ? jumps.subspan(a) : jumps.subspan(0, 0);
        FindZeros(runs.points.subspan(a, b - a), origin_row, scratch_, run_jumps);
      });
      Take(FeatureKind::kZero, g, -1);
    }
  }
  if (!display.intersections) return;
  for (int a = 0; a < count; ++a) {
    if (!Analysable(graphs[a]) || !SingleFunction(graphs[a])) continue;
    for (int b = a + 1; b < count; ++b) {
      if (!Analysable(graphs[b]) || !SingleFunction(graphs[b])) continue;
      FindIntersections(std::span(graphs[a].points(), graphs[a].point_count()),
                        std::span(graphs[b].points(), graphs[b].point_count()), scratch_);
      Take(FeatureKind::kIntersection, a, b);
    }
  }
}

int FeatureLists::HitTest(int x, int y) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const PlotPoint p = items_[i].point;
    if (std::abs(p.column - x) <= kFeatureHitDistance &&
        std::abs(p.row - y) <= kFeatureHitDistance) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void DrawFeatureCircles(draw::Surface& surface, const FeatureLists& features,
                        const PlotDisplay& display) {
  const int radius = kFeatureCircleRadius * (display.double_resolution ? 2 : 1);
  for (const FoundFeature& f : features.items()) {
    DrawCircle(surface, f.point, radius, KindColour(f.kind, display));
  }
}

void DrawSelectionOutline(draw::Surface& surface, const FeatureSelection& selection) {
  const PlotPoint p = selection.point;
  const int d = kFeatureHitDistance;
  const int l = p.column - d, r = p.column + d, t = p.row - d, b = p.row + d;
  surface.DrawLine(l, t, r, t, kSelectionOutline);
  surface.DrawLine(l, b, r, b, kSelectionOutline);
  surface.DrawLine(l, t, l, b, kSelectionOutline);
  surface.DrawLine(r, t, r, b, kSelectionOutline);
}

}  // namespace zentrix::graphing
