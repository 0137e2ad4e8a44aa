// Fuzzes the automation script parser: every line either parses or names its
// line and reason.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/automation/script_line.h"

using namespace zentrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const shell::ScriptParse parse =
      shell::ParseScript(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parse.error_line != 0 && parse.error.empty()) std::abort();
  for (const shell::ScriptLine& line : parse.lines) {
    if (line.verb == shell::ScriptVerb::kFrames && line.x > shell::kMaxFramesPerLine) std::abort();
  }
  return 0;
}
