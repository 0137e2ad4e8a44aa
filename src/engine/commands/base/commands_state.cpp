#include "engine/commands/base/commands_state.h"

#include "engine/commands/base/limits.h"

namespace zentrix::engine {

CommandsState& Commands() {
  static CommandsState state;
  return state;
}

void ClearCommandFaults() {
  CommandsState& s = Commands();
  s.too_deep = s.list_mismatch = false;
}

bool HasCommandFault() {
  const CommandsState& s = Commands();
  return s.too_deep || s.list_mismatch;
}

namespace {
// Steps between two looks at the clock: cheap enough to be invisible, and
// frequent enough to notice the deadline within milliseconds.
constexpr std::uint64_t kStepsPerClockCheck = limits::kStepsPerClockCheck;
}  // namespace

bool CheckWorkDeadline() {
  CommandsState& s = Commands();
  const std::uint64_t spent = s.work + Engine().walked_nodes;
  if (!s.too_slow && (spent >= s.work_limit || std::chrono::steady_clock::now() >= s.deadline)) {
    s.too_slow = true;
  }
  s.next_clock_check = spent + kStepsPerClockCheck;
  if (s.too_slow) throw EntryTooSlow();
  return true;
}

EntryWorkBudget::EntryWorkBudget() : outermost_(Commands().budget_scopes == 0) {
  CommandsState& s = Commands();
  if (s.budget_scopes++ > 0) return;
  s.work = 0;
  Engine().walked_nodes = 0;
  s.too_slow = false;
  s.next_clock_check = kStepsPerClockCheck;
  s.deadline = std::chrono::steady_clock::now() + s.time_limit;
}

EntryWorkBudget::~EntryWorkBudget() {
  CommandsState& s = Commands();
  if (--s.budget_scopes == 0) s.too_slow = false;
}

// The work is counted first: a constructor that throws leaves the depth as it was.
DepthGuard::DepthGuard() {
  CountWork();
  ok_ = ++Commands().depth <= kMaxRecursionDepth;
  if (!ok_) Commands().too_deep = true;
}

}  // namespace zentrix::engine
