#pragma once
// GraphListPanel: the "Graphs" tab. One row per graph in list order, each with
// its kind's icon (named "graph N"; a tap opens the graph's editor), its
// colour selector and its expression fields (statistical plots show a summary
// of their lists). Under the rows stand the add button, which opens the kind
// menu, and the remove button, which asks before removing the selected graph.
// With no graphs the list shows the empty-list texts with the add button's
// icon in the gap of the second line.
//
// The editor replaces the rows: a back button with the graph's title, then
// the graph's controls (a SettingsForm the model fills).

#include <functional>
#include <memory>
#include <vector>

#include "graphing/screens/form/settings_form.h"
#include "graphing/screens/list/graph_list_model.h"
#include "graphing/screens/list/kind_menu.h"
#include "graphing/screens/toolbar/tool_button.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/label.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens {

inline constexpr char16_t kRemoveQuestion[] = u"Are you sure you to remove this graph?";
inline constexpr char16_t kCreateHint[] = u"To create a graph click the      button.";

class GraphListPanel {
 public:
  using Ask = std::function<void(std::u16string text, std::function<void()> on_yes)>;

  // The model outlives the panel. `ask` puts a Yes/No question to the user.
  GraphListPanel(GraphListModel& model, Ask ask);

  // Hears every change of the set or of a graph made through the panel.
  void SetOnChange(std::function<void()> on_change) { on_change_ = std::move(on_change); }

  void Layout(const draw::Rect& area);
  void Draw(draw::Surface& surface);
  bool StylusDown(ui::Point p);
  bool StylusMove(ui::Point p);
  bool StylusUp(ui::Point p);
  bool Wheel(ui::Point p, int steps);
  void DescribeWidgets(ui::WidgetList& out) const;

  // Rebuilds the rows from the model (after the set changed elsewhere).
  void Refresh();
  // Copies typed texts into the graphs; true when one changed.
  bool Sync();

  void OpenEditor(int index);
  void CloseEditor();
  int EditedGraph() const { return editing_; }
  bool PopupOpen() const { return menu_.IsOpen() || form_.PopupOpen() || RowPaletteOpen(); }
  void ClosePopups();

 private:
  struct Row {
    std::unique_ptr<ToolButton> icon;
    std::unique_ptr<ui::ColorSelector> colour;
    std::vector<std::unique_ptr<ui::TextBox>> boxes;
    std::vector<std::u16string*> texts;
    std::vector<std::uint64_t> seen;
    std::unique_ptr<ui::Label> summary;
    int top = 0;
    int height = 0;
    bool shown = false;
  };

  void BuildRows();
  void LayOutRows(const draw::Rect& rows_area);
  void LayOutEditor(const draw::Rect& area);
  bool RowPaletteOpen() const;
  void Changed();
  void ShowKindMenu();
  void AskRemove();
  template <class F>
  void ForEachRowWidget(F&& f) const;

  GraphListModel& model_;
  Ask ask_;
  std::function<void()> on_change_;
  std::vector<Row> rows_;
  int built_count_ = -1;
  int first_row_ = 0;
  draw::Rect area_;

  ToolButton add_;
  ToolButton remove_;
  KindMenu menu_;
  ui::Label empty_first_;
  ui::Label empty_second_;
  draw::Rect hint_icon_;
  ui::Slider scroll_{0, 0, 0, ui::Slider::Orientation::kVertical};

  // The editor.
  int editing_ = -1;
  int editor_shape_ = 0;
  ToolButton back_;
  ui::Label title_;
  SettingsForm form_;
};

}  // namespace zentrix::graphing::screens
