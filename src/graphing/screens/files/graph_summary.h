#pragma once
// What the file list shows of a saved graph set: the number of graphs
// ("1 Graph", "N Graphs") and, as the preview, the first text of each graph
// (its expression, or a statistical plot's data list), one per line.

#include <filesystem>

#include "ui/dialogs/file_list.h"

namespace zentrix::graphing::screens {

void ReadGraph2DSummary(const std::filesystem::path& path, ui::FileListItem& item);
void ReadGraph3DSummary(const std::filesystem::path& path, ui::FileListItem& item);

}  // namespace zentrix::graphing::screens
