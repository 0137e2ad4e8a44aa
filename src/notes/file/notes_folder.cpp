#include "notes/file/notes_folder.h"

#include "notes/file/notes_file.h"

namespace zentrix::notes {

void SummariseNotesFile(const std::filesystem::path& path, ui::FileListItem& item) {
  item.entries = ReadPageCount(path).value_or(0);
}

}  // namespace zentrix::notes
