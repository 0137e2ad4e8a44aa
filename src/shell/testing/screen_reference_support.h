#pragma once
// Support for reference-picture tests of whole screens: runs the program
// headless at a given screen size and style, shows a screen, plays a script
// on it and compares the back buffer with a reference picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/automation/script_runner.h"
#include "shell/program/calculator_program.h"
#include "shell/testing/program_test_support.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/testing/reference_image.h"

namespace zentrix::shell::testsupport {

struct ScreenCase {
  const char* name;  // the reference picture's file name, without ".png"
  int width;
  int height;
  int style;  // 0 Classic, 1 Bright
  int screen;
  const char* script = "";  // run after the screen is shown
};

// Draws the case and compares it with `testdata_folder`/NAME.png (relative to
// the source tree). Returns "" on a match, else what differed.
inline std::string DrawScreenAndCompare(const ScreenCase& c, const std::string& testdata_folder) {
  draw::ScopedDrawContextReset draw;
  ui::ScopedUiStateReset ui;
  ui::ScopedSettingsReset settings;
  ui::Settings().first_run = false;  // no first-run tutorial over the screen
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "screen_reference_test" / c.name;
  std::filesystem::remove_all(home);
  std::string error;
  if (!platform::PrepareHomeFolder(home.string(), &error)) return error;

  platform::HeadlessPlatform platform;
  ApplicationConfig config;
  config.platform = &platform;
  config.home_folder = home.string();
  config.screen_width = c.width;
  config.screen_height = c.height;
  config.windowed = true;
  ProgramOptions options;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  options.style_index = c.style;
  CalculatorProgram program(config, options);
  ScriptParse script =
      ParseScript("screen " + std::to_string(c.screen) + "\n" + c.script + "frames 1\n");
  if (script.error_line != 0)
    return "script line " + std::to_string(script.error_line) + ": " + script.error;
  ScriptRunner runner(std::move(script.lines), &program);
  std::string problem = "not compared";
  ScriptThenCheck source(&runner, [&] {
    problem = ui::testing::CompareWithReference(
        program.Display().BackBuffer(), std::string(ZENTRIX_SOURCE_DIR) + "/" + testdata_folder,
        c.name, ZENTRIX_BINARY_DIR);
  });
  platform.SetSource(&source);
  if (program.Run() != 0) return "the program did not end cleanly";
  return problem;
}

}  // namespace zentrix::shell::testsupport
