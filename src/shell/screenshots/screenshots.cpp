#include "shell/screenshots/screenshots.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "draw/image_io.h"
#include "engine/core/charset.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kIndexValue = "PhotoIndex";
constexpr std::string_view kMultipleValue = "MultipleCaptures";
constexpr std::string_view kPrefixValue = "Filename";
constexpr std::string_view kLocationValue = "SaveLocation";
constexpr const char* kScreenshotFolder = "My Documents/Corvane/ScreenShots";

}  // namespace

std::optional<std::int32_t> ParseScreenshotIndex(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > kLargestScreenshotIndex) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::string FileNamePart(std::u16string_view prefix) {
  std::u16string safe(prefix);
  for (char16_t& c : safe) {
    if (c == u'/' || c == u'\\' || c < 0x20) c = u'_';
  }
  return chars::ToUtf8(safe);
}

Screenshots::Screenshots(std::string home_folder, std::vector<StorageCard> cards)
    : home_(std::move(home_folder)), cards_(std::move(cards)) {}

void Screenshots::Load(const Registry& registry) {
  auto file = registry.Open();
  if (!file) return;
  if (auto index = file->GetDword(kProgramKey, kIndexValue)) {
    index_ = *index > static_cast<std::uint32_t>(kLargestScreenshotIndex)
                 ? 0
                 : static_cast<std::int32_t>(*index);
  }
  if (auto multiple = file->GetDword(kProgramKey, kMultipleValue)) multiple_ = *multiple == 1;
  if (auto prefix = file->GetString(kProgramKey, kPrefixValue)) {
    prefix_ = chars::FromUtf8(*prefix).text;
  }
  if (auto location = file->GetDword(kProgramKey, kLocationValue)) {
    location_ = *location > cards_.size() ? 0 : static_cast<int>(*location);
  }
}

bool Screenshots::Save(const Registry& registry) const {
  auto file = registry.Open();
  if (!file) return false;
  file->SetDword(kProgramKey, kIndexValue, static_cast<std::uint32_t>(index_));
  file->SetDword(kProgramKey, kMultipleValue, multiple_ ? 1 : 0);
  file->SetString(kProgramKey, kPrefixValue, chars::ToUtf8(prefix_));
  file->SetDword(kProgramKey, kLocationValue, static_cast<std::uint32_t>(location_));
  return registry.Store(*file);
}

void Screenshots::ChooseLocation(int location) {
  location_ = location < 0 || location > static_cast<int>(cards_.size()) ? 0 : location;
  std::string reason;
  if (!MakeFolders(&reason)) last_error_ = chars::U16(reason);
}

std::vector<std::u16string> Screenshots::LocationNames() const {
  std::vector<std::u16string> names{u"Main Memory"};
  for (const StorageCard& card : cards_) names.push_back(chars::FromUtf8(card.name).text);
  return names;
}

void Screenshots::ButtonDown() {
  held_ = true;
  pending_ = true;
}

std::string Screenshots::Root() const {
  return location_ == 0 ? home_ : cards_[location_ - 1].path;
}

std::string Screenshots::Folder() const { return (fs::path(Root()) / kScreenshotFolder).string(); }

std::string Screenshots::FilePath() const {
  return (fs::path(Folder()) / (FileNamePart(prefix_) + std::to_string(index_) + ".png")).string();
}

bool Screenshots::MakeFolders(std::string* reason) const {
  std::error_code error;
  fs::create_directories(Folder(), error);
  if (!error) return true;
  *reason = "Could not create the ScreenShots folder (" + error.message() + ")";
  return false;
}

void Screenshots::Capture(const draw::Surface& back_buffer) {
  if (!Requested()) return;
  pending_ = false;
  const std::string path = FilePath();
  std::string reason;
  std::string folder_problem;
  if (!MakeFolders(&folder_problem)) {
    reason = "Could not save " + fs::path(path).filename().string() + ": no folder";
  } else if (draw::Failed(draw::SaveImage(back_buffer, path, draw::image_format::kPng))) {
    reason = "Could not save " + fs::path(path).filename().string();
  }
  if (reason.empty()) {
    last_error_.clear();
    ++files_written_;
  } else {
    last_error_ = chars::FromUtf8(reason).text;
  }
  // The number moves on either way: a later success never overwrites the
  // file of an earlier one, and a failure is shown on the screenshot screen.
  index_ = index_ == kLargestScreenshotIndex ? 0 : index_ + 1;
}

}  // namespace zentrix::shell
