#include "cli/entry_source.h"

#include <istream>
#include <ostream>

namespace zentrix::cli {

// The prompt's line ends when the input does, so the shell's prompt starts on
// a line of its own.
StreamEntries::~StreamEntries() {
  if (prompt_out_) *prompt_out_ << '\n' << std::flush;
}

// A line over the limit is skipped to its end and reported.
LineRead StreamEntries::Next(std::string& line) {
  if (prompt_out_) *prompt_out_ << "> " << std::flush;
  line.clear();
  std::streambuf* buffer = in_.rdbuf();
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
  in_.setstate(std::ios::eofbit);
  if (!any) return LineRead::kEnd;
  return too_long ? LineRead::kTooLong : LineRead::kLine;
}

}  // namespace zentrix::cli
