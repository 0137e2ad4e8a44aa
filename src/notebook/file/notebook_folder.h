#pragma once
// Where notebooks live: the folder "Files" in the data folder, one file per
// notebook named by the name the user typed and the extension "qv1"; and
// "notebook.txt", where a tutorial keeps the user's notebook while it runs.

#include <filesystem>

#include "ui/dialogs/file_list.h"
#include "ui/files/document_folder.h"

namespace zentrix::notebook {

inline constexpr char16_t kNotebookFolder[] = u"Files";
inline constexpr char16_t kNotebookExtension[] = u"qv1";
inline constexpr char16_t kTutorialNotebookFile[] = u"notebook.txt";

inline ui::DocumentFolder NotebookFolder() {
  return ui::DocumentFolder(kNotebookFolder, kNotebookExtension);
}

// The file list's count and preview of a notebook file.
void SummariseNotebookFile(const std::filesystem::path& path, ui::FileListItem& item);

}  // namespace zentrix::notebook
