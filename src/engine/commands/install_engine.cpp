#include "engine/commands/install_engine.h"

#include "engine/commands/simplify/canonicalize.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {

void InstallEngine() { InstallCanonicalizer(); }

bool EngineInstalled() { return Engine().canonicalize == &CanonicalizeBuilt; }

}  // namespace zentrix::engine
