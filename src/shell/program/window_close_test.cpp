// Closing the window from the window manager (SDL_QUIT) ends the program
// through its normal exit path, which saves the settings; the window opens
// at the size stored by the last run. Runs under Xvfb with the other window
// tests.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/home_folder.h"
#include "platform/sdl_platform.h"
#include "shell/program/calculator_program.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

class ClosedByWindowManager : public CalculatorProgram {
 public:
  using CalculatorProgram::CalculatorProgram;
  int frames = 0;
  int width = 0;
  int height = 0;

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    const draw::DrawResult r = CalculatorProgram::Frame(back_buffer, flags);
    if (++frames == 2) {
      SDL_GetWindowSize(static_cast<platform::SdlPlatform&>(Platform()).Window(), &width, &height);
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
    return r;
  }
};

TEST(SdlWindowCloseTest, TheWindowManagersCloseSavesTheSettings) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    GTEST_SKIP() << "no window system (CI runs this under xvfb-run)";
  }
  ui::ScopedSettingsReset settings;
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "sdl_window_test" / "close";
  std::filesystem::remove_all(home);
  std::string error;
  ASSERT_TRUE(platform::PrepareHomeFolder(home.string(), &error)) << error;
  {
    std::ofstream registry(home / "registry.txt");
    registry << "[Software\\Corvane\\Zentrix 2.0]\nPrecision=dword:7\n"
             << "X=dword:20\nY=dword:20\nWidth=dword:600\nHeight=dword:700\n";
  }

  platform::SdlPlatform sdl;
  ApplicationConfig config;
  config.platform = &sdl;
  config.home_folder = home.string();
  config.windowed = true;
  ProgramOptions options;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  ClosedByWindowManager program(config, options);
  ASSERT_EQ(program.Run(), 0) << program.ErrorText();
  EXPECT_EQ(program.width, 600);
  EXPECT_EQ(program.height, 700);

  std::ifstream registry(home / "registry.txt");
  const std::string saved((std::istreambuf_iterator<char>(registry)), {});
  EXPECT_NE(saved.find("Precision=dword:7"), std::string::npos) << saved;
  EXPECT_NE(saved.find("StyleIndex=dword:"), std::string::npos) << "all settings written";
}

}  // namespace
}  // namespace zentrix::shell
