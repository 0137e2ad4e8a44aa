#pragma once
// Where notes files live: the folder "Notes" in the data folder, one file per
// book named by the name the user typed and the extension "qv4". Names are
// program text; on disk they are UTF-8 through the toolkit's encoder, and
// read back into program text when the folder is listed.

#include <filesystem>
#include <string>
#include <vector>

#include "ui/dialogs/file_list.h"
#include "ui/files/document_folder.h"

namespace zentrix::notes {

inline constexpr char kNotesFolder[] = "Notes";
inline constexpr char kNotesExtension[] = "qv4";

// One file of the folder: what the file list shows, and where it is.
struct NotesFileEntry {
  ui::FileListItem item;
  std::filesystem::path path;
};

class NotesFolder {
 public:
  NotesFolder() = default;
  explicit NotesFolder(std::filesystem::path data_folder)
      : folder_(std::move(data_folder) / kNotesFolder) {}

  const std::filesystem::path& Path() const { return folder_; }
  std::filesystem::path FileFor(const std::u16string& name) const;
  bool Exists(const std::u16string& name) const;
  // Every notes file, sorted by name, with its page count and date. The
  // folder is created when missing.
  std::vector<NotesFileEntry> List() const;

 private:
  std::filesystem::path folder_;
};

// How file names and dates are shown (shared by every document folder).
using ui::FileDate;
using ui::NameFromFile;

}  // namespace zentrix::notes
