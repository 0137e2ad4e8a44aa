#include "shell/buttons/button_dispatch.h"

#include "shell/program/screen_index.h"

namespace zentrix::shell {

int RunBoundCommand(const ButtonBindings& bindings, int key, int screen, const ButtonHooks& hooks,
                    const ButtonActions& actions) {
  const std::optional<int> command = bindings.CommandOf(key);
  if (!command) return -1;
  switch (*command) {
    case kTakeScreenshot:
      if (actions.request_screenshot) actions.request_screenshot();
      break;
    case kToggleGraphToolbars:
      if ((screen == kGrapher2DScreen || screen == kGrapher3DScreen) &&
          hooks.toggle_graph_toolbars) {
        hooks.toggle_graph_toolbars(screen);
      }
      break;
    case kPlotCloseGraphs:
      // The 3D grapher has no plot to close: only the 2D grapher answers.
      if (screen == kGrapher2DScreen && hooks.plot_or_close_graphs) hooks.plot_or_close_graphs();
      break;
    case kSolveEquations:
      if (screen == kCalculatorScreen && hooks.solve) hooks.solve();
      break;
    case kMinimizeProgram:
      if (actions.minimise) actions.minimise();
      break;
  }
  return *command;
}

}  // namespace zentrix::shell
