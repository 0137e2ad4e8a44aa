#pragma once
// Where notes files live: the folder "Notes" in the data folder, one file per
// book named by the name the user typed and the extension "qv4". Names are
// program text; on disk they are UTF-8 through the toolkit's encoder, and
// read back into program text when the folder is listed.

#include <filesystem>
#include <string>
#include <vector>

#include "ui/dialogs/file_list.h"

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

// A file name's bytes as program text: each run that the encoder writes for
// one program character becomes that character again; other characters
// outside the program's set become "?".
std::u16string NameFromFile(std::string_view utf8);
// month/day/year without leading zeros.
std::u16string FileDate(const std::filesystem::file_time_type& time);

}  // namespace zentrix::notes
