#include "engine/commands/commands_state.h"

namespace zentrix::engine {

CommandsState& Commands() {
  static CommandsState state;
  return state;
}

void ClearCommandFaults() {
  CommandsState& s = Commands();
  s.too_deep = s.list_mismatch = s.too_large = false;
}

bool HasCommandFault() {
  const CommandsState& s = Commands();
  return s.too_deep || s.list_mismatch || s.too_large;
}

DepthGuard::DepthGuard() : ok_(++Commands().depth <= kMaxRecursionDepth) {
  if (!ok_) Commands().too_deep = true;
}

}  // namespace zentrix::engine
