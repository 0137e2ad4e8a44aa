#include "notebook/file/notebook_folder.h"

#include "notebook/file/notebook_file.h"

namespace zentrix::notebook {

void SummariseNotebookFile(const std::filesystem::path& path, ui::FileListItem& item) {
  const std::optional<NotebookSummary> summary = ReadNotebookSummary(path);
  if (!summary) return;
  item.entries = summary->entries;
  item.preview = summary->preview;
}

}  // namespace zentrix::notebook
