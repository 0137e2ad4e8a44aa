#include "cli/cli_app.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "cli/answer_colours.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/entry_source.h"
#include "cli/home_folder.h"
#include "cli/prompt_commands.h"
#include "cli/terminal_entries.h"

namespace zentrix::cli {
namespace {

void ReadEntries(CliSession& session, EntrySource& source, std::ostream& out) {
  std::string line;
  while (true) {
    LineRead read = source.Next(line);
    if (read == LineRead::kEnd) break;
    if (read == LineRead::kTooLong) {
      session.Refuse("the entry is longer than " + std::to_string(kMaxLineBytes) + " bytes");
      continue;
    }
    if (!RunPromptCommand(line, session)) session.Run(line);
    out << std::flush;
    source.Done(line);
  }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliStreams streams) {
  ParsedOptions parsed = ParseOptions(args);
  if (!parsed.ok()) {
    streams.err << "zentrix-cli: " << parsed.error << "\nTry 'zentrix-cli --help'.\n";
    return 2;
  }
  const CliOptions& options = parsed.options;
  if (options.help) {
    streams.out << HelpText();
    return 0;
  }
  std::ifstream file;
  if (options.file) {
    file.open(*options.file, std::ios::binary);
    if (!file) {
      streams.err << "zentrix-cli: cannot read " << *options.file << ": " << std::strerror(errno)
                  << '\n';
      return 2;
    }
  }
  AnswerColours colours = ChooseColours(options.colour, streams.output_is_terminal,
                                        std::getenv("NO_COLOR"), std::getenv("TERM"));
  CliSession session(options, streams.out, colours);
  if (!options.entries.empty()) {
    for (const std::string& entry : options.entries) session.Run(entry);
  } else if (options.file) {
    StreamEntries source(file, nullptr);
    ReadEntries(session, source, streams.out);
  } else if (streams.line_editing) {
    TerminalEntries source(ResolveHomeFolder(options.home, std::getenv), session, streams.err);
    ReadEntries(session, source, streams.out);
  } else {
    StreamEntries source(streams.in, streams.interactive ? &streams.out : nullptr);
    ReadEntries(session, source, streams.out);
  }
  streams.out << std::flush;
  return session.any_failed() ? 1 : 0;
}

}  // namespace zentrix::cli
