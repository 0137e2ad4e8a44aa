#include "engine/commands/command_algorithms.h"

#include "engine/commands/substitution.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {

CommandAlgorithm FindCommandAlgorithm(int id) {
  // Each algorithm is wired in here when it exists.
  switch (id) {
    case command_id::kEval: return &EvalAlgorithm;
    default: return nullptr;
  }
}

}  // namespace zentrix::engine
