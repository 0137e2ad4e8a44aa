// Any line typed at the terminal calculator's prompt: Tab completion at every
// position, then the line as a prompt command (help, :settings, :SETTING VALUE).
// Entries themselves are covered by solve_and_print. Nothing may crash, hang
// or leak.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "cli/cli_session.h"
#include "cli/completion.h"
#include "cli/prompt_commands.h"
#include "engine/commands/install_engine.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024) return 0;
  static NullBuffer discard;
  static std::ostream out(&discard);
  static zentrix::cli::CliSession session(zentrix::cli::SessionSettings(), out);
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  static const std::vector<std::string> kVariables = {"help", "rate", "θ"};
  for (std::size_t word_start = 0; word_start <= line.size(); ++word_start) {
    zentrix::cli::CompleteWord(line, word_start, kVariables);
  }
  zentrix::cli::RunPromptCommand(line, session);
  return 0;
}
