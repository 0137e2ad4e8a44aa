#pragma once
// The home folder, where the terminal calculator keeps its history.

#include <functional>
#include <optional>
#include <string>

namespace zentrix::cli {

using EnvironmentLookup = std::function<const char*(const char* name)>;

// --home DIR, else $ZENTRIX_HOME, else $XDG_DATA_HOME/zentrix, else
// $HOME/.local/share/zentrix; empty variables count as unset. Empty when none
// of them gives a folder.
std::string ResolveHomeFolder(const std::optional<std::string>& option,
                              const EnvironmentLookup& environment);

}  // namespace zentrix::cli
