#pragma once
// The 2D grapher: its graph set, window, view, value table and the
// statistics data table, with the "Graphs", "Window", "Time", "Table" and
// "Display" tabs and the 2D toolbar (Center View, Tracing, Zooming, Moving,
// play/pause, rewind, slower, faster, the four analysis switches, close).
//
// The Display tab's "Default" puts back the view's own colours (white lines
// and numbers, a dark grey grid on black); "Bright" draws on white: black
// axis, ticks and numbers, a light grey grid, and red zeros and tracer, green
// maxima, blue minima and magenta intersections.

#include <string>

#include "graphing/files/data_table.h"
#include "graphing/model/graph_set.h"
#include "graphing/model/value_table.h"
#include "graphing/model/window2d.h"
#include "graphing/plot2d/plot_view.h"
#include "graphing/screens/grapher/grapher.h"
#include "graphing/screens/list/graph_list_2d.h"
#include "graphing/screens/table_panel.h"
#include "graphing/screens/window_editor_2d.h"
#include "ui/grid/cell_grid.h"

namespace zentrix::graphing::screens {

class Grapher2D : public Grapher {
 public:
  Grapher2D(GrapherServices services, TimeSettings& time);

  void Enter() override;
  Colour PlotBackground() const override { return view_.display.background_colour; }
  bool OnMenuCommand(ui::MenuCommand command) override;

  GraphSet2D& Graphs() { return graphs_; }
  Window2D& Window() { return window_; }
  PlotView2D& View() { return view_; }
  TableSettings& Table() { return table_settings_; }
  ui::CellGrid& DataGrid() { return data_.grid; }
  files::DataTable& DataTable() { return data_; }
  bool& SinglePlot() { return single_plot_; }
  WindowEditor2D& WindowEditor() { return window_editor_; }
  TablePanel& TablePage() { return table_; }

  // The display colours of "Default" and "Bright".
  static void DefaultColours(PlotDisplay& display);
  static void BrightColours(PlotDisplay& display);

 protected:
  bool Prepare() override;
  void LayOutPlot(const draw::Rect& plot_area) override;
  void DrawPlot(draw::Surface& surface) override;
  void PlotDown(ui::Point p) override;
  void PlotMove(ui::Point p) override;
  void PlotUp(ui::Point p) override;
  bool PlotKey(const ui::KeyEvent& key) override;
  void UpdateToolbar() override;
  void WriteState(ui::JsonWriter& json) const override;
  void PageShown(Page page) override;
  void GraphsChanged() override;

 private:
  GraphListModel& ListModel() override { return model_; }
  void BuildToolbar();
  void BuildDisplay();
  void TakeInterval();
  // Compiles the set without showing its failure (for the table).
  void PrepareQuietly();
  void TimeControl(int which);

  GraphSet2D graphs_;
  Window2D window_;
  PlotView2D view_{graphs_, window_};
  TableSettings table_settings_;
  files::DataTable data_;
  bool single_plot_ = false;
  std::u16string interval_text_;

  GraphList2D model_;
  WindowEditor2D window_editor_{window_};
  TablePanel table_;

  ToolButton* mode_buttons_[3] = {};
  ToolButton* play_ = nullptr;
  ToolButton* analysis_[4] = {};
};

}  // namespace zentrix::graphing::screens
