#include "graphing/screens/files/graph_summary.h"

#include "graphing/files/graph_set_files.h"
#include "graphing/model/stat_plots.h"

namespace zentrix::graphing::screens {
namespace {

const std::u16string& FirstText(const Graph2D& graph) {
  if (const auto* plot = dynamic_cast<const StatPlot*>(&graph)) return plot->data_text;
  return graph.expression_text;
}
const std::u16string& FirstText(const Graph3D& graph) { return graph.expression_text; }

template <class Set>
void Describe(Set& graphs, ui::FileListItem& item) {
  item.entries = static_cast<int>(graphs.size());
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    item.preview += FirstText(graphs[i]);
    item.preview += u'\n';
  }
}

}  // namespace

void ReadGraph2DSummary(const std::filesystem::path& path, ui::FileListItem& item) {
  GraphSet2D graphs;
  files::DataTable table;
  files::LoadGraphSet2D(path, graphs, table);
  Describe(graphs, item);
}

void ReadGraph3DSummary(const std::filesystem::path& path, ui::FileListItem& item) {
  GraphSet3D graphs;
  files::LoadGraphSet3D(path, graphs);
  Describe(graphs, item);
}

}  // namespace zentrix::graphing::screens
