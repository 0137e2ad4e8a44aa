#pragma once
// Support for tests that run the whole program headless: a fresh home folder per
// test (ctest runs tests in parallel), the scoped resets of the process-wide
// state, and an event source that checks the program while it still runs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/automation/script_runner.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell::testsupport {

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs a script, then calls `after` while the program still runs.
class ScriptThenCheck : public platform::EventSource {
 public:
  ScriptThenCheck(ScriptRunner* runner, std::function<void()> after)
      : runner_(runner), after_(std::move(after)) {}
  bool Feed(platform::HeadlessPlatform& platform) override {
    if (runner_->Feed(platform)) return true;
    if (after_) std::exchange(after_, nullptr)();
    return false;
  }

 private:
  ScriptRunner* runner_;
  std::function<void()> after_;
};

// A windowed program on a headless platform with a home folder of its own.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(home_);
    std::string error;
    ASSERT_TRUE(platform::PrepareHomeFolder(home_.string(), &error)) << error;
    config_.platform = &platform_;
    config_.home_folder = home_.string();
    config_.windowed = true;
    options_.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
    // The first-run tutorial would hold the input; tests start on the calculator.
    ui::Settings().first_run = false;
  }

  draw::ScopedDrawContextReset draw_;
  ui::ScopedUiStateReset ui_;
  ui::ScopedSettingsReset settings_;
  std::filesystem::path home_ =
      std::filesystem::path(ZENTRIX_BINARY_DIR) / "program_tests" /
      ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() /
      ::testing::UnitTest::GetInstance()->current_test_info()->name();
  platform::HeadlessPlatform platform_;
  ApplicationConfig config_;
  ProgramOptions options_;
};

}  // namespace zentrix::shell::testsupport
