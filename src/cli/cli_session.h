#pragma once
// One run of the terminal calculator: the shared variable store, the number
// settings, and the answers written in the chosen format.

#include <iosfwd>
#include <string_view>

#include "cli/cli_options.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/core/variable_store.h"

namespace zentrix::cli {

class CliSession {
 public:
  // Sets the engine's angle unit for the session's lifetime.
  CliSession(const CliOptions& options, std::ostream& out);
  ~CliSession();
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  // Solves one entry given as UTF-8 and writes its answer. Empty entries are
  // skipped.
  void Run(std::string_view utf8);
  // Writes an error answer for an entry that could not be read.
  void Refuse(std::string_view reason);

  bool any_failed() const { return any_failed_; }

 private:
  void Write(const engine::EntryAnswer& answer);
  void WriteLines(const std::string& text);

  CliOptions options_;
  engine::EntrySettings settings_;
  engine::VariableStore variables_;
  std::ostream& out_;
  bool any_failed_ = false;
  bool wrote_answer_ = false;
  int saved_angle_unit_;
};

}  // namespace zentrix::cli
