#include "notes/file/notes_folder.h"

#include <algorithm>

#include "notes/file/notes_file.h"
#include "ui/core/ui_state.h"

namespace zentrix::notes {

std::filesystem::path NotesFolder::FileFor(const std::u16string& name) const {
  return folder_ / (ui::EncodeText(name) + "." + kNotesExtension);
}

bool NotesFolder::Exists(const std::u16string& name) const {
  std::error_code error;
  return std::filesystem::exists(FileFor(name), error);
}

std::vector<NotesFileEntry> NotesFolder::List() const {
  std::vector<NotesFileEntry> items;
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  const std::string extension = std::string(".") + kNotesExtension;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    std::error_code entry_error;
    if (!entry.is_regular_file(entry_error) || entry.path().extension() != extension) continue;
    NotesFileEntry file{{}, entry.path()};
    ui::FileListItem& item = file.item;
    item.name = NameFromFile(entry.path().stem().string());
    item.entries = ReadPageCount(entry.path()).value_or(0);
    const auto time = entry.last_write_time(entry_error);
    if (!entry_error) item.date = FileDate(time);
    items.push_back(std::move(file));
  }
  std::sort(items.begin(), items.end(),
            [](const auto& a, const auto& b) { return a.item.name < b.item.name; });
  return items;
}

}  // namespace zentrix::notes
