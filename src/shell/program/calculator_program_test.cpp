#include "shell/program/calculator_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "draw/draw_context.h"
#include "notes/file/notes_file.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "platform/single_instance.h"
#include "shell/automation/script_runner.h"
#include "shell/testing/program_test_support.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::ScriptThenCheck;

class CalculatorProgramTest : public testsupport::ProgramTest {
 protected:
  std::vector<ScriptLine> Lines(const char* text) {
    ScriptParse parse = ParseScript(text);
    EXPECT_EQ(parse.error_line, 0) << parse.error;
    return parse.lines;
  }

  fs::path registry_ = home_ / "registry.txt";
};

TEST_F(CalculatorProgramTest, FullscreenIsInTheRegistryBeforeTheProgramEnds) {
  CalculatorProgram program(config_, options_);
  ScriptRunner runner(Lines("screen 1\nclick check box:Fullscreen\nframes 1\n"), &program);
  std::string while_running;
  ScriptThenCheck source(&runner, [&] { while_running = ReadFile(registry_); });
  platform_.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  ASSERT_FALSE(runner.Failed()) << runner.Error();
  EXPECT_NE(while_running.find("Fullscreen=dword:1"), std::string::npos) << while_running;
  // Nothing else of the settings is written while the program runs.
  EXPECT_EQ(while_running.find("Precision="), std::string::npos) << while_running;
}

TEST_F(CalculatorProgramTest, ExitSavesAndTheNextFrameEnds) {
  CalculatorProgram program(config_, options_);
  ScriptRunner runner(Lines("screen 7\nmenu File/Exit\nframes 50\n"), &program);
  platform_.SetSource(&runner);
  ASSERT_EQ(program.Run(), 0);
  ASSERT_FALSE(runner.Failed()) << runner.Error();
  EXPECT_LT(platform_.FramesPresented(), 10u);  // ended without drawing the 50 frames
  EXPECT_NE(ReadFile(registry_).find("Start=dword:7"), std::string::npos);
}

// Every file and folder under the home folder, with its size.
std::map<std::string, std::uintmax_t> Listing(const fs::path& home) {
  std::map<std::string, std::uintmax_t> listing;
  for (const auto& entry : fs::recursive_directory_iterator(home)) {
    listing[entry.path().string()] = entry.is_regular_file() ? entry.file_size() : 0;
  }
  return listing;
}

TEST_F(CalculatorProgramTest, ASecondCopyInTheSameHomeWritesNothing) {
  platform::SingleInstance running;
  ASSERT_EQ(running.ClaimFor(home_.string()), platform::SingleInstance::Claim::kFirst);
  const auto before = Listing(home_);

  platform::SingleInstance second;
  ApplicationConfig config = config_;
  config.instance = &second;
  CalculatorProgram program(config, options_);
  ScriptRunner runner(Lines("type 1+2\nmenu Solve\nscreen 1\nframes 5\n"), &program);
  platform_.SetSource(&runner);
  EXPECT_EQ(program.Run(), 0);
  EXPECT_EQ(platform_.FramesPresented(), 0u);
  EXPECT_EQ(Listing(home_), before);
  EXPECT_TRUE(running.TakeRaiseRequest());  // the running copy is asked to come forward
}

TEST_F(CalculatorProgramTest, ScreensWithoutAFactoryLeaveTheirIconsDoingNothing) {
  CalculatorProgram program(config_, options_);
  program.SetScreenFactory(kGrapher2DScreen, nullptr);
  int made = 0;
  program.SetScreenFactory(kNotesScreen, [&](CalculatorProgram&) {
    ++made;
    return std::unique_ptr<ui::Screen>();
  });
  ScriptRunner runner(Lines("screen 2\nframes 1\nscreen 4\nframes 1\nscreen 4\nframes 1\n"),
                      &program);
  platform_.SetSource(&runner);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_EQ(program.CurrentIndex(), kCalculatorScreen);
  EXPECT_EQ(made, 2);  // asked again, since it made nothing
}

// The widgets of the current frame named `text` (the pad's "Ans" key).
int CountWidgets(CalculatorProgram& program, std::u16string_view text) {
  ui::WidgetList widgets;
  program.DescribeWidgets(widgets);
  int count = 0;
  for (const ui::WidgetInfo& widget : widgets) count += widget.text == text;
  return count;
}

class PlainScreen : public ui::Screen {
 public:
  std::string_view Name() const override { return "calculator"; }
  void LayoutAndDraw(draw::Surface&, const draw::Rect&) override {}
};

TEST_F(CalculatorProgramTest, TheButtonPadIsRoutedOnlyWhileTheCalculatorIsShown) {
  CalculatorProgram program(config_, options_);
  int on_about = -1, back = -1;
  ScriptRunner runner(Lines("screen 7\nframes 1\n"), &program);
  ScriptThenCheck source(&runner, [&] {
    on_about = CountWidgets(program, u"Ans");
    program.SwitchTo(kCalculatorScreen);
    back = CountWidgets(program, u"Ans");
  });
  platform_.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_EQ(on_about, 0);
  EXPECT_EQ(back, 1);
}

