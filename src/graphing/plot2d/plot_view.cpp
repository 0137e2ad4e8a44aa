#include "graphing/plot2d/plot_view.h"

#include <optional>

#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/plot2d/axes/axes_drawing.h"
#include "graphing/plot2d/banners/label_bar.h"
#include "graphing/plot2d/curves/curve_drawing.h"
#include "graphing/plot2d/curves/jump_detection.h"
#include "graphing/plot2d/curves/stat_plot_drawing.h"
#include "graphing/stats/stat_plot_data.h"

namespace zentrix::graphing {
namespace {

// The angle mode of a pass: radians when "Always graph in radians" is on, else as it is.
class PassAngleMode {
 public:
  explicit PassAngleMode(bool radians)
      : mode_(radians ? AngleMode::kRadians : GraphEvaluation().angle_mode) {}

 private:
  ScopedAngleMode mode_;
};

bool IsCurve(const Graph2D& g) {
  return g.kind() == Graph2DKind::kFunction || g.kind() == Graph2DKind::kParametric ||
         g.kind() == Graph2DKind::kPolar;
}

}  // namespace

void PlotView2D::SetPlotArea(int left, int top, int width, int height) {
  window_.SetPlotArea(left, top, width, height);
  Recompute();
}

void PlotView2D::Sample(int index) {
  Graph2D& graph = graphs_[index];
  const PlotViewport& v = viewport();
  PassAngleMode angle(display.always_radians);
  graph.ComputePoints(v, time.t);
  if (graph.kind() == Graph2DKind::kScatter) {
    // The regression curve is fitted in radians whatever the angle mode (Sinusoidal).
    ScopedAngleMode radians(AngleMode::kRadians);
    static_cast<ScatterPlot&>(graph).regression_curve.ComputePoints(v, time.t);
  }
  std::vector<std::uint8_t>& breaks = breaks_[index];
  if (display.hide_jumps && graph.kind() == Graph2DKind::kFunction) {
    FindJumps(static_cast<FunctionGraph&>(graph), v, time.t, breaks);
  } else {
    breaks.clear();
  }
}

void PlotView2D::Recompute() {
  window_.Recompute();
  time.playing = false;
  draw_once = false;
  trace_.visible = false;
  selection_ = {};
  features_.Clear();
  const int width = viewport().width;
  for (std::size_t i = 0; i < graphs_.size() && i < kMaxGraphs; ++i) {
    Graph2D& graph = graphs_[i];
    if (!graph.enabled) continue;
    if (graph.is_statistical()) {
      auto& plot = static_cast<StatPlot&>(graph);
      if (plot.data_changed || !plot.statistics) RefreshStatPlot(plot, regression_decimals);
      if (graph.kind() == Graph2DKind::kScatter) {
        static_cast<ScatterPlot&>(graph).regression_curve.AllocatePoints(width);
      }
    }
    graph.AllocatePoints(width);
    if (graph.uses_time) {
      time.playing = true;
    } else {
      Sample(static_cast<int>(i));
    }
  }
}

void PlotView2D::Resample() {
  window_.Recompute();
  for (std::size_t i = 0; i < graphs_.size() && i < kMaxGraphs; ++i) {
    if (graphs_[i].enabled && !graphs_[i].uses_time) Sample(static_cast<int>(i));
  }
}

void PlotView2D::DrawGraphs(draw::Surface& surface) {
  const PlotViewport& v = viewport();
  const CurveFrame frame{v.top + v.height - 1, v.origin_row};
  int box_index = 0;
  for (std::size_t i = 0; i < graphs_.size() && i < kMaxGraphs; ++i) {
    Graph2D& graph = graphs_[i];
    if (!graph.enabled) continue;
    if (graph.uses_time && time.playing) Sample(static_cast<int>(i));
    if (IsCurve(graph)) {
      const std::span<const std::uint8_t> breaks = display.hide_jumps
                                                       ? std::span<const std::uint8_t>(breaks_[i])
                                                       : std::span<const std::uint8_t>();
      DrawCurve(surface, RunsOf(graph, breaks), graph.style, graph.connect_columns(), graph.colour,
                frame);
      continue;
    }
    switch (graph.kind()) {
      case Graph2DKind::kScatter:
        DrawScatterPlot(surface, static_cast<const ScatterPlot&>(graph), frame);
        break;
      case Graph2DKind::kHistogram:
        DrawHistogram(surface, static_cast<const HistogramPlot&>(graph), v);
        break;
      case Graph2DKind::kBox:
        DrawBoxPlot(surface, static_cast<const BoxPlot&>(graph), box_index++, v,
                    display.double_resolution);
        break;
      case Graph2DKind::kNormalProbability:
        DrawNormalProbabilityPlot(surface, static_cast<const NormalProbabilityPlot&>(graph), v);
        break;
      default: break;
    }
  }
}

void PlotView2D::Draw(draw::Surface& surface, ui::TextRenderer* text) {
  const PlotViewport& v = viewport();
  const draw::Rect saved_clip = surface.ClipRect();
  const draw::Rect area = draw::Rect::FromSize(v.left, v.top, v.width, v.height);
  surface.SetClipRect(&area);
  const PlotFrame frame{v, window_.x_grid(), window_.y_grid(), display};

  DrawBackground(surface, frame);
  DrawGrid(surface, frame);
  DrawAxes(surface, frame);
  DrawGraphs(surface);
  if (draw_once) {
    time.playing = false;
    draw_once = false;
  } else if (time.playing) {
    time.Advance();
  }
  DrawSideTicksAndNumbers(surface, frame, text, text_scratch_);

  if (mode == StylusMode::kTracing && trace_.visible && trace_.graph >= 0 &&
      trace_.graph < static_cast<int>(graphs_.size())) {
    DrawCrosshair(surface, trace_, display.tracer_colour);
    if (text) {
      DrawTraceLabel(surface, v, trace_, graphs_[trace_.graph].kind(), *text,
                     display.double_resolution, text_scratch_);
    }
  }
  FindFeatures();
  DrawFeatureCircles(surface, features_, display);
  if (selection_.visible) {
    DrawSelectionOutline(surface, selection_);
    if (text) {
      DrawSelectionLabel(surface, v, selection_, *text, display.double_resolution, text_scratch_);
    }
  }
  surface.SetClipRectRaw(saved_clip);
}

void PlotView2D::FindFeatures() {
  const std::span<const std::vector<std::uint8_t>> breaks =
      display.hide_jumps ? std::span(breaks_) : std::span<const std::vector<std::uint8_t>>();
  features_.Find(graphs_, display, viewport().origin_row, breaks);
}

bool PlotView2D::SelectFeatureAt(int x, int y) {
  const int hit = features_.HitTest(x, y);
  if (hit < 0) return false;
  const FoundFeature feature = features_.items()[hit];
  if (feature.graph < 0 || feature.graph >= static_cast<int>(graphs_.size())) return false;
  Graph2D* other = feature.other >= 0 ? &graphs_[feature.other] : nullptr;
  const double x0 = viewport().ColumnToX(feature.point.column - viewport().left);
  PassAngleMode angle(display.always_radians);
  const std::optional<RefinedPoint> refined =
      RefineFeature(feature.kind, graphs_[feature.graph], other, x0, time.t);
  // A tap on a circle is taken even when its refinement gives up: it selects nothing.
  if (!refined) return true;
  selection_ = {feature.kind,  feature.graph, feature.other, hit,
                feature.point, refined->x,    refined->y,    true};
  draw_once = true;
  return true;
}

void PlotView2D::TraceColumn(int pen_column) {
  int index = trace_.graph;
  if (index < 0 || index >= static_cast<int>(graphs_.size()) || !graphs_[index].enabled) {
    index = -1;
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
      if (graphs_[i].enabled) {
        index = static_cast<int>(i);
        break;
      }
    }
  }
  if (index < 0) {
    trace_.visible = false;
    return;
  }
  Graph2D& graph = graphs_[index];
  PassAngleMode angle(display.always_radians || graph.kind() == Graph2DKind::kScatter);
  TraceAt(graph, index, viewport(), pen_column, time.t, trace_);
  if (!time.playing) draw_once = true;
}

