#pragma once
// Process-wide bookkeeping of the command layer: the recursion depth of the
// simplifier and the numeric walks, and the faults that the never-failing tree
// arithmetic records for the evaluator to report.

namespace zentrix::engine {

// Recursive walks deeper than this stop and record the fault.
inline constexpr int kMaxRecursionDepth = 2200;

struct CommandsState {
  int depth = 0;
  bool too_deep = false;         // a walk hit kMaxRecursionDepth
  bool list_mismatch = false;    // element-wise arithmetic on lists of different lengths
  bool too_large = false;        // an operation would build an unreasonably large tree
};

CommandsState& Commands();

// Clears the recorded faults (not the depth) before an operation.
void ClearCommandFaults();
bool HasCommandFault();

// Counts one level of recursion for its lifetime. `ok()` is false (and the fault
// recorded) when the level is beyond the limit; the caller then stops descending.
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
