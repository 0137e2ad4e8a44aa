#pragma once
// The program's registry: the registry file in the home folder, opened for
// each load or save and closed afterwards, so that every part of the program
// that keeps values in it reads and writes the file's current contents.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_file.h"

namespace zentrix::shell {

inline constexpr std::string_view kProgramKey = "Software\\Corvane\\Zentrix 2.0";

class Registry {
 public:
  Registry() = default;
  explicit Registry(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }
  bool Usable() const { return !path_.empty(); }

  // The file's current contents; nothing when it cannot be read.
  std::optional<platform::RegistryFile> Open() const;
  // Writes the values back; false when the file cannot be written.
  bool Store(const platform::RegistryFile& file) const;

  // Between the two, Store keeps the values in memory and Open returns them;
  // EndBatch writes the file once. The exit path stores from several places,
  // and one write means that a kill leaves either the old file or the new one.
  void BeginBatch() { batching_ = true; }
  bool EndBatch();

  // One value, read or written on its own (the file is read and rewritten).
  std::optional<std::uint32_t> ReadDword(std::string_view name,
                                         std::string_view key = kProgramKey) const;
  bool WriteDword(std::string_view name, std::uint32_t value,
                  std::string_view key = kProgramKey) const;

 private:
  std::string path_;
  bool batching_ = false;
  mutable std::optional<platform::RegistryFile> batch_;
};

}  // namespace zentrix::shell
