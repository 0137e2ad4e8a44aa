#pragma once
// Runs the command bound to a pressed key, before any other key handling.
// The graph commands and Solve belong to screens of their own; they reach
// them through hooks those screens fill (a hook left empty does nothing).

#include <functional>

#include "shell/buttons/button_bindings.h"

namespace zentrix::shell {

struct ButtonHooks {
  // On a grapher (screen 2 or 3): toggle its toolbars when it shows a graph.
  std::function<void(int screen)> toggle_graph_toolbars;
  // On the 2D grapher: close the shown graph, or plot when none is shown.
  std::function<void()> plot_or_close_graphs;
  // On the calculator: Solve the focused entry.
  std::function<void()> solve;
};

// What the program does for the two commands of its own.
struct ButtonActions {
  std::function<void()> request_screenshot;
  std::function<void()> minimise;
};

// Runs the command bound to `key` on the current screen; the command's index,
// or -1 when the key is bound to none.
int RunBoundCommand(const ButtonBindings& bindings, int key, int screen, const ButtonHooks& hooks,
                    const ButtonActions& actions);

}  // namespace zentrix::shell
