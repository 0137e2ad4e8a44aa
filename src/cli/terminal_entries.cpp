#include "cli/terminal_entries.h"

#include <cstdio>

#include "cli/completion.h"

namespace zentrix::cli {
namespace {

std::string HistoryPath(const std::string& home_folder) {
  return home_folder.empty() ? std::string() : home_folder + "/cli_history";
}

}  // namespace

TerminalEntries::TerminalEntries(const std::string& home_folder, const CliSession& session,
                                 std::ostream& err)
    : editor_(
          HistoryPath(home_folder),
          [&session](std::string_view before_cursor, std::size_t word_start) {
            return CompleteWord(before_cursor, word_start, session.VariableNames());
          },
          err) {}

// Ctrl-D leaves the prompt's line unfinished; end it for the shell.
TerminalEntries::~TerminalEntries() {
  std::fputs("\n", stdout);
  std::fflush(stdout);
}

LineRead TerminalEntries::Next(std::string& line) {
  if (!editor_.ReadLine("> ", line)) return LineRead::kEnd;
  return line.size() > kMaxLineBytes ? LineRead::kTooLong : LineRead::kLine;
}

void TerminalEntries::Done(const std::string& line) { editor_.Remember(line); }

}  // namespace zentrix::cli
