#pragma once
// DocumentFolder: one folder of saved documents of one kind inside the data
// folder ("Files" with "qv1" notebooks, "Notes" with "qv4" books). A
// document's name is the name the user typed; its program path is the
// folder, a backslash, the name, "." and the extension. Listing reads each
// file's summary (count and preview) through a reader the document kind
// supplies.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialogs/file_list.h"
#include "ui/files/data_folder.h"

namespace zentrix::ui {

// One file of the folder: what the file list shows, and where it is.
struct DocumentFile {
  FileListItem item;
  std::filesystem::path path;
};

class DocumentFolder {
 public:
  // Fills an item's count and preview from the file; left untouched for an
  // unreadable file (count 0, no preview).
  using SummaryReader = std::function<void(const std::filesystem::path&, FileListItem&)>;

  DocumentFolder() = default;
  DocumentFolder(std::u16string folder, std::u16string extension)
      : folder_(std::move(folder)), extension_(std::move(extension)) {}

  const std::u16string& Folder() const { return folder_; }
  const std::u16string& Extension() const { return extension_; }
  // "Files\Homework.qv1" for the name "Homework".
  std::u16string ProgramPath(std::u16string_view name) const;
  std::filesystem::path FileFor(const DataFolder& data, std::u16string_view name) const;
  bool Exists(const DataFolder& data, std::u16string_view name) const;
  // Creates the folder when it is missing.
  void Create(const DataFolder& data) const;
  // Every document, sorted by name, with its date and summary. The folder is
  // created when missing.
  std::vector<DocumentFile> List(const DataFolder& data, const SummaryReader& summary) const;

 private:
  std::u16string folder_;
  std::u16string extension_;
};

// A file name's bytes as program text: each run that the encoder writes for
// one program character becomes that character again; other characters
// outside the program's set become "?".
std::u16string NameFromFile(std::string_view utf8);
// month/day/year without leading zeros.
std::u16string FileDate(const std::filesystem::file_time_type& time);

}  // namespace zentrix::ui
