#pragma once
// Grapher: what the 2D and 3D graphers share. Tabs give the graph list
// ("Graphs"), the window editor ("Window"), the time editor ("Time"), the 2D
// table ("Table") and the display settings ("Display"); "Plot" shows the plot
// over the whole content area with the grapher's toolbar along its top.
//
// Entering the plot applies the window and time editors and prepares the
// graph set; the first failure is shown in the message box and the tabs stay.
// Leaving a settings tab applies it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "draw/surface.h"
#include "engine/core/variable_store.h"
#include "graphing/model/time_settings.h"
#include "graphing/screens/editor_panel.h"
#include "graphing/screens/form/settings_form.h"
#include "graphing/screens/list/graph_list_panel.h"
#include "graphing/screens/time_editor.h"
#include "graphing/screens/toolbar/toolbar.h"
#include "ui/core/json_writer.h"
#include "ui/core/key_event.h"
#include "ui/core/menu_command.h"
#include "ui/widgets/tab_control.h"

namespace zentrix::graphing::screens {

struct GrapherServices {
  // The program's message box: a Yes/No question or (yes_no false) a notice.
  std::function<void(std::u16string text, bool yes_no, std::function<void(bool)> on_result)>
      show_message;
  // The notebook's variables for fields and graphs (may answer null).
  std::function<const engine::VariableStore*()> variables;
};

class Grapher {
 public:
  enum Page { kGraphsPage, kWindowPage, kTimePage, kTablePage, kDisplayPage };

  virtual ~Grapher() = default;
  Grapher(const Grapher&) = delete;
  Grapher& operator=(const Grapher&) = delete;

  // Made current: the time settings and the list read again.
  virtual void Enter();
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& area);
  // Where the plot will stand (the screen's content area less the toolbar),
  // told while the tabs show, so that a window's Standard fits it.
  void ExpectPlotIn(const draw::Rect& content);
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  bool Wheel(ui::Point p, int steps);
  bool KeyDown(const ui::KeyEvent& key);
  void DescribeWidgets(ui::WidgetList& out) const;
  // The dump section: tab, plot, and the grapher's own fields.
  void DescribeState(ui::JsonWriter& json) const;
  // The Edit menu's grid commands and the action element.
  virtual bool OnMenuCommand(ui::MenuCommand command);

  // "Plot": prepares and shows the plot; false (and a message) on failure.
  bool ShowPlot();
  void ClosePlot();
  // Plot/Close Graphs.
  void TogglePlot();
  bool PlotShown() const { return plot_shown_; }
  // Show/Hide Graph Toolbars (while the plot is shown).
  void ToggleToolbar();
  // On a landscape screen the toolbar stands at the plot's right side.
  void SetToolbarAtSide(bool side) { toolbar_at_side_ = side; }
  bool ToolbarShown() const { return toolbar_.Visible(); }
  // The colour behind a shown plot.
  virtual Colour PlotBackground() const = 0;

  Page CurrentPage() const { return pages_[static_cast<std::size_t>(tabs_.Selected())]; }
  void ShowPage(Page page);
  TimeEditor& Time() { return time_editor_; }
  GraphListPanel& List() { return *list_; }
  SettingsForm& Display() { return display_; }
  ui::TabControl& Tabs() { return tabs_; }

 protected:
  Grapher(GrapherServices services, TimeSettings& time, std::vector<Page> pages);

  // Finishes construction once the subclass's model and pages exist.
  void SetPanels(EditorPanel* window, EditorPanel* table);

  // Compiles the set and applies its windows; false with the message shown.
  virtual bool Prepare() = 0;
  virtual void LayOutPlot(const draw::Rect& plot_area) = 0;
  virtual void ExpectPlotArea(const draw::Rect&) {}
  virtual void DrawPlot(draw::Surface& surface) = 0;
  virtual void PlotDown(ui::Point p) = 0;
  virtual void PlotMove(ui::Point p) = 0;
  virtual void PlotUp(ui::Point p) = 0;
  virtual bool PlotKey(const ui::KeyEvent&) { return false; }
  // The toolbar's switches from the current state.
  virtual void UpdateToolbar() = 0;
  virtual void WriteState(ui::JsonWriter& json) const = 0;
  // A page is about to show (the table refreshes itself).
  virtual void PageShown(Page) {}
  // Something in the graph list or an editor changed.
  virtual void GraphsChanged() {}

  void Tell(std::u16string text);
  const engine::VariableStore* Variables() const {
    return services_.variables ? services_.variables() : nullptr;
  }
  const draw::Rect& PlotArea() const { return plot_area_; }

  GrapherServices services_;
  TimeSettings& time_settings_;
  ui::TabControl tabs_;
  Toolbar toolbar_;
  SettingsForm display_;
  TimeEditor time_editor_;
  std::unique_ptr<GraphListPanel> list_;  // made in SetPanels, once the model exists

 private:
  void OnTab(int index);
  // Applies the page being left; false keeps it open.
  bool LeavePage(Page page);
  EditorPanel* PanelOf(Page page) const;

  virtual GraphListModel& ListModel() = 0;

  std::vector<Page> pages_;
  EditorPanel* window_ = nullptr;
  EditorPanel* table_ = nullptr;
  Page shown_page_ = kGraphsPage;
  bool plot_shown_ = false;
  bool plot_pen_ = false;
  bool toolbar_at_side_ = false;
  draw::Rect plot_area_;
};

}  // namespace zentrix::graphing::screens
