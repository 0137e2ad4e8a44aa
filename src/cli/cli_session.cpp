#include "cli/cli_session.h"

#include <ostream>
#include <string>

#include "cli/layout_pretty.h"
#include "cli/layout_text.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"

namespace zentrix::cli {

CliSession::CliSession(const CliOptions& options, std::ostream& out)
    : options_(options), out_(out), saved_angle_unit_(engine::Engine().angle_unit) {
  engine::Engine().angle_unit = options.degrees ? 1 : 0;
  settings_.number_mode = options.number_mode;
  settings_.decimal = options.decimal;
  settings_.smart_solve = options.smart_solve;
}

CliSession::~CliSession() {
  engine::Engine().angle_unit = saved_angle_unit_;
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
  Write(engine::SolveEntry(decoded.text, variables_, settings_));
}

void CliSession::Refuse(std::string_view reason) {
  // Written as UTF-8 directly: the reason may quote a character that the
  // calculator's own text cannot hold.
  any_failed_ = true;
  if (options_.format == OutputFormat::kPretty && wrote_answer_) out_ << '\n';
  out_ << "Error: " << reason << '\n';
  wrote_answer_ = true;
}

void CliSession::Write(const engine::EntryAnswer& answer) {
  if (answer.kind == engine::EntryAnswer::Kind::kNone) return;
  if (answer.failed()) any_failed_ = true;
  std::string text;
  switch (options_.format) {
    case OutputFormat::kText:
      text = RenderText(answer.layout);
      break;
    case OutputFormat::kPretty:
      // Two-dimensional answers are told apart by an empty line between them.
      if (wrote_answer_) out_ << '\n';
      text = RenderPretty(answer.layout);
      break;
    case OutputFormat::kInput:
      text = answer.shown ? chars::ToUtf8(engine::LinearText(*answer.shown, {true, false}))
                          : RenderText(answer.layout);
      break;
  }
  // A text of lines (VarStats) ends with its own line feed.
  if (!text.empty() && text.back() == '\n') text.pop_back();
  out_ << text << '\n';
  wrote_answer_ = true;
}

}  // namespace zentrix::cli
