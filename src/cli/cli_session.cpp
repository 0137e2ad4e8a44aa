#include "cli/cli_session.h"

#include <ostream>
#include <string>

#include "cli/layout_pretty.h"
#include "cli/terminal_signals.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"

namespace zentrix::cli {

CliSession::CliSession(const SessionSettings& settings, std::ostream& out, AnswerColours colours)
    : out_(out), colours_(colours), saved_angle_unit_(engine::Engine().angle_unit) {
  ChangeSettings(settings);
}

CliSession::~CliSession() {
  engine::Engine().angle_unit = saved_angle_unit_;
}

void CliSession::ChangeSettings(const SessionSettings& settings) {
  settings_ = settings;
  engine::Engine().angle_unit = settings.degrees ? 1 : 0;
  entry_settings_.number_mode = settings.number_mode;
  entry_settings_.decimal = settings.decimal;
  entry_settings_.smart_solve = settings.smart_solve;
}

void CliSession::Run(std::string_view utf8) {
  if (!utf8.empty() && utf8.back() == '\r') utf8.remove_suffix(1);
  if (utf8.empty()) return;
  chars::Utf8Decoding decoded = chars::FromUtf8(utf8);
  if (!decoded.ok()) {
    Refuse(decoded.error);
    return;
  }
  // Every entry is a fresh notebook entry, so its decimal toggle starts clear.
  InterruptibleEvaluation evaluation;
  engine::EntryAnswer answer = engine::SolveEntry(decoded.text, variables_, entry_settings_);
  if (evaluation.interrupted() && answer.failed()) {
    out_ << '\n';  // past the terminal's echo of Ctrl-C
    Refuse("The calculation was interrupted.");
    return;
  }
  Write(answer);
}

void CliSession::Refuse(std::string_view reason) {
  // Written as UTF-8 directly: the reason may quote a character that the
  // calculator's own text cannot hold.
  any_failed_ = true;
  if (settings_.format == OutputFormat::kPretty && wrote_answer_) out_ << '\n';
  WriteAnswerLines("Error: " + std::string(reason), true);
  wrote_answer_ = true;
}

void CliSession::WriteText(std::string_view text) {
  out_ << text << std::flush;
}

bool CliSession::HasVariable(std::string_view utf8_name) const {
  chars::Utf8Decoding decoded = chars::FromUtf8(utf8_name);
  return decoded.ok() && variables_.Contains(decoded.text);
}

std::vector<std::string> CliSession::VariableNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < variables_.Count(); ++i) {
    if (std::optional<std::u16string> name = variables_.Name(i)) {
      names.push_back(chars::ToUtf8(*name));
    }
  }
  return names;
}

void CliSession::Write(const engine::EntryAnswer& answer) {
  if (answer.kind == engine::EntryAnswer::Kind::kNone) return;
  if (answer.failed()) any_failed_ = true;
  std::string text;
  switch (settings_.format) {
    case OutputFormat::kText:
      text = engine::RenderText(answer.layout);
      break;
    case OutputFormat::kPretty:
      // Two-dimensional answers are told apart by an empty line between them.
      if (wrote_answer_) out_ << '\n';
      text = RenderPretty(answer.layout);
      break;
    case OutputFormat::kInput:
      text = answer.shown ? chars::ToUtf8(engine::LinearText(*answer.shown, {true, false}))
                          : engine::RenderText(answer.layout);
      break;
  }
  // A text of lines (VarStats) ends with its own line feed.
  if (!text.empty() && text.back() == '\n') text.pop_back();
  WriteAnswerLines(text, answer.failed());
  wrote_answer_ = true;
}

// Each line is coloured on its own, so a two-dimensional answer keeps its
// columns and an interrupted output leaves no colour behind.
void CliSession::WriteAnswerLines(std::string_view text, bool failed) {
  if (!colours_.on()) {
    out_ << text << '\n';
    return;
  }
  const std::string_view colour = failed ? colours_.error : colours_.answer;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = std::min(text.find('\n', start), text.size());
    out_ << colour << text.substr(start, end - start) << colours_.reset << '\n';
    start = end + 1;
  }
}

}  // namespace zentrix::cli
