#pragma once
// Screenshots: where the files go (main memory, that is the home folder, or a
// storage card), the name prefix, the next number and whether a held button
// keeps capturing. The bound button's key-down asks for a capture and its
// key-up ends the asking; at the start of every frame, before anything is
// drawn, a requested capture saves the back buffer (so the previous frame) as
// FOLDER/My Documents/Corvane/ScreenShots/<prefix><index>.png and advances
// the index, whether or not the file could be written.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draw/surface.h"
#include "shell/screenshots/storage_cards.h"
#include "shell/settings/registry.h"

namespace zentrix::shell {

inline constexpr std::int32_t kLargestScreenshotIndex = 0x7FFFFFFF;

class Screenshots {
 public:
  Screenshots(std::string home_folder, std::vector<StorageCard> cards);

  // "PhotoIndex", "MultipleCaptures", "Filename", "SaveLocation"; a location
  // beyond the list becomes main memory.
  void Load(const Registry& registry);
  bool Save(const Registry& registry) const;

  // 0 main memory, 1.. the storage cards.
  int Location() const { return location_; }
  // Chooses a location and creates its screenshot folders when missing;
  // an index beyond the list chooses main memory.
  void ChooseLocation(int location);
  std::vector<std::u16string> LocationNames() const;

  const std::u16string& Prefix() const { return prefix_; }
  void SetPrefix(std::u16string prefix) { prefix_ = std::move(prefix); }
  std::int32_t Index() const { return index_; }
  void SetIndex(std::int32_t index) { index_ = index < 0 ? 0 : index; }
  bool Multiple() const { return multiple_; }
  void SetMultiple(bool on) { multiple_ = on; }

  // The screenshot button. A press shorter than a frame still gives one file.
  void ButtonDown();
  void ButtonUp() { held_ = false; }
  bool Requested() const { return pending_ || (held_ && multiple_); }

  // At the start of a frame: saves the back buffer when a capture is asked for.
  void Capture(const draw::Surface& back_buffer);

  // The folder of the chosen location and the file a capture would write now.
  std::string Folder() const;
  std::string FilePath() const;
  // The last capture's failure, until a capture succeeds (empty: none).
  const std::u16string& LastError() const { return last_error_; }
  int FilesWritten() const { return files_written_; }

 private:
  std::string Root() const;
  bool MakeFolders(std::string* reason) const;

  std::string home_;
  std::vector<StorageCard> cards_;
  int location_ = 0;
  std::u16string prefix_;
  std::int32_t index_ = 0;
  bool multiple_ = false;
  bool held_ = false;
  bool pending_ = false;
  std::u16string last_error_;
  int files_written_ = 0;
};

// The index a typed text asks for: plain decimal digits from 0 to 2^31 − 1;
// anything else (empty, a sign, other characters, too large) asks for none.
std::optional<std::int32_t> ParseScreenshotIndex(std::u16string_view text);
// A prefix made safe as part of a file name: path separators and control
// characters become "_", so a name never leaves the screenshot folder.
std::string FileNamePart(std::u16string_view prefix);

}  // namespace zentrix::shell
