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

ScopedEngineState::~ScopedEngineState() {
  CanonicalizeFunction installed = Engine().canonicalize;
  Engine() = saved_;
  // A simplifier installed inside the scope stays installed.
  if (installed != nullptr) Engine().canonicalize = installed;
}

}  // namespace zentrix::engine
