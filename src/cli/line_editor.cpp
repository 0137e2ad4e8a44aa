#include "cli/line_editor.h"

#include <editline/readline.h>
#include <langinfo.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace zentrix::cli {
namespace {

// Characters that end a name in an entry, so Tab completes the name before the cursor.
constexpr char kWordBreaks[] = " \t\n+-*/^()[]{},=<>!;\"'&|";

Completer* g_completer = nullptr;
std::vector<std::string> g_matches;

struct LineState {
  bool done = false;
  bool end = false;
  std::string text;
} g_line;

void OnLine(char* line) {
  g_line.done = true;
  if (line == nullptr) {
    g_line.end = true;
    return;
  }
  g_line.text = line;
  std::free(line);
}

// The byte offset of the `characters`-th character of UTF-8 text: libedit
// counts the word's position in characters.
std::size_t ByteOffset(std::string_view utf8, int characters) {
  std::size_t offset = 0;
  for (int seen = 0; offset < utf8.size(); ++offset) {
    const bool continuation = (static_cast<unsigned char>(utf8[offset]) & 0xC0) == 0x80;
    if (!continuation && seen++ == characters) break;
  }
  return offset;
}

char* NextMatch(const char*, int state) {
  static std::size_t next;
  if (state == 0) next = 0;
  if (next >= g_matches.size()) return nullptr;
  return strdup(g_matches[next++].c_str());
}

char** Complete(const char* text, int start, int end) {
  rl_attempted_completion_over = 1;  // never fall back to file names
  const std::string_view buffer = rl_line_buffer ? rl_line_buffer : "";
  const std::string_view before_cursor = buffer.substr(0, ByteOffset(buffer, end));
  g_matches = (*g_completer)(before_cursor, ByteOffset(buffer, start));
  if (g_matches.empty()) return nullptr;
  return rl_completion_matches(text, NextMatch);
}

// Keys that people expect from readline and that libedit's emacs map binds
// differently or not at all. Each line passes libedit's tokenizer, which takes
// one level of backslashes, before its key parser reads "\e" as Escape.
void BindKeys() {
  const char* const kBindings[] = {
      R"(bind ^W ed-delete-prev-word)",     R"(bind ^U vi-kill-line-prev)",
      R"(bind \\e[H ed-move-to-beg)",       R"(bind \\e[F ed-move-to-end)",
      R"(bind \\e[1~ ed-move-to-beg)",      R"(bind \\e[4~ ed-move-to-end)",
      R"(bind \\eOH ed-move-to-beg)",       R"(bind \\eOF ed-move-to-end)",
      R"(bind \\e[3~ ed-delete-next-char)", R"(bind \\e[1;5D ed-prev-word)",
      R"(bind \\e[1;5C em-next-word)",
  };
  for (const char* binding : kBindings) rl_parse_and_bind(binding);
}

// libedit reads multibyte characters with the locale's encoding; entries are UTF-8.
void UseUtf8Characters() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

LineEditor::LineEditor(std::string history_path, Completer completer, std::ostream& err)
    : history_path_(std::move(history_path)), completer_(std::move(completer)), err_(err) {
  g_completer = &completer_;
  UseUtf8Characters();
  rl_readline_name = const_cast<char*>("zentrix-cli");
  rl_catch_signals = 0;  // TerminalSignals handles Ctrl-C and resizes
  rl_catch_sigwinch = 0;
  rl_attempted_completion_function = Complete;
  rl_completion_append_character = '\0';
  rl_basic_word_break_characters = kWordBreaks;
  rl_initialize();
  BindKeys();
  stifle_history(kHistoryLines);
  std::error_code missing;
  if (!history_path_.empty() && std::filesystem::exists(history_path_, missing)) {
    if (int error = read_history(history_path_.c_str()); error != 0) {
      Warn("cannot read the history " + history_path_ + ": " + std::strerror(error));
    }
  }
  if (history_length > 0) {
    if (HIST_ENTRY* last = history_get(history_base + history_length - 1)) {
      last_remembered_ = last->line;
    }
  }
}

LineEditor::~LineEditor() {
  clear_history();
  g_matches.clear();
  g_completer = nullptr;
}

bool LineEditor::ReadLine(const std::string& prompt, std::string& line) {
  signals_.Take();  // a Ctrl-C before the prompt appeared cancels nothing
  g_line = LineState();
  rl_callback_handler_install(prompt.c_str(), OnLine);
  const int input = fileno(rl_instream ? rl_instream : stdin);
  while (!g_line.done) {
    pollfd watched[2] = {{input, POLLIN, 0}, {signals_.wake_fd(), POLLIN, 0}};
    const int ready = poll(watched, signals_.wake_fd() >= 0 ? 2 : 1, -1);
    TerminalSignals::Pending pending = signals_.Take();
    if (pending.resize) rl_resize_terminal();
    if (pending.interrupt) {
      // Reinstalling the handler starts an empty line under a fresh prompt.
      rl_callback_handler_remove();
      std::fputs("^C\n", stdout);
      std::fflush(stdout);
      rl_callback_handler_install(prompt.c_str(), OnLine);
      continue;
    }
    if (ready < 0) {
      if (errno == EINTR) continue;
      g_line.end = true;
      break;
    }
    if (watched[0].revents & POLLIN) {
      rl_callback_read_char();
    } else if (watched[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
      g_line.end = true;
      break;
    }
  }
  rl_callback_handler_remove();
  if (g_line.end) return false;
  line = std::move(g_line.text);
  return true;
}

void LineEditor::Remember(const std::string& line) {
  if (line.find_first_not_of(" \t\r") == std::string::npos || line == last_remembered_) return;
  add_history(line.c_str());
  last_remembered_ = line;
  SaveHistory();
}

// Written to a temporary file first, so an interrupted save keeps the old history.
void LineEditor::SaveHistory() {
  if (history_path_.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(history_path_).parent_path(), error);
  const std::string temporary = history_path_ + "." + std::to_string(getpid()) + ".tmp";
  int failure = error ? error.value() : write_history(temporary.c_str());
  if (failure == 0 && std::rename(temporary.c_str(), history_path_.c_str()) != 0) failure = errno;
  if (failure != 0) {
    std::remove(temporary.c_str());
    Warn("cannot save the history " + history_path_ + ": " + std::strerror(failure));
  }
}

void LineEditor::Warn(const std::string& message) {
  if (warned_) return;
  warned_ = true;
  err_ << "zentrix-cli: " << message << '\n' << std::flush;
}

}  // namespace zentrix::cli
