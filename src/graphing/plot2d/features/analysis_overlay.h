#pragma once
// The analysis overlays: features found on every repaint for the enabled Function graphs,
// their circles, and the selected feature.

#include <cstdint>
#include <span>
#include <vector>

#include "draw/surface.h"
#include "graphing/model/graph_set.h"
#include "graphing/plot2d/features/refinement.h"
#include "graphing/plot2d/view_settings.h"

namespace zentrix::graphing {

struct FoundFeature {
  PlotPoint point;
  FeatureKind kind = FeatureKind::kMinimum;
  int graph = -1;
  int other = -1;  // the second graph of an intersection
};

struct FeatureSelection {
  FeatureKind kind = FeatureKind::kMinimum;
  int graph = -1;  // −1 none
  int other = -1;
  int point_index = -1;
  PlotPoint point;  // the circled point that was tapped
  double x = 0;     // the refined point
  double y = 0;
  bool visible = false;
};

// Radius of the analysis circles on a single-resolution screen; a tap within this many
// pixels of a circled point (its hit box) selects it.
inline constexpr int kFeatureCircleRadius = 5;
inline constexpr int kFeatureHitDistance = 10;
inline constexpr Colour kSelectionOutline = 0x00F000;

class FeatureLists {
 public:
  // Rebuilds the lists: per enabled Function graph in list order its minima, maxima and
  // zeros (each when switched on), then intersections of every pair i < j. Keeps capacity.
  // `breaks` (per graph, may be empty) are the Hide Jumps breaks: no zero across a jump.
  void Find(const GraphSet2D& graphs, const PlotDisplay& display, int origin_row,
            std::span<const std::vector<std::uint8_t>> breaks = {});
  void Clear();

  const std::vector<FoundFeature>& items() const { return items_; }
  int Count(FeatureKind kind) const { return counts_[static_cast<int>(kind)]; }
  // The index of the first feature whose hit box holds (x, y), or −1.
  int HitTest(int x, int y) const;

 private:
  void Take(FeatureKind kind, int graph, int other);

  std::vector<FoundFeature> items_;
  std::vector<PlotPoint> scratch_;
  int counts_[4] = {};
};

// Circles each feature in its kind's colour.
void DrawFeatureCircles(draw::Surface& surface, const FeatureLists& features,
                        const PlotDisplay& display);
// The selected point's hit box, outlined.
void DrawSelectionOutline(draw::Surface& surface, const FeatureSelection& selection);

}  // namespace zentrix::graphing
