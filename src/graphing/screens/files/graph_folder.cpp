#include "graphing/screens/files/graph_folder.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "engine/core/charset.h"
#include "graphing/files/graph_set_files.h"
#include "graphing/model/stat_plots.h"
#include "ui/core/ui_state.h"

namespace zentrix::graphing::screens {
namespace {

std::u16string Ascii(const std::string& text) { return {text.begin(), text.end()}; }

std::u16string FileDate(const std::filesystem::file_time_type& time) {
  const auto system = std::chrono::file_clock::to_sys(time);
  const std::time_t t = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&t, &local);
  return Ascii(std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
               std::to_string(local.tm_year + 1900));
}

const std::u16string& FirstText(const Graph2D& graph) {
  if (const auto* plot = dynamic_cast<const StatPlot*>(&graph)) return plot->data_text;
  return graph.expression_text;
}
const std::u16string& FirstText(const Graph3D& graph) { return graph.expression_text; }

// The first text of each graph, one per line.
template <class Set>
void Describe(Set& graphs, ui::FileListItem& item) {
  item.entries = static_cast<int>(graphs.size());
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    item.preview += FirstText(graphs[i]);
    item.preview += u'\n';
  }
}

void Preview(const std::filesystem::path& path, bool three_d, ui::FileListItem& item) {
  if (three_d) {
    GraphSet3D graphs;
    files::LoadGraphSet3D(path, graphs);
    Describe(graphs, item);
  } else {
    GraphSet2D graphs;
    files::DataTable table;
    files::LoadGraphSet2D(path, graphs, table);
    Describe(graphs, item);
  }
}

}  // namespace

GraphFolder::GraphFolder(std::filesystem::path data_folder, std::string extension)
    : folder_(std::move(data_folder) / kGraphFolder), extension_(std::move(extension)) {}

std::filesystem::path GraphFolder::FileFor(const std::u16string& name) const {
  return folder_ / (ui::EncodeText(name) + "." + extension_);
}

bool GraphFolder::Exists(const std::u16string& name) const {
  std::error_code error;
  return std::filesystem::exists(FileFor(name), error);
}

std::vector<GraphFileEntry> GraphFolder::List() const {
  std::vector<GraphFileEntry> files;
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  const std::string extension = "." + extension_;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    std::error_code entry_error;
    if (!entry.is_regular_file(entry_error) || entry.path().extension() != extension) continue;
    GraphFileEntry file{{}, entry.path()};
    file.item.name = chars::FromUtf8(entry.path().stem().string()).text;
    Preview(entry.path(), extension_ == kGraph3DExtension, file.item);
    const auto time = entry.last_write_time(entry_error);
    if (!entry_error) file.item.date = FileDate(time);
    files.push_back(std::move(file));
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.item.name < b.item.name; });
  return files;
}

}  // namespace zentrix::graphing::screens
