#pragma once
// Preparing a 2D graph set for plotting: each enabled graph, in list order, is
// compiled (Function graphs through the symbolic engine first) and has its
// sampling window applied. The first failure stops the pass with its message.

#include <functional>
#include <string>

#include "engine/core/variable_store.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/graph_set.h"

namespace zentrix::graphing {

class StatPlot;

struct PreparationSettings {
  AngleMode angle_mode = AngleMode::kRadians;
  bool always_radians = false;  // "Always graph in radians"
  bool single_plot = false;     // only the selected graph is enabled and prepared
  const engine::VariableStore* variables = nullptr;  // the notebook's definitions
  // Loads a statistical plot's lists from the data table (before refreshData).
  std::function<void(StatPlot&)> load_lists;
};

struct PreparationResult {
  bool ok = true;
  int graph_index = -1;    // the graph that stopped the pass
  std::u16string message;  // mark-up text for the grapher's message box
};

// Sets the evaluation angle mode from the settings and prepares the set.
PreparationResult PrepareGraphSet(GraphSet2D& set, const PreparationSettings& settings);

// Compiles a text for a graph that is not passed through the symbolic engine;
// a call of a symbolic command (D, Integrate ...) is evaluated once
// symbolically and the result compiled instead.
bool CompileWithSymbolicCalls(CompiledExpr& expression, std::u16string_view text,
                              const engine::VariableStore* variables);

// "<kind> #<n> could not be graphed." and the red engine message.
std::u16string GraphFailureMessage(std::u16string_view kind, int graph_number,
                                   std::u16string_view error);

}  // namespace zentrix::graphing
