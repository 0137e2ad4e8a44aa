#include "shell/buttons/button_bindings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/key_codes.h"
#include "shell/buttons/button_dispatch.h"
#include "shell/program/screen_index.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;
namespace vk = platform::vk;

const draw::KeyList kKeys = draw::InputKeys::DefaultKeysFor(1);

TEST(ButtonBindingsTest, AKeyMovesToTheCommandItIsBoundToLast) {
  ButtonBindings bindings;
  bindings.Bind(kTakeScreenshot, vk::kF1);
  bindings.Bind(kMinimizeProgram, vk::kF2);
  bindings.Bind(kSolveEquations, vk::kF1);
  EXPECT_EQ(bindings.KeyOf(kTakeScreenshot), 0u);
  EXPECT_EQ(bindings.KeyOf(kSolveEquations), static_cast<std::uint32_t>(vk::kF1));
  EXPECT_EQ(bindings.CommandOf(vk::kF1), kSolveEquations);
  EXPECT_EQ(bindings.CommandOf(vk::kF2), kMinimizeProgram);
  // Rebinding a command replaces its key; 0 unbinds and never matches a key.
  bindings.Bind(kSolveEquations, vk::kF3);
  EXPECT_FALSE(bindings.CommandOf(vk::kF1));
  bindings.Bind(kSolveEquations, 0);
  EXPECT_FALSE(bindings.CommandOf(0));
  EXPECT_EQ(bindings.KeyOf(kMinimizeProgram), static_cast<std::uint32_t>(vk::kF2));
}

TEST(ButtonBindingsTest, KeysAreNamedInTheDevicesOrder) {
  EXPECT_EQ(ButtonKeyName(vk::kF4, kKeys), u"D");
  EXPECT_EQ(ButtonKeyName(vk::kF1, kKeys), u"A");
  EXPECT_EQ(ButtonKeyName(vk::kF2, kKeys), u"B");
  EXPECT_EQ(ButtonKeyName(vk::kF3, kKeys), u"C");
  EXPECT_EQ(ButtonKeyName(0, kKeys), u"None");
  EXPECT_EQ(ButtonKeyName(vk::kA, kKeys), u"Other");
  EXPECT_TRUE(IsApplicationButton(vk::kF4, kKeys));
  EXPECT_FALSE(IsApplicationButton(vk::kUp, kKeys));
  EXPECT_FALSE(IsApplicationButton(0, kKeys));
}

TEST(ButtonBindingsTest, RegistryRoundTripAndAKeyStoredTwice) {
  const fs::path path = fs::path(ZENTRIX_BINARY_DIR) / "button_bindings_test.txt";
  {
    std::ofstream out(path);
    out << "[Software\\Corvane\\Zentrix 2.0]\nButton1=dword:113\nButton3=dword:113\n"
           "Button4=dword:114\nCloseMinimize=dword:1\n";
  }
  const Registry registry(path.string());
  ButtonBindings loaded;
  loaded.Load(registry);
  EXPECT_EQ(loaded.KeyOf(kToggleGraphToolbars), 113u);
  EXPECT_EQ(loaded.KeyOf(kSolveEquations), 0u);  // the lower command keeps it
  EXPECT_EQ(loaded.KeyOf(kMinimizeProgram), 114u);
  EXPECT_EQ(loaded.Close(), CloseMode::kMinimize);

  loaded.Bind(kTakeScreenshot, 115);
  loaded.SetClose(CloseMode::kClose);
  ASSERT_TRUE(loaded.Save(registry));
  ButtonBindings again;
  again.SetClose(CloseMode::kMinimize);
  again.Load(registry);
  for (int i = 0; i < kButtonCommandCount; ++i) EXPECT_EQ(again.KeyOf(i), loaded.KeyOf(i)) << i;
  EXPECT_EQ(again.Close(), CloseMode::kClose);
  fs::remove(path);
}

// Which hook or action a bound key reaches on each screen.
TEST(ButtonDispatchTest, EachCommandActsOnlyWhereItBelongs) {
  ButtonBindings bindings;
  bindings.Bind(kTakeScreenshot, vk::kF1);
  bindings.Bind(kToggleGraphToolbars, vk::kF2);
  bindings.Bind(kPlotCloseGraphs, vk::kF3);
  bindings.Bind(kSolveEquations, vk::kF4);
  std::string log;
  ButtonHooks hooks;
  hooks.toggle_graph_toolbars = [&](int screen) {
    log += "toolbars" + std::to_string(screen) + " ";
  };
  hooks.plot_or_close_graphs = [&] { log += "plot "; };
  hooks.solve = [&] { log += "solve "; };
  const ButtonActions actions{[&] { log += "shot "; }, [&] { log += "minimise "; }};
  for (int screen = 0; screen < kScreenCount; ++screen) {
    for (int key : {vk::kF1, vk::kF2, vk::kF3, vk::kF4}) {
      RunBoundCommand(bindings, key, screen, hooks, actions);
    }
  }
  EXPECT_EQ(log, "shot solve shot shot toolbars2 plot shot toolbars3 shot shot shot shot ");
  // A key bound to nothing, and empty hooks, do nothing.
  EXPECT_EQ(RunBoundCommand(bindings, vk::kA, kCalculatorScreen, hooks, actions), -1);
  EXPECT_EQ(RunBoundCommand(bindings, vk::kF4, kCalculatorScreen, ButtonHooks{}, actions),
            kSolveEquations);
  bindings.Bind(kMinimizeProgram, vk::kF1);
  log.clear();
  RunBoundCommand(bindings, vk::kF1, kNotesScreen, hooks, actions);
  EXPECT_EQ(log, "minimise ");
}

}  // namespace
}  // namespace zentrix::shell
