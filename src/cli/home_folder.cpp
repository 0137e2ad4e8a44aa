#include "cli/home_folder.h"

namespace zentrix::cli {
namespace {

std::string Variable(const EnvironmentLookup& environment, const char* name) {
  const char* value = environment(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string ResolveHomeFolder(const std::optional<std::string>& option,
                              const EnvironmentLookup& environment) {
  if (option && !option->empty()) return *option;
  if (std::string home = Variable(environment, "ZENTRIX_HOME"); !home.empty()) return home;
  if (std::string data = Variable(environment, "XDG_DATA_HOME"); !data.empty()) {
    return data + "/zentrix";
  }
  if (std::string user = Variable(environment, "HOME"); !user.empty()) {
    return user + "/.local/share/zentrix";
  }
  return {};
}

}  // namespace zentrix::cli
