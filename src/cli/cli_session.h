#pragma once
// One run of the terminal calculator: the shared variable store, the number
// settings, and the answers written in the chosen format.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/answer_colours.h"
#include "cli/session_settings.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/core/variable_store.h"

namespace zentrix::cli {

class CliSession {
 public:
  // Sets the engine's angle unit for the session's lifetime.
  CliSession(const SessionSettings& settings, std::ostream& out, AnswerColours colours = {});
  ~CliSession();
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  // Solves one entry given as UTF-8 and writes its answer. Empty entries are
  // skipped. A Ctrl-C at the terminal stops the evaluation.
  void Run(std::string_view utf8);
  // Writes an error answer for an entry that could not be read or carried out.
  void Refuse(std::string_view reason);
  // Writes text that is not an answer (help, the settings) as it is.
  void WriteText(std::string_view text);

  const SessionSettings& settings() const { return settings_; }
  // Takes effect from the next entry on.
  void ChangeSettings(const SessionSettings& settings);

  bool HasVariable(std::string_view utf8_name) const;
  // The variables defined so far, in UTF-8, in order of definition.
  std::vector<std::string> VariableNames() const;

  bool any_failed() const { return any_failed_; }

 private:
  void Write(const engine::EntryAnswer& answer);
  void WriteAnswerLines(std::string_view text, bool failed);

  SessionSettings settings_;
  engine::EntrySettings entry_settings_;
  engine::VariableStore variables_;
  std::ostream& out_;
  AnswerColours colours_;
  bool any_failed_ = false;
  bool wrote_answer_ = false;
  int saved_angle_unit_;
};

}  // namespace zentrix::cli
