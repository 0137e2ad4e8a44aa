#include "platform/home_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace zentrix::platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string ResolveHomeFolder(const std::string& option) {
  if (!option.empty()) return option;
  if (std::string home = Env("ZENTRIX_HOME"); !home.empty()) return home;
  if (std::string data = Env("XDG_DATA_HOME"); !data.empty()) return data + "/zentrix";
  const std::string user = Env("HOME");
  return (user.empty() ? std::string(".") : user) + "/.local/share/zentrix";
}

bool PrepareHomeFolder(const std::string& folder, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code code;
  for (const fs::path& path :
       {fs::path(folder), fs::path(folder) / "Files", fs::path(folder) / "Notes"}) {
    fs::create_directories(path, code);
    if (code || !fs::is_directory(path)) {
      if (error) {
        *error = "Cannot create the folder " + path.string() + ": " +
                 (code ? code.message() : std::string("a file is in the way"));
      }
      return false;
    }
  }
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    if (error) *error = "Cannot write into the folder " + folder + ".";
    return false;
  }
  return true;
}

std::string RegistryPathIn(const std::string& folder) {
  return (std::filesystem::path(folder) / "registry.txt").string();
}

std::string HomePath(const std::string& folder, const std::string& program_path) {
  std::string relative = program_path;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  while (!relative.empty() && relative.front() == '/') relative.erase(0, 1);
  return (std::filesystem::path(folder) / relative).string();
}

}  // namespace zentrix::platform
