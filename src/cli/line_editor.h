#pragma once
// Line editing at the terminal prompt through libedit's readline interface:
// cursor keys and the usual control keys, history across runs, completion, and
// Ctrl-C to cancel the line. libedit keeps one editor per process, so there is
// at most one LineEditor at a time.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/terminal_signals.h"

namespace zentrix::cli {

// Completions of the word that starts at `word_start` (bytes) in the text
// before the cursor.
using Completer =
    std::function<std::vector<std::string>(std::string_view before_cursor, std::size_t word_start)>;

// Lines kept in the history file.
inline constexpr int kHistoryLines = 2000;

class LineEditor {
 public:
  // Reads standard input, which must be a terminal. The history is read from
  // and saved to `history_path` (no file when empty); problems with it are
  // reported once on `err` and the session goes on without it.
  LineEditor(std::string history_path, Completer completer, std::ostream& err);
  ~LineEditor();
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;

  // One line without its line feed; false at the end (Ctrl-D on an empty line,
  // or the terminal went away).
  bool ReadLine(const std::string& prompt, std::string& line);

  // Adds a non-empty line to the history (unless it repeats the last one) and
  // saves the history.
  void Remember(const std::string& line);

 private:
  void SaveHistory();
  void Warn(const std::string& message);

  std::string history_path_;
  Completer completer_;
  std::ostream& err_;
  bool warned_ = false;
  std::string last_remembered_;
  TerminalSignals signals_;
};

}  // namespace zentrix::cli
