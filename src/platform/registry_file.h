#pragma once
// The registry as a text file: one section per key, one typed value per line.
//
//   [Software\Corvane\Zentrix 2.0]
//   Precision=dword:5
//   CalculatorFile=sz:Homework
//
// Strings are UTF-8 with "\\", "\n" and "\r" escaped. Reading skips every line
// it cannot understand (never fatal); writing replaces the whole file through a
// temporary file and a rename, so a crash never leaves it half written. The
// order of keys and values is kept as first seen or set.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/atomic_file.h"  // Save() writes through it; callers of the registry use it too

namespace zentrix::platform {

class RegistryFile {
 public:
  using Value = std::variant<std::uint32_t, std::string>;

  RegistryFile() = default;
  explicit RegistryFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // Replaces the contents with the file's. A missing file is an empty registry
  // (true); a file that cannot be read is false and leaves it empty.
  bool Load();
  // Writes every key and value; false when the file cannot be written.
  bool Save() const;

  // Parses the text of a registry file; unreadable lines are skipped.
  void Parse(std::string_view text);
  std::string Serialize() const;

  bool HasKey(std::string_view key) const;
  // A value of the other type reads as missing.
  std::optional<std::uint32_t> GetDword(std::string_view key, std::string_view name) const;
  std::optional<std::string> GetString(std::string_view key, std::string_view name) const;
  void SetDword(std::string_view key, std::string_view name, std::uint32_t value);
  void SetString(std::string_view key, std::string_view name, std::string_view value);
  void Remove(std::string_view key, std::string_view name);

 private:
  struct Entry {
    std::string name;
    Value value;
  };
  struct Key {
    std::string name;
    std::vector<Entry> entries;
  };
  const Entry* Find(std::string_view key, std::string_view name) const;
  Key& KeyFor(std::string_view key);
  void Set(std::string_view key, std::string_view name, Value value);

  std::string path_;
  std::vector<Key> keys_;
};

}  // namespace zentrix::platform