TEST_F(CalculatorProgramTest, AScreenMadeInPlaceOfTheCalculatorLeavesNoPadBehind) {
  CalculatorProgram program(config_, options_);
  program.SetScreenFactory(kCalculatorScreen,
                           [](CalculatorProgram&) { return std::make_unique<PlainScreen>(); });
  int keys = -1;
  bool pad_kept = true;
  // A tap where the pad was must not reach the destroyed pad.
  ScriptRunner runner(Lines("frames 1\ntap 100 250\nframes 1\n"), &program);
  ScriptThenCheck source(&runner, [&] {
    pad_kept = program.ButtonPad() != nullptr;
    keys = CountWidgets(program, u"Ans");
  });
  platform_.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_FALSE(pad_kept);
  EXPECT_EQ(keys, 0);
}

TEST_F(CalculatorProgramTest, MissingSkinsLeaveWidgetsWithoutPictures) {
  options_.skins = (home_ / "no-skins").string();
  draw::Context().program_folder = home_.string();  // no skins beside "the executable" either
  CalculatorProgram program(config_, options_);
  ScriptRunner runner(Lines("frames 2\nscreen 1\nclick Degrees\nframes 1\n"), &program);
  platform_.SetSource(&runner);
  ASSERT_EQ(program.Run(), 0);
  ASSERT_FALSE(runner.Failed()) << runner.Error();
  EXPECT_EQ(ui::Settings().angle_mode, 1);
  EXPECT_EQ(program.Skin().Image(ui::SkinImageId::kRadioButton), nullptr);
}

}  // namespace
}  // namespace zentrix::shell

namespace zentrix::shell {
namespace {

// A "windowed" headless platform that remembers where it was asked to put
// the window.
class PlacedPlatform : public platform::HeadlessPlatform {
 public:
  bool IsHeadless() const override { return false; }
  void PlaceWindow(int x, int y) override { placed.push_back({x, y}); }
  bool WindowRect(int* x, int* y, int* w, int* h) const override {
    *x = 30, *y = 40, *w = 480, *h = 640;
    return true;
  }
  std::vector<std::pair<int, int>> placed;
};

TEST_F(CalculatorProgramTest, TheWindowRectangleIsKeptOnlyWhenSane) {
  for (const char* stored : {"X=dword:-5\nY=dword:10\nWidth=dword:480\nHeight=dword:640\n",
                             "X=dword:5\nY=dword:10\nWidth=dword:4001\nHeight=dword:640\n",
                             "X=dword:5\nY=dword:10\nWidth=dword:480\nHeight=dword:640\n"}) {
    std::ofstream(registry_) << "[Software\\Corvane\\Zentrix 2.0]\n" << stored;
    PlacedPlatform placed;
    config_.platform = &placed;
    CalculatorProgram program(config_, options_);
    ScriptRunner runner(Lines("frames 1\n"), &program);
    placed.SetSource(&runner);
    ASSERT_EQ(program.Run(), 0);
    const bool sane = std::string(stored).find("X=dword:5\nY=dword:10\nWidth=dword:480") == 0;
    EXPECT_EQ(placed.placed.size(), sane ? 1u : 0u) << stored;
    // Written back from the window at the end.
    EXPECT_NE(ReadFile(registry_).find("X=dword:30"), std::string::npos);
  }
}

}  // namespace
}  // namespace zentrix::shell

namespace zentrix::shell {
namespace {

TEST_F(CalculatorProgramTest, TheStyleWaitsWhileAGraphFillsTheScreen) {
  CalculatorProgram program(config_, options_);
  bool graph_shown = true;
  program.SetFullScreenGraphQuery([&] {
    return CalculatorProgram::FullScreenGraph{graph_shown, 0x123456};
  });
  ScriptRunner runner(Lines("click screen bar:style\nframes 1\n"), &program);
  draw::Color middle = 0;
  ScriptThenCheck source(&runner,
                         [&] { program.Display().BackBuffer().GetPixel(120, 150, &middle); });
  platform_.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  ASSERT_FALSE(runner.Failed()) << runner.Error();
  EXPECT_EQ(ui::Settings().style_index, ui::kStyleBright);
  EXPECT_EQ(draw::Surface::ToPixel(middle), draw::Surface::ToPixel(0x123456));
}

}  // namespace
}  // namespace zentrix::shell

namespace zentrix::shell {
namespace {

TEST_F(CalculatorProgramTest, TheNotesScreenReopensTheFileNamedInTheRegistry) {
  notes::NotesBook book;
  book.BeginStroke({20, 100});
  book.Next();
  ASSERT_TRUE(notes::SaveNotesFile(home_ / "Notes" / "kept.qv4", book));
  std::ofstream(registry_) << "[Software\\Corvane\\Zentrix 2.0]\nFile4=sz:kept\n";

  CalculatorProgram program(config_, options_);
  ScriptRunner runner(Lines("screen 4\nframes 1\n"), &program);
  std::string dump;
  ScriptThenCheck source(&runner, [&] { dump = program.Dump(); });
  platform_.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_NE(dump.find("\"notes\": {\"file\": \"kept\", \"page\": 1, \"pages\": 2, "
                      "\"strokes\": [1, 0]"),
            std::string::npos)
      << dump;
  EXPECT_NE(ReadFile(registry_).find("File4=sz:kept"), std::string::npos);
}

}  // namespace
}  // namespace zentrix::shell
