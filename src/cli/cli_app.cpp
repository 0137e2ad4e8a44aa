#include "cli/cli_app.h"

#include <istream>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace zentrix::cli {
namespace {

// Lines longer than this are refused rather than read into memory whole.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 22;

enum class LineRead { kLine, kTooLong, kEnd };

// Reads one line without its line feed; a line over the limit is skipped to
// its end and reported.
LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  bool any = false, too_long = false;
  for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
    any = true;
    if (c == '\n') return too_long ? LineRead::kTooLong : LineRead::kLine;
    if (line.size() < kMaxLineBytes) {
      line.push_back(static_cast<char>(c));
    } else {
      too_long = true;
    }
  }
  in.setstate(std::ios::eofbit);
  if (!any) return LineRead::kEnd;
  return too_long ? LineRead::kTooLong : LineRead::kLine;
}

void ReadEntries(CliSession& session, CliStreams& streams) {
  std::string line;
  while (true) {
    if (streams.interactive) streams.out << "> " << std::flush;
    LineRead read = ReadLine(streams.in, line);
    if (read == LineRead::kEnd) break;
    if (read == LineRead::kTooLong) {
      session.Refuse("the entry is longer than " + std::to_string(kMaxLineBytes) + " bytes");
      continue;
    }
    session.Run(line);
    streams.out << std::flush;
  }
  if (streams.interactive) streams.out << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliStreams streams) {
  ParsedOptions parsed = ParseOptions(args);
  if (!parsed.ok()) {
    streams.err << "zentrix-cli: " << parsed.error << "\nTry 'zentrix-cli --help'.\n";
    return 2;
  }
  if (parsed.options.help) {
    streams.out << HelpText();
    return 0;
  }
  CliSession session(parsed.options, streams.out);
  if (!parsed.options.entries.empty()) {
    for (const std::string& entry : parsed.options.entries) session.Run(entry);
  } else {
    ReadEntries(session, streams);
  }
  streams.out << std::flush;
  return session.any_failed() ? 1 : 0;
}

}  // namespace zentrix::cli