void PlotView2D::TraceNextGraph(int direction) {
  const int count = static_cast<int>(graphs_.size());
  if (count == 0) return;
  int index = trace_.graph < 0 ? 0 : trace_.graph;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + direction) % count + count) % count;
    if (graphs_[index].enabled) break;
  }
  if (!graphs_[index].enabled) return;
  trace_.graph = index;
  TraceColumn(trace_.pen_column);
}

void PlotView2D::PenDown(int x, int y) {
  pen_ = {x,
          y,
          window_.value(Window2D::kXmin),
          window_.value(Window2D::kXmax),
          window_.value(Window2D::kYmin),
          window_.value(Window2D::kYmax)};
  if (SelectFeatureAt(x, y)) return;
  if (mode == StylusMode::kTracing) TraceColumn(x);
}

void PlotView2D::DragWindow(int x, int y) {
  const PlotViewport& v = viewport();
  const double width = pen_.xmax - pen_.xmin, height = pen_.ymax - pen_.ymin;
  if (mode == StylusMode::kMoving) {
    const double dx = (x - pen_.x) * width / v.width;
    const double dy = (y - pen_.y) * height / v.height;
    window_.SetValues(pen_.xmin - dx, pen_.xmax - dx, pen_.ymin + dy, pen_.ymax + dy);
  } else {
    const double dy = static_cast<double>(y - pen_.y) / v.height;
    const double zx = 0.5 * width * dy, zy = 0.5 * height * dy;
    window_.SetValues(pen_.xmin - zx, pen_.xmax + zx, pen_.ymin - zy, pen_.ymax + zy);
  }
  Resample();
}

void PlotView2D::PenMove(int x, int y) {
  if (mode == StylusMode::kTracing) {
    TraceColumn(x);
  } else {
    DragWindow(x, y);
  }
}

void PlotView2D::PenUp(int, int) {}

void PlotView2D::CenterView() {
  const double half_x = (window_.value(Window2D::kXmax) - window_.value(Window2D::kXmin)) / 2;
  const double half_y = (window_.value(Window2D::kYmax) - window_.value(Window2D::kYmin)) / 2;
  window_.SetValues(-half_x, half_x, -half_y, half_y);
  Recompute();
}

}  // namespace zentrix::graphing
