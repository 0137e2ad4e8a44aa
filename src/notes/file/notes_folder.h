#pragma once
// Where notes files live: the folder "Notes" in the data folder, one file per
// book named by the name the user typed and the extension "qv4". The file
// list counts a book's pages.

#include <filesystem>

#include "ui/dialogs/file_list.h"
#include "ui/files/document_folder.h"

namespace zentrix::notes {

inline constexpr char16_t kNotesFolder[] = u"Notes";
inline constexpr char16_t kNotesExtension[] = u"qv4";

inline ui::DocumentFolder NotesFolder() {
  return ui::DocumentFolder(kNotesFolder, kNotesExtension);
}

// The file list's count of a notes file: its pages (0 when unreadable).
void SummariseNotesFile(const std::filesystem::path& path, ui::FileListItem& item);

}  // namespace zentrix::notes
