#pragma once
// Ctrl-C and window resizes at the terminal prompt. While a line is edited,
// Ctrl-C cancels it; while an entry is evaluated, it spends the entry's work
// budget, so the evaluation stops at the budget's next check (within
// milliseconds). A second Ctrl-C during the same evaluation ends the program,
// for the rare step that does not count its work.

#include <cstdint>

namespace zentrix::cli {

class TerminalSignals {
 public:
  // Handles SIGINT and SIGWINCH for the object's lifetime; one at a time.
  TerminalSignals();
  ~TerminalSignals();
  TerminalSignals(const TerminalSignals&) = delete;
  TerminalSignals& operator=(const TerminalSignals&) = delete;

  // Readable after a signal that the line editor should look at.
  int wake_fd() const;
  // Whether Ctrl-C was pressed at the prompt (or the window resized) since the
  // last call; empties the wake-up pipe.
  struct Pending {
    bool interrupt = false;
    bool resize = false;
  };
  Pending Take();
};

// Marks one evaluation for its lifetime: a Ctrl-C meanwhile stops it. Without
// TerminalSignals nothing can interrupt it, and the scope costs nothing.
class InterruptibleEvaluation {
 public:
  InterruptibleEvaluation();
  ~InterruptibleEvaluation();
  InterruptibleEvaluation(const InterruptibleEvaluation&) = delete;
  InterruptibleEvaluation& operator=(const InterruptibleEvaluation&) = delete;

  bool interrupted() const;

 private:
  std::uint64_t saved_work_limit_;
};

}  // namespace zentrix::cli
