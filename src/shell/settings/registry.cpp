#include "shell/settings/registry.h"

namespace zentrix::shell {

std::optional<platform::RegistryFile> Registry::Open() const {
  if (path_.empty()) return std::nullopt;
  platform::RegistryFile file(path_);
  if (!file.Load()) return std::nullopt;
  return file;
}

std::optional<std::uint32_t> Registry::ReadDword(std::string_view name,
                                                 std::string_view key) const {
  auto file = Open();
  if (!file) return std::nullopt;
  return file->GetDword(key, name);
}

bool Registry::WriteDword(std::string_view name, std::uint32_t value, std::string_view key) const {
  auto file = Open();
  if (!file) return false;
  file->SetDword(key, name, value);
  return Store(*file);
}

}  // namespace zentrix::shell
