// zentrix-cli: the terminal calculator.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  zentrix::cli::CliStreams streams{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1};
  return zentrix::cli::RunCli(args, streams);
}
