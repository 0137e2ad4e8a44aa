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
  bool interactive = false;         // standard input and output are a terminal: show a prompt
  bool line_editing = false;        // edit the lines at the terminal (standard input and output)
                                    // rather than reading `in`: history, completion, Ctrl-C
  bool output_is_terminal = false;  // answers may be coloured
};

// Exit status: 0 when every entry gave an answer, 1 when any failed, 2 for
// bad options or an unreadable entry file.
int RunCli(const std::vector<std::string>& args, CliStreams streams);

}  // namespace zentrix::cli
