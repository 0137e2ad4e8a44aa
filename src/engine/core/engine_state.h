#pragma once
// The engine's few process-wide values, kept together in one struct so that
// tests can reset them in one place.

#include <cstdint>

#include "engine/core/decimal_format.h"

namespace zentrix::engine {

class ExprNode;

// Puts one node into canonical form in place. The simplifier lives in the
// command layer, which installs it here; until then nodes stay as built.
using CanonicalizeFunction = void (*)(ExprNode& node);

struct EngineState {
  // Raised by exact fraction arithmetic, by a reduction by a divisor other
  // than 1, and by any simplification that changed a node. The notebook clears
  // it before an entry and reads it afterwards (Smart Solve).
  bool rewrite_flag = false;

  // The angle unit setting: 0 radians, 1 degrees. The numeric approximation and
  // the exact values of the trigonometric functions read it.
  int angle_unit = 0;

  // The number settings for texts that a command writes itself (the lines of
  // VarStats). The notebook sets them from its settings while it solves.
  DecimalFormat number_format;

  // Not a setting: nodes visited by tree comparisons and copies, so that the
  // command layer's work budget sees the cost of comparing and copying large trees.
  std::uint64_t walked_nodes = 0;

  // Not a setting: the installed simplifier survives a scoped reset.
  CanonicalizeFunction canonicalize = nullptr;
};

// The one engine state of the process.
EngineState& Engine();

inline void RaiseRewriteFlag() { Engine().rewrite_flag = true; }
inline void ClearRewriteFlag() { Engine().rewrite_flag = false; }
inline bool RewriteFlag() { return Engine().rewrite_flag; }

// Runs the installed simplifier on the node, or leaves it as it is.
void CanonicalizeNode(ExprNode& node);

// Resets every setting of the engine state to its default for the lifetime of
// the object (the installed simplifier is kept) and restores the whole
// previous state, simplifier included, afterwards.
class ScopedEngineState {
 public:
  ScopedEngineState();
  ~ScopedEngineState();
  ScopedEngineState(const ScopedEngineState&) = delete;
  ScopedEngineState& operator=(const ScopedEngineState&) = delete;

 private:
  EngineState saved_;
};

}  // namespace zentrix::engine
