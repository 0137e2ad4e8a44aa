#include "shell/settings/registry.h"

namespace zentrix::shell {

std::optional<platform::RegistryFile> Registry::Open() const {
  if (path_.empty()) return std::nullopt;
  if (batching_ && batch_) return batch_;
  platform::RegistryFile file(path_);
  if (!file.Load()) return std::nullopt;
  return file;
}

bool Registry::Store(const platform::RegistryFile& file) const {
  if (!batching_) return file.Save();
  batch_ = file;
  return true;
}

bool Registry::EndBatch() {
  batching_ = false;
  if (!batch_) return true;
  const bool saved = batch_->Save();
  batch_.reset();
  return saved;
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
