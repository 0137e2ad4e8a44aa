#pragma once
// DataFolder: the folder that the program's relative file names ("Files\a.qv1",
// "notebook.txt") are resolved against. Normally the program's own folder;
// a feature may point it elsewhere for a while and clear it again. Program
// paths use backslashes; they become the platform's separators here, and
// their names become UTF-8 through the toolkit's encoder.

#include <filesystem>
#include <optional>
#include <string_view>

namespace zentrix::ui {

class DataFolder {
 public:
  DataFolder() = default;
  explicit DataFolder(std::filesystem::path program_folder)
      : program_folder_(std::move(program_folder)) {}

  // Points the folder elsewhere until Clear().
  void Set(std::filesystem::path folder) { override_ = std::move(folder); }
  void Clear() { override_.reset(); }

  const std::filesystem::path& Path() const { return override_ ? *override_ : program_folder_; }
  // A program path below the folder; empty parts (a doubled or leading
  // backslash) and "." or ".." parts are dropped, so no name reaches outside.
  std::filesystem::path Resolve(std::u16string_view program_path) const;

 private:
  std::filesystem::path program_folder_;
  std::optional<std::filesystem::path> override_;
};

}  // namespace zentrix::ui
