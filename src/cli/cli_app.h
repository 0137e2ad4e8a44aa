#pragma once
// zentrix-cli as a function of its arguments and streams, so that the program
// and its tests run the same code.

#include <iosfwd>
#include <string>
#include <vector>

namespace zentrix::cli {

struct CliStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool interactive = false;  // standard input is a terminal: show a prompt
};

// Exit status: 0 when every entry gave an answer, 1 when any failed, 2 for
// bad options.
int RunCli(const std::vector<std::string>& args, CliStreams streams);

}  // namespace zentrix::cli
