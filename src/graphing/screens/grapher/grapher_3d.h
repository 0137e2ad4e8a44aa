#pragma once
// The 3D grapher: its graph set, window and view, with the "Graphs",
// "Window", "Time" and "Display" tabs and the 3D toolbar (Rotate, Move, Depth
// Move, Window Zoom, reset, Render Mode, Graph Axis, play/pause, rewind,
// slower, faster, close).
//
// The Display tab's "Default" puts back the view's own look (green, red and
// blue axes with their letters on black, flat shading, lighting on); "Bright"
// draws on white with darker axis colours and smooth shading.

#include <array>
#include <span>

#include "graphing/model/graph_set.h"
#include "graphing/model/window3d.h"
#include "graphing/render3d/scene/scene_painter.h"
#include "graphing/render3d/scene/view3d.h"
#include "graphing/screens/grapher/grapher.h"
#include "graphing/screens/list/graph_list_3d.h"
#include "graphing/screens/window_editor_3d.h"

namespace zentrix::graphing::screens {

class Grapher3D : public Grapher {
 public:
  Grapher3D(GrapherServices services, TimeSettings& time);

  Colour PlotBackground() const override { return background_; }

  GraphSet3D& Graphs() { return graphs_; }
  Window3D& Window() { return window_; }
  render3d::View3D& View() { return view_; }
  Colour& Background() { return background_; }
  bool& SinglePlot() { return single_plot_; }
  WindowEditor3D& WindowEditor() { return window_editor_; }
  const render3d::ScenePainter& Painter() const { return painter_; }

  // The looks of "Default" and "Bright".
  static void DefaultLook(render3d::View3D& view, Colour& background);
  static void BrightLook(render3d::View3D& view, Colour& background);

 protected:
  bool Prepare() override;
  void LayOutPlot(const draw::Rect& plot_area) override;
  void DrawPlot(draw::Surface& surface) override;
  void PlotDown(ui::Point p) override;
  void PlotMove(ui::Point p) override;
  void PlotUp(ui::Point p) override;
  void UpdateToolbar() override;
  void WriteState(ui::JsonWriter& json) const override;

 private:
  GraphListModel& ListModel() override { return model_; }
  void BuildToolbar();
  void BuildDisplay();
  void TimeControl(int which);
  // Every shown graph's mesh again at the current T.
  void RecomputeMeshes();
  std::span<Graph3D* const> GraphPointers();
  bool CompileGraph(Graph3D& graph, int number);

  GraphSet3D graphs_;
  Window3D window_;
  render3d::View3D view_;
  render3d::ScenePainter painter_;
  Colour background_ = 0x000000;
  bool single_plot_ = false;
  std::array<Graph3D*, kMaxGraphs> pointers_{};

  GraphList3D model_;
  WindowEditor3D window_editor_{window_};

  ToolButton* mode_buttons_[4] = {};
  ToolButton* play_ = nullptr;
  ToolButton* render_mode_ = nullptr;
  ToolButton* graph_axis_ = nullptr;
};

}  // namespace zentrix::graphing::screens
