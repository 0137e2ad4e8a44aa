#include "engine/core/engine_state.h"

namespace zentrix::engine {

EngineState& Engine() {
  static EngineState state;
  return state;
}

void CanonicalizeNode(ExprNode& node) {
  if (CanonicalizeFunction canonicalize = Engine().canonicalize) canonicalize(node);
}

ScopedEngineState::ScopedEngineState() : saved_(Engine()) {
  EngineState fresh;
  fresh.canonicalize = saved_.canonicalize;
  Engine() = fresh;
}

ScopedEngineState::~ScopedEngineState() { Engine() = saved_; }

}  // namespace zentrix::engine
