// zentrix-cli: the terminal calculator.

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "engine/commands/install_engine.h"

int main(int argc, char** argv) {
  zentrix::engine::InstallEngine();
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool output_is_terminal = isatty(STDOUT_FILENO) == 1;
  const bool interactive = isatty(STDIN_FILENO) == 1 && output_is_terminal;
  // A dumb terminal (an editor's shell buffer) gets the plain prompt.
  const char* term = std::getenv("TERM");
  const bool line_editing = interactive && term != nullptr && std::strcmp(term, "dumb") != 0;
  zentrix::cli::CliStreams streams{std::cin,    std::cout,    std::cerr,
                                   interactive, line_editing, output_is_terminal};
  return zentrix::cli::RunCli(args, streams);
}
