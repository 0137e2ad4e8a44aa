#pragma once
// The command line of zentrix-cli: output format, number settings, where
// entries come from, the home folder and colour.

#include <optional>
#include <string>
#include <vector>

#include "cli/session_settings.h"

namespace zentrix::cli {

enum class ColourChoice { kAuto, kAlways, kNever };

struct CliOptions : SessionSettings {
  bool help = false;
  std::vector<std::string> entries;  // UTF-8, in the order given
  std::optional<std::string> file;   // -f FILE: entries read from the file
  std::optional<std::string> home;   // --home DIR
  ColourChoice colour = ColourChoice::kAuto;
};

struct ParsedOptions {
  CliOptions options;
  std::string error;  // empty when the command line was accepted

  bool ok() const { return error.empty(); }
};

// Options are "--name value" or "--name=value", and "-f FILE"; every other
// argument is an entry (so "-3+x" is an entry), and everything after "--" is too.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace zentrix::cli
