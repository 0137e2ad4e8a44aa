#include "shell/program/graph_screens_factory.h"

#include <memory>

#include "graphing/files/graph_settings.h"
#include "graphing/screens/graphing_screen.h"
#include "shell/program/calculator_program.h"
#include "shell/screens/calculator_screen.h"
#include "shell/screens/tutored_grapher_screen.h"

namespace zentrix::shell {
namespace {

using graphing::screens::Dimension;
using graphing::screens::GrapherScreen;
using graphing::screens::GraphingScreen;

// The one graphing screen, made when either grapher is first shown.
struct GraphScreens {
  std::shared_ptr<GraphingScreen> host;
};

std::shared_ptr<GraphingScreen> MakeHost(CalculatorProgram& program) {
  graphing::screens::GraphingServices services;
  services.grapher.show_message = [&program](std::u16string text, bool yes_no,
                                             std::function<void(bool)> on_result) {
    program.ShowMessage(std::move(text), yes_no, std::move(on_result));
  };
  services.grapher.variables = [&program]() -> const engine::VariableStore* {
    auto* calculator = dynamic_cast<CalculatorScreen*>(program.ScreenAt(kCalculatorScreen));
    return calculator ? &calculator->Panel().GetNotebook().Variables() : nullptr;
  };
  services.show_dimension = [&program](Dimension d) {
    program.SwitchTo(d == Dimension::k2D ? kGrapher2DScreen : kGrapher3DScreen);
  };
  services.data_folder = program.Config().home_folder;
  auto host = std::make_shared<GraphingScreen>(std::move(services));
  if (auto file = program.Registry().Open()) {
    const graphing::files::GraphSettingsRead read = graphing::files::ExchangeGraphSettings(
        *file, kProgramKey, graphing::files::StreamMode::kRead, host->SettingsRefs());
    if (read.window2d_standard) host->Two().StandardOnceLaidOut();
  }
  return host;
}

GraphingScreen* HostOf(CalculatorProgram& program) {
  for (int index : {kGrapher2DScreen, kGrapher3DScreen}) {
    if (auto* screen = dynamic_cast<GrapherScreen*>(program.ScreenAt(index))) {
      return &screen->Host();
    }
  }
  return nullptr;
}

GraphingScreen* ShownHost(CalculatorProgram& program, const GraphScreens& screens) {
  const int current = program.CurrentIndex();
  if (!screens.host || (current != kGrapher2DScreen && current != kGrapher3DScreen)) {
    return nullptr;
  }
  return screens.host.get();
}

Dimension DimensionOf(int screen) {
  return screen == kGrapher3DScreen ? Dimension::k3D : Dimension::k2D;
}

}  // namespace

void InstallGraphScreens(CalculatorProgram& program) {
  auto screens = std::make_shared<GraphScreens>();
  for (int index : {kGrapher2DScreen, kGrapher3DScreen}) {
    program.SetScreenFactory(index, [screens, index](CalculatorProgram& p) {
      if (!screens->host) screens->host = MakeHost(p);
      return std::make_unique<TutoredGrapherScreen>(p, screens->host, DimensionOf(index));
    });
  }
  ButtonHooks& hooks = program.ButtonCommandHooks();
  hooks.toggle_graph_toolbars = [&program, screens](int screen) {
    if (GraphingScreen* host = ShownHost(program, *screens)) {
      host->Of(DimensionOf(screen)).ToggleToolbar();
    }
  };
  hooks.plot_or_close_graphs = [&program, screens] {
    if (GraphingScreen* host = ShownHost(program, *screens)) {
      host->Of(DimensionOf(program.CurrentIndex())).TogglePlot();
    }
  };
  program.SetFullScreenGraphQuery([&program, screens] {
    CalculatorProgram::FullScreenGraph graph;
    GraphingScreen* host = ShownHost(program, *screens);
    if (!host) return graph;
    const auto& grapher = host->Of(DimensionOf(program.CurrentIndex()));
    graph.shown = grapher.PlotShown();
    if (graph.shown) graph.background = grapher.PlotBackground();
    return graph;
  });
}

void CloseGraphScreens(CalculatorProgram& program) {
  GraphingScreen* host = HostOf(program);
  if (!host) return;
  host->Close();
  auto file = program.Registry().Open();
  if (!file) return;
  graphing::files::ExchangeGraphSettings(*file, kProgramKey, graphing::files::StreamMode::kWrite,
                                         host->SettingsRefs());
  program.Registry().Store(*file);
}

}  // namespace zentrix::shell
