#pragma once
// Process-wide bookkeeping of the command layer, in one struct that tests reset:
// the recursion depth of the simplifier and the numeric walks, the work budget
// of one entry and the polynomial work allowance, and the faults that the
// never-failing tree arithmetic records for the evaluator to report. A spent
// budget is not recorded for later: it throws EntryTooSlow at once
// (base/limit_exceeded.h).

#include <chrono>
#include <cstdint>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/base/limits.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

// Recursive walks deeper than this stop and record the fault.
inline constexpr int kMaxRecursionDepth = limits::kRecursionDepth;

// The work one entry may do: counted steps (every level of a recursive walk and
// the inner loops of the commands) and, as a backstop for steps of uneven cost,
// wall-clock time. Ordinary entries stay orders of magnitude below both.
inline constexpr std::uint64_t kEntryWorkSteps = limits::kEntryWorkSteps;
inline constexpr std::chrono::milliseconds kEntryTimeLimit = limits::kEntryTimeLimit;

struct CommandsState {
  int depth = 0;
  bool too_deep = false;       // a walk hit kMaxRecursionDepth
  bool list_mismatch = false;  // element-wise arithmetic on lists of different lengths
  bool too_slow = false;       // the entry's work budget ran out (EntryTooSlow was thrown)

  // The budget of the entry being evaluated; inactive outside one.
  int budget_scopes = 0;
  std::uint64_t work = 0;
  std::uint64_t work_limit = kEntryWorkSteps;
  std::uint64_t next_clock_check = 0;
  std::chrono::milliseconds time_limit = kEntryTimeLimit;
  std::chrono::steady_clock::time_point deadline{};

  // The allowance of coefficient operations of the polynomial command being
  // run (poly_limits.h), and the nesting of the command calls that share it.
  std::int64_t poly_work_remaining = limits::kPolyWorkAllowance;
  int poly_allowance_scopes = 0;
};

CommandsState& Commands();

// Clears the recorded faults (not the depth, nor a spent budget) before an operation.
void ClearCommandFaults();
bool HasCommandFault();

// Throws EntryTooSlow when the steps or the clock are past the budget; rarely called.
bool CheckWorkDeadline();

// Counts `steps` units of work against the entry's budget; throws EntryTooSlow
// once the budget is spent, so the result is always true.
inline bool CountWork(std::uint64_t steps = 1) {
  CommandsState& s = Commands();
  if (s.budget_scopes == 0) return true;
  s.work += steps;
  if (s.too_slow || s.work + Engine().walked_nodes >= s.next_clock_check) {
    return CheckWorkDeadline();
  }
  return true;
}

// True while an entry runs whose budget is spent: its result is discarded, so
// costly steps (merging like operands of large trees) may be skipped.
inline bool WorkBudgetSpent() {
  const CommandsState& s = Commands();
  return s.budget_scopes > 0 && s.too_slow;
}

// Opens the work budget of one entry for its lifetime. Nested budgets share
// the outermost one, whose owner catches EntryTooSlow and reports it. Closing
// the outermost clears a spent budget: work outside entries is never cut short.
class EntryWorkBudget {
 public:
  EntryWorkBudget();
  ~EntryWorkBudget();
  bool outermost() const { return outermost_; }
  EntryWorkBudget(const EntryWorkBudget&) = delete;
  EntryWorkBudget& operator=(const EntryWorkBudget&) = delete;

 private:
  bool outermost_;
};

// Counts one level of recursion for its lifetime, and one step of work. `ok()`
// is false (and the fault recorded) when the level is beyond the limit; the
// caller then stops descending. A spent budget throws EntryTooSlow.
class DepthGuard {
 public:
  DepthGuard();
  ~DepthGuard() { --Commands().depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// Resets the state for a test and restores it afterwards.
class ScopedCommandsState {
 public:
  ScopedCommandsState() : saved_(Commands()) { Commands() = CommandsState(); }
  ~ScopedCommandsState() { Commands() = saved_; }
  ScopedCommandsState(const ScopedCommandsState&) = delete;
  ScopedCommandsState& operator=(const ScopedCommandsState&) = delete;

 private:
  CommandsState saved_;
};

}  // namespace zentrix::engine
