#pragma once
// The 3D grapher's graph set as the graph list shows it, with the editor of
// each kind: "Plot", the expression fields, the sampling window ("Xpoints=" and
// "Ypoints=" for a Function surface), the check boxes "Points", "Lines" and
// "Solid" with "Point Color" and "Line Color", "Large Points" and "Thick
// Lines", the colour scheme with its colours, and the render choice:
// "Wireframe" shows the lines alone, "Solid" the faces with their lines,
// "Solid Color" the faces alone.

#include <functional>

#include "graphing/model/graph_set.h"
#include "graphing/screens/list/graph_list_model.h"

namespace zentrix::graphing::screens {

class GraphList3D : public GraphListModel {
 public:
  GraphList3D(GraphSet3D& graphs, std::function<void(std::u16string)> tell)
      : graphs_(graphs), tell_(std::move(tell)) {}

  int Count() const override { return static_cast<int>(graphs_.size()); }
  int Selected() const override { return graphs_.selected(); }
  void Select(int index) override { graphs_.Select(index); }
  ui::Icon IconOf(int index) const override;
  Colour* ColourOf(int index) override { return &graphs_[Index(index)].scheme_colours[0]; }
  std::vector<RowField> FieldsOf(int index) override;
  std::u16string SummaryOf(int) const override { return {}; }
  std::u16string TitleOf(int index) const override;
  std::vector<std::u16string> KindItems() const override;
  bool Create(int item) override;
  void Remove(int index) override { graphs_.Remove(Index(index)); }
  std::u16string_view EmptyText() const override {
    return u"No [yellow]3D graphs[/] have been created.";
  }
  void BuildEditor(int index, SettingsForm& form) override;
  int EditorShape(int index) const override;

 private:
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

  GraphSet3D& graphs_;
  std::function<void(std::u16string)> tell_;
};

// The render choice of a graph (0 Wireframe, 1 Solid, 2 Solid Color) and
// what choosing one sets.
int RenderChoiceOf(const Graph3D& graph);
void ApplyRenderChoice(Graph3D& graph, int choice);

}  // namespace zentrix::graphing::screens
