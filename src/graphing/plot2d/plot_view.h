#pragma once
// The 2D view: turns the graph set into pixels over the window, repaints in a fixed order
// (background, grid, axes, graphs, side-ticks and numbers, trace, analysis), and takes the
// stylus in its three modes. Sampling and analysis need no surface, so they are tested and
// measured on their own.

#include <array>
#include <cstdint>
#include <vector>

#include "draw/surface.h"
#include "graphing/model/graph_set.h"
#include "graphing/model/time_settings.h"
#include "graphing/model/window2d.h"
#include "graphing/plot2d/cursors/trace.h"
#include "graphing/plot2d/features/analysis_overlay.h"
#include "graphing/plot2d/view_settings.h"
#include "ui/text/text_renderer.h"

namespace zentrix::graphing {

class PlotView2D {
 public:
  // The view draws `graphs` over `window`; both outlive it.
  PlotView2D(GraphSet2D& graphs, Window2D& window) : graphs_(graphs), window_(window) {}

  // The screen's plot area; recomputes everything.
  void SetPlotArea(int left, int top, int width, int height);
  // After any change of graph set, window or plot area: the transform (kept when the window
  // is empty or inverted), playing stopped, trace and selection cleared, points sized and
  // the graphs without T sampled; playing starts when an enabled graph uses T.
  void Recompute();
  // One repaint into the surface; `text` draws numbers and labels (null: none).
  void Draw(draw::Surface& surface, ui::TextRenderer* text);

  // Finds the features on the current points (every repaint does).
  void FindFeatures();

  // The stylus in the plot area, in screen pixels. A pen-down within reach of a circled
  // feature selects and refines it; otherwise the stylus mode acts.
  void PenDown(int x, int y);
  void PenMove(int x, int y);
  void PenUp(int x, int y);
  // The navigation pad in Tracing mode: the next (+1) or previous (−1) enabled graph,
  // wrapping around, traced at the same column.
  void TraceNextGraph(int direction);
  // Centres the window on the origin, keeping its size; keeps the current T.
  void CenterView();

  PlotDisplay display;
  StylusMode mode = StylusMode::kMoving;
  TimeState time;
  bool draw_once = false;
  int regression_decimals = 5;

  const FeatureLists& features() const { return features_; }
  const TraceState& trace() const { return trace_; }
  const FeatureSelection& selection() const { return selection_; }
  const PlotViewport& viewport() const { return window_.viewport(); }
  const GraphSet2D& graphs() const { return graphs_; }
  const Window2D& window() const { return window_; }

 private:
  struct PenStart {
    int x = 0, y = 0;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  };

  // Samples one graph at the current T (and its jumps with Hide Jumps on).
  void Sample(int index);
  // The transform again and the graphs without T resampled (a drag of the view).
  void Resample();
  void DragWindow(int x, int y);
  bool SelectFeatureAt(int x, int y);
  void TraceColumn(int pen_column);
  void DrawGraphs(draw::Surface& surface);

  GraphSet2D& graphs_;
  Window2D& window_;
  FeatureLists features_;
  TraceState trace_;
  FeatureSelection selection_;
  PenStart pen_;
  std::array<std::vector<std::uint8_t>, kMaxGraphs> breaks_;
  std::u16string text_scratch_;  // numbers and labels, reused every frame
};

}  // namespace zentrix::graphing
