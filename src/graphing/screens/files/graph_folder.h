#pragma once
// The folder of saved graph sets: "Graphs" in the data folder, one file per
// set named by the name the user typed and the extension "qv2" (2D) or "qv3"
// (3D). Names are program text, UTF-8 on disk through the toolkit's encoder.

#include <filesystem>
#include <string>
#include <vector>

#include "ui/dialogs/file_list.h"

namespace zentrix::graphing::screens {

inline constexpr char kGraphFolder[] = "Graphs";
inline constexpr char kGraph2DExtension[] = "qv2";
inline constexpr char kGraph3DExtension[] = "qv3";

struct GraphFileEntry {
  ui::FileListItem item;  // the name, date, graph count and a preview
  std::filesystem::path path;
};

class GraphFolder {
 public:
  // `extension` without the full stop.
  GraphFolder(std::filesystem::path data_folder, std::string extension);

  const std::filesystem::path& Path() const { return folder_; }
  std::filesystem::path FileFor(const std::u16string& name) const;
  bool Exists(const std::u16string& name) const;
  // Every file of the extension, sorted by name, with its graph count and
  // the first text of each graph as the preview. The folder is created when
  // missing.
  std::vector<GraphFileEntry> List() const;

 private:
  std::filesystem::path folder_;
  std::string extension_;
};

}  // namespace zentrix::graphing::screens
