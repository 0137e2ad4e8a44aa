#pragma once
// The home folder: the device's file system root and the program's own folder
// at once. It holds the registry file, Files/, Notes/ and the saved graph sets.

#include <string>

namespace zentrix::platform {

// The folder chosen by `--home` (when not empty), else $ZENTRIX_HOME, else
// $XDG_DATA_HOME/zentrix, else ~/.local/share/zentrix.
std::string ResolveHomeFolder(const std::string& option);

// Creates the folder and its Files/ and Notes/ folders when missing, and checks
// that files can be written in it. On failure `error` says what went wrong.
bool PrepareHomeFolder(const std::string& folder, std::string* error);

// The registry file inside a home folder.
std::string RegistryPathIn(const std::string& folder);

// A program path ("\Files\a.qv1" or "Files\a.qv1") as a path below the home folder.
std::string HomePath(const std::string& folder, const std::string& program_path);

}  // namespace zentrix::platform
