#include "ui/files/document_folder.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>

#include "ui/core/ui_state.h"

namespace zentrix::ui {
namespace {

std::u16string Ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// One UTF-8 sequence at `at`: its code point and length (1 for a bad byte).
std::pair<char32_t, std::size_t> DecodeOne(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
  if (length == 0 || at + length > s.size()) return {0xFFFD, 1};
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {0xFFFD, 1};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  return {code, length};
}

}  // namespace

std::u16string NameFromFile(std::string_view utf8) {
  // The encoder's text for each program character above ASCII, longest first.
  std::array<std::pair<std::string, char16_t>, 128> table;
  for (int c = 128; c < 256; ++c) {
    table[static_cast<std::size_t>(c - 128)] = {
        EncodeText(std::u16string(1, static_cast<char16_t>(c))), static_cast<char16_t>(c)};
  }
  std::stable_sort(table.begin(), table.end(),
                   [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  std::u16string name;
  std::size_t at = 0;
  while (at < utf8.size()) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {
      name += static_cast<char16_t>(utf8[at++]);
      continue;
    }
    const auto match = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
      return !entry.first.empty() && utf8.substr(at).starts_with(entry.first);
    });
    if (match != table.end()) {
      name += match->second;
      at += match->first.size();
      continue;
    }
    const auto [code, length] = DecodeOne(utf8, at);
    name += code >= 32 && code <= 255 ? static_cast<char16_t>(code) : u'?';
    at += length;
  }
  return name;
}

std::u16string FileDate(const std::filesystem::file_time_type& time) {
  const auto system = std::chrono::file_clock::to_sys(time);
  const std::time_t t = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&t, &local);
  return Ascii(std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
               std::to_string(local.tm_year + 1900));
}

std::u16string DocumentFolder::ProgramPath(std::u16string_view name) const {
  std::u16string path = folder_;
  if (!path.empty()) path += u'\\';
  path += name;
  path += u'.';
  path += extension_;
  return path;
}

std::filesystem::path DocumentFolder::FileFor(const DataFolder& data,
                                              std::u16string_view name) const {
  // The name is one file name: it is not split at separators (the save
  // dialog refuses them), so it is encoded as a whole.
  return data.Resolve(folder_) / (EncodeText(name) + "." + EncodeText(extension_));
}

bool DocumentFolder::Exists(const DataFolder& data, std::u16string_view name) const {
  std::error_code error;
  return std::filesystem::exists(FileFor(data, name), error);
}

void DocumentFolder::Create(const DataFolder& data) const {
  std::error_code error;
  std::filesystem::create_directories(data.Resolve(folder_), error);
}

std::vector<DocumentFile> DocumentFolder::List(const DataFolder& data,
                                               const SummaryReader& summary) const {
  std::vector<DocumentFile> files;
  Create(data);
  const std::filesystem::path folder = data.Resolve(folder_);
  std::string extension(1, '.');
  extension += EncodeText(extension_);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code entry_error;
    if (!entry.is_regular_file(entry_error) || entry.path().extension() != extension) continue;
    DocumentFile file{{}, entry.path()};
    file.item.name = NameFromFile(entry.path().stem().string());
    if (summary) summary(entry.path(), file.item);
    const auto time = entry.last_write_time(entry_error);
    if (!entry_error) file.item.date = FileDate(time);
    files.push_back(std::move(file));
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.item.name < b.item.name; });
  return files;
}

}  // namespace zentrix::ui
