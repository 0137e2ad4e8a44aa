#pragma once
// The 2D grapher's graph set as the graph list shows it, with the editor of
// each kind: the "Plot" check box, the expression and window fields, the
// style or drawing choice and the colours; for statistical plots the list
// selectors fed from the data table's columns, "Use Frequency List",
// "Connect", "Modified" and, for Scatter, the regression choice.

#include <functional>

#include "graphing/model/graph_set.h"
#include "graphing/screens/list/graph_list_model.h"
#include "ui/grid/cell_grid.h"

namespace zentrix::graphing::screens {

class GraphList2D : public GraphListModel {
 public:
  // `tell` shows a notice (the full list's message).
  GraphList2D(GraphSet2D& graphs, const ui::CellGrid& data,
              std::function<void(std::u16string)> tell)
      : graphs_(graphs), data_(data), tell_(std::move(tell)) {}

  int Count() const override { return static_cast<int>(graphs_.size()); }
  int Selected() const override { return graphs_.selected(); }
  void Select(int index) override { graphs_.Select(index); }
  ui::Icon IconOf(int index) const override;
  Colour* ColourOf(int index) override { return &graphs_[Index(index)].colour; }
  std::vector<RowField> FieldsOf(int index) override;
  std::u16string SummaryOf(int index) const override;
  std::u16string TitleOf(int index) const override;
  std::vector<std::u16string> KindItems() const override;
  bool Create(int item) override;
  void Remove(int index) override { graphs_.Remove(Index(index)); }
  std::u16string_view EmptyText() const override {
    return u"No [yellow]2D graphs[/] have been created.";
  }
  void BuildEditor(int index, SettingsForm& form) override;
  int EditorShape(int index) const override;

 private:
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  std::vector<std::u16string> Columns() const;
  void AddListChoice(SettingsForm& form, std::u16string label, std::u16string* text);

  GraphSet2D& graphs_;
  const ui::CellGrid& data_;
  std::function<void(std::u16string)> tell_;
};

// The kinds of the kind menu, in its order.
inline constexpr Graph2DKind kKindMenu2D[] = {
    Graph2DKind::kFunction,         Graph2DKind::kParametric, Graph2DKind::kPolar,
    Graph2DKind::kScatter,          Graph2DKind::kHistogram,  Graph2DKind::kBox,
    Graph2DKind::kNormalProbability};

}  // namespace zentrix::graphing::screens
