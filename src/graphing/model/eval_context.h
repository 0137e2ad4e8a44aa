#pragma once
// The process-wide values that compiled graph expressions read: three variable
// slots and the angle mode. A caller stores the sample variable(s) and T in the
// slots before each evaluation. 2D graphs use slot 0 for their variable and
// slot 1 for T; 3D graphs use slots 0 and 1 for their two variables and slot 2
// for T. The graphs empty the slots they do not use, so that a variable left
// by another grapher never stands in for one the graph does not have.

#include "graphing/model/variable_codes.h"

namespace zentrix::graphing {

enum class AngleMode : int { kRadians = 0, kDegrees = 1, kGradians = 2 };

struct VariableSlot {
  VariableCode code = 0;  // 0 holds no variable
  double value = 0.0;
};

struct EvalContext {
  static constexpr int kSlotCount = 3;
  VariableSlot slots[kSlotCount];
  AngleMode angle_mode = AngleMode::kRadians;

  void Set(int slot, VariableCode code, double value) {
    slots[slot].code = code;
    slots[slot].value = value;
  }
  // Empties every slot (the angle mode stays).
  void ClearSlots() {
    for (VariableSlot& s : slots) s = VariableSlot{};
  }
};

// The one evaluation context of the process. Evaluation is never re-entered:
// the program has one thread and no evaluation evaluates another graph.
EvalContext& GraphEvaluation();

// Sets a fresh context for its lifetime and restores the previous one after
// (tests, and passes that force radians for a while).
class ScopedEvalContext {
 public:
  ScopedEvalContext() : saved_(GraphEvaluation()) { GraphEvaluation() = EvalContext{}; }
  ~ScopedEvalContext() { GraphEvaluation() = saved_; }
  ScopedEvalContext(const ScopedEvalContext&) = delete;
  ScopedEvalContext& operator=(const ScopedEvalContext&) = delete;

 private:
  EvalContext saved_;
};

// Sets the angle mode for its lifetime and restores the previous mode after.
class ScopedAngleMode {
 public:
  explicit ScopedAngleMode(AngleMode mode) : saved_(GraphEvaluation().angle_mode) {
    GraphEvaluation().angle_mode = mode;
  }
  ~ScopedAngleMode() { GraphEvaluation().angle_mode = saved_; }
  ScopedAngleMode(const ScopedAngleMode&) = delete;
  ScopedAngleMode& operator=(const ScopedAngleMode&) = delete;

 private:
  AngleMode saved_;
};

}  // namespace zentrix::graphing
