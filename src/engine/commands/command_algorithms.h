#pragma once
// The algorithm of each command id.

#include "engine/commands/base/command_algorithm.h"

namespace zentrix::engine {

// The algorithm of a command id, or nullptr when there is none (yet).
CommandAlgorithm FindCommandAlgorithm(int id);

}  // namespace zentrix::engine
