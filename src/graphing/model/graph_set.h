#pragma once
// The ordered graph lists of the two graphers (at most 16 graphs each), the
// selected graph, and the creation of graphs with their default colours.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "graphing/model/graph2d.h"
#include "graphing/model/graph3d.h"

namespace zentrix::graphing {

inline constexpr std::size_t kMaxGraphs = 16;
inline constexpr std::u16string_view kTooManyGraphsMessage = u"Zentrix can graph up to 16 graphs.";

template <typename Graph>
class GraphList {
 public:
  std::size_t size() const { return graphs_.size(); }
  bool empty() const { return graphs_.empty(); }
  bool full() const { return graphs_.size() >= kMaxGraphs; }
  Graph& operator[](std::size_t i) { return *graphs_[i]; }
  const Graph& operator[](std::size_t i) const { return *graphs_[i]; }

  // Appends the graph; refused (and the graph dropped) when the list is full.
  bool Append(std::unique_ptr<Graph> graph) {
    if (full() || !graph) return false;
    graphs_.push_back(std::move(graph));
    if (selected_ < 0) selected_ = 0;
    return true;
  }
  // Removes graph i; the selection stays on a graph while there is one.
  bool Remove(std::size_t i) {
    if (i >= graphs_.size()) return false;
    graphs_.erase(graphs_.begin() + static_cast<std::ptrdiff_t>(i));
    if (selected_ >= static_cast<int>(graphs_.size()))
      selected_ = static_cast<int>(graphs_.size()) - 1;
    return true;
  }
  void Clear() {
    graphs_.clear();
    selected_ = -1;
  }

  // The selected graph's index, or -1 for an empty list.
  int selected() const { return selected_; }
  void Select(int i) {
    if (i >= 0 && i < static_cast<int>(graphs_.size())) selected_ = i;
  }
  Graph* selected_graph() { return selected_ < 0 ? nullptr : graphs_[selected_].get(); }

 private:
  std::vector<std::unique_ptr<Graph>> graphs_;
  int selected_ = -1;
};

// A new graph of the kind with its defaults, coloured for the n-th place of a
// list (n mod 4); null for kNone.
std::unique_ptr<Graph2D> MakeGraph2D(Graph2DKind kind, std::size_t n);
std::unique_ptr<Graph3D> MakeGraph3D(Graph3DKind kind, std::size_t n);

// Creates a graph of the kind at the end of the list. When the list holds 16
// graphs nothing is created and the message is kTooManyGraphsMessage.
struct CreateResult {
  bool ok = false;
  std::u16string_view message;
};

class GraphSet2D : public GraphList<Graph2D> {
 public:
  CreateResult Create(Graph2DKind kind);
};

class GraphSet3D : public GraphList<Graph3D> {
 public:
  CreateResult Create(Graph3DKind kind);
};

}  // namespace zentrix::graphing
