#pragma once
// The command line of zentrix-cli: output format, number settings and entries.

#include <string>
#include <vector>

#include "engine/core/decimal_format.h"
#include "engine/core/number_settings.h"

namespace zentrix::cli {

enum class OutputFormat { kText, kInput, kPretty };

struct CliOptions {
  OutputFormat format = OutputFormat::kText;
  engine::NumberMode number_mode = engine::NumberMode::kFraction;
  engine::DecimalFormat decimal;  // precision 5, Normal notation, zeros stripped
  bool degrees = false;
  bool smart_solve = true;
  bool help = false;
  std::vector<std::string> entries;  // UTF-8, in the order given
};

struct ParsedOptions {
  CliOptions options;
  std::string error;  // empty when the command line was accepted

  bool ok() const { return error.empty(); }
};

// Options are "--name value" or "--name=value"; every other argument is an
// entry (so "-3+x" is an entry), and everything after "--" is too.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace zentrix::cli
