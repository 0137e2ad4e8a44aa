#pragma once
// Entries typed at the terminal: the line editor with the "> " prompt, the
// history in the home folder, and completion from the commands and the
// session's variables.

#include <iosfwd>
#include <string>

#include "cli/cli_session.h"
#include "cli/entry_source.h"
#include "cli/line_editor.h"

namespace zentrix::cli {

class TerminalEntries : public EntrySource {
 public:
  // No history is kept when `home_folder` is empty.
  TerminalEntries(const std::string& home_folder, const CliSession& session, std::ostream& err);
  ~TerminalEntries() override;
  LineRead Next(std::string& line) override;
  void Done(const std::string& line) override;

 private:
  LineEditor editor_;
};

}  // namespace zentrix::cli
