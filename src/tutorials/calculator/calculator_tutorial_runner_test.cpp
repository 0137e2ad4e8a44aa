// The runner over a real notebook and a real "notebook.txt": steps reached by
// Back and Next in any order, closing at any step, and a Solve at the wrong
// moment.

#include "tutorials/calculator/calculator_tutorial_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "notebook/file/notebook_file.h"
#include "ui/core/key_event.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::tutorials {
namespace {

namespace fs = std::filesystem;

class CalculatorTutorialRunnerTest : public ui::testing::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    menu_.Place(240, 320);
    // The person's own notebook: a variable, an exact and a decimal answer.
    Type(u"x=3");
    panel_.Solve();
    Type(u"x/4");
    panel_.Solve();
    panel_.GetNotebook().FocusEntry(1);
    panel_.Solve();
    before_ = notebook::WriteNotebook(panel_.GetNotebook());
  }

  void Type(std::u16string_view text) {
    notebook::Notebook& notebook = panel_.GetNotebook();
    const int focused = notebook.FocusedIndex() < 0 ? 0 : notebook.FocusedIndex();
    notebook.FocusEntry(focused);
    notebook.Entry(static_cast<std::size_t>(focused)).Input().SetText(std::u16string(text));
  }
  void Frame() { runner_.Frame(240); }
  void Press(TutorialOverlay::ButtonId id) {
    const draw::Rect r = overlay_.ButtonRect(id);
    const ui::Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(overlay_.StylusDown(p));
    ASSERT_TRUE(overlay_.StylusUp(p));
    Frame();
  }
  std::string Now() const { return notebook::WriteNotebook(panel_.GetNotebook()); }
  int StepCount(int tutorial) const {
    return static_cast<int>(CalculatorTutorials()[static_cast<std::size_t>(tutorial)].steps.size());
  }
  void StartAndShow(int tutorial) {
    ASSERT_TRUE(runner_.Start(tutorial));
    Frame();
  }
  void ExpectRestored() {
    EXPECT_FALSE(runner_.Running());
    EXPECT_FALSE(ui::Ui().tutorial.active);
    EXPECT_EQ(Now(), before_);
    const notebook::Notebook& notebook = panel_.GetNotebook();
    EXPECT_EQ(notebook.Variables().Count(), 2u) << "x and Ans come back";
    EXPECT_EQ(notebook.FocusedIndex(), 2);
  }

  fs::path folder_ = fs::path(ZENTRIX_BINARY_DIR) / "tutorial_runner_test" /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::path file_ = folder_ / "notebook.txt";
  notebook::CalculatorPanel panel_;
  TutorialOverlay overlay_;
  ui::MainMenu menu_;
  engine::VariableStore kept_variables_;
  int kept_focus_ = -1;
  bool stash_works_ = true;
  CalculatorTutorialRunner runner_{
      overlay_,
      panel_,
      &menu_,
      {[this] {
         if (!stash_works_ || !notebook::SaveNotebookFile(panel_.GetNotebook(), file_))
           return false;
         kept_variables_ = panel_.GetNotebook().Variables();
         kept_focus_ = panel_.GetNotebook().FocusedIndex();
         return true;
       },
       [this] {
         const bool read = notebook::OpenNotebookFile(panel_.GetNotebook(), file_);
         panel_.GetNotebook().Variables() = kept_variables_;
         panel_.GetNotebook().FocusEntry(kept_focus_);
         return read;
       },
       {}}};
  std::string before_;
};

TEST_F(CalculatorTutorialRunnerTest, ClosingAtAnyStepOfAnyTutorialRestoresTheNotebook) {
  for (int tutorial = 0; tutorial < kCalculatorTutorialCount; ++tutorial) {
    for (int step = 0; step < StepCount(tutorial); ++step) {
      StartAndShow(tutorial);
      for (int i = 0; i < step; ++i) Press(TutorialOverlay::kNext);
      ASSERT_EQ(runner_.Step(), step) << tutorial;
      ASSERT_NE(Now(), before_) << "the tutorial works on its own notebook";
      Press(TutorialOverlay::kClose);
      ExpectRestored();
    }
  }
}

TEST_F(CalculatorTutorialRunnerTest, AStepLooksTheSameHoweverItWasReached) {
  for (int tutorial = 0; tutorial < kCalculatorTutorialCount; ++tutorial) {
    const int count = StepCount(tutorial);
    std::vector<std::string> forward;
    StartAndShow(tutorial);
    for (int step = 0; step < count; ++step) {
      forward.push_back(Now());
      Press(TutorialOverlay::kNext);
    }
    // Back from the last step, with the keys, to the first.
    for (int step = count - 1; step >= 0; --step) {
      EXPECT_EQ(runner_.Step(), step);
      EXPECT_EQ(Now(), forward[static_cast<std::size_t>(step)]) << tutorial << " step " << step;
      overlay_.KeyDown({ui::keys::kLeft});
      Frame();
    }
    EXPECT_EQ(runner_.Step(), 0);
    Press(TutorialOverlay::kClose);
    ExpectRestored();
  }
}

TEST_F(CalculatorTutorialRunnerTest, RandomBackAndNextStayOnTheScriptAndCloseRestores) {
  std::mt19937 random(29);
  for (int round = 0; round < 60; ++round) {
    const int tutorial = round % kCalculatorTutorialCount;
    StartAndShow(tutorial);
    const int presses = static_cast<int>(random() % 40);
    for (int i = 0; i < presses; ++i) {
      switch (random() % 4) {
        case 0: Press(TutorialOverlay::kNext); break;
        case 1: Press(TutorialOverlay::kBack); break;
        case 2:
          overlay_.KeyDown({ui::keys::kRight});
          Frame();
          break;
        default: Frame(); break;
      }
      ASSERT_GE(runner_.Step(), 0);
      ASSERT_LT(runner_.Step(), StepCount(tutorial));
      ASSERT_EQ(overlay_.Step(), runner_.Step());
      ASSERT_EQ(ui::Ui().tutorial.global_step, runner_.Step());
    }
    Press(TutorialOverlay::kClose);
    ExpectRestored();
  }
}

TEST_F(CalculatorTutorialRunnerTest, OnlyASolvingStepIsMovedOnByASolve) {
  StartAndShow(0);
  Press(TutorialOverlay::kNext);
  ASSERT_EQ(runner_.Step(), 1);  // typing 3/12
  Type(u"5");
  panel_.Solve();  // as the desktop Return key would
  Frame();
  EXPECT_EQ(runner_.Step(), 1);
  Type(u"3/12");
  Frame();
  ASSERT_EQ(runner_.Step(), 2);  // solving
  panel_.Solve();
  Frame();
  EXPECT_EQ(runner_.Step(), 3);
}

TEST_F(CalculatorTutorialRunnerTest, ATutorialThatCannotSaveTheNotebookDoesNotStart) {
  stash_works_ = false;
  EXPECT_FALSE(runner_.Start(0));
  EXPECT_FALSE(overlay_.Active());
  EXPECT_FALSE(ui::Ui().tutorial.active);
  EXPECT_EQ(Now(), before_);
}

TEST_F(CalculatorTutorialRunnerTest, AbandoningMidwayRestoresAtOnce) {
  StartAndShow(4);
  Press(TutorialOverlay::kNext);
  Press(TutorialOverlay::kNext);
  runner_.Abandon();
  ExpectRestored();
  EXPECT_FALSE(overlay_.Active());
}

}  // namespace
}  // namespace zentrix::tutorials
