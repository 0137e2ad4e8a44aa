#pragma once
// Runs one calculator tutorial on the program's overlay, once per frame, after
// the calculator screen has laid itself out (so the rectangles it points at
// are the ones on the screen).
//
// Starting saves the person's notebook (the `stash` hook: "notebook.txt"),
// clears it to one focused empty entry and starts the overlay; when the
// overlay reports closed, the notebook is brought back (`restore`). A
// tutorial that cannot save the notebook does not start, so nothing is lost.
//
// Each frame: the step count and the overlay's place; every entry's decimal
// toggle cleared (or, on a step that wants a decimal answer, set on the
// focused entry); then the current step sets the instruction and the allowed
// rectangle and moves on when the person did what it asks. A Solve made
// under the restriction adds one to the global step; outside a solving step
// that is undone, so a stray Return never skips a step.
//
// Back and Next rebuild the notebook as the script leaves it at the step they
// reach: from one empty entry, every earlier step is done for the person
// (typing fills in the expected text, solving solves, tapping focuses, menu
// steps run their command). So Next on a typing step fills in the text, Next
// on a solving step solves, Back on a typing step clears the entry and Back
// from a solving step brings back the unsolved text.

#include <functional>
#include <string>

#include "notebook/calculator/calculator_panel.h"
#include "tutorials/calculator/calculator_tutorials.h"
#include "tutorials/calculator/pad_pointer.h"
#include "tutorials/overlay/tutorial_overlay.h"
#include "ui/core/menu_command.h"
#include "ui/widgets/main_menu.h"

namespace zentrix::tutorials {

struct CalculatorTutorialHooks {
  std::function<bool()> stash;     // saves the person's notebook; false when it could not
  std::function<bool()> restore;   // reopens it
  std::function<void()> show_pad;  // the pad in place of the on-screen keyboard
};

class CalculatorTutorialRunner {
 public:
  // None of the three is owned; the menu bar may be null (no menu steps).
  CalculatorTutorialRunner(TutorialOverlay& overlay, notebook::CalculatorPanel& panel,
                           ui::MainMenu* menu, CalculatorTutorialHooks hooks);

  // Starts tutorial `index` of CalculatorTutorials(); false when one is
  // running already, the index is out of range or the notebook could not be
  // saved.
  bool Start(int index);
  bool Running() const { return running_; }
  int Tutorial() const { return tutorial_; }
  int Step() const { return step_; }

  // Once per frame while the calculator is shown.
  void Frame(int screen_width);
  // A menu command the calculator screen carried out.
  void OnMenuCommand(ui::MenuCommand command);
  // Ends a running tutorial now and restores the notebook (the program is
  // closing, so the tutorial's notebook must not be saved as the person's).
  void Abandon();

  // The overlay's place on the calculator, in Small-skin pixels.
  static constexpr int kOverlayY = 100;

 private:
  const TutorialStep& Current() const;
  int StepCount() const;
  void TakeRequests();
  void TakeSolve();
  void GoTo(int step);
  void Advance();
  void Enter(const TutorialStep& step);
  bool Check(const TutorialStep& step);
  void Complete(const TutorialStep& step);
  void ApplyDecimalToggles(const TutorialStep& step);
  draw::Rect MenuTarget(const TutorialStep& step) const;
  draw::Rect EntryTarget(const TutorialStep& step) const;
  draw::Rect PadTarget(const TutorialStep& step);
  void End();

  TutorialOverlay& overlay_;
  notebook::CalculatorPanel& panel_;
  ui::MainMenu* menu_;
  CalculatorTutorialHooks hooks_;
  PadPointer pointer_;
  struct Pointed {
    std::u16string text;
    int page = -1;
    const char16_t* expected = nullptr;  // the step's expected text
    notebook::PadArrangement arrangement = notebook::PadArrangement::kBright;
    int key = PadPointer::kNone;
  };
  Pointed pointed_;  // the last key the pointer chose, and for what
  bool running_ = false;
  int tutorial_ = -1;
  int step_ = 0;
  int entered_ = -1;  // the step whose instruction is shown
  ui::MenuCommand command_seen_ = ui::MenuCommand::kNone;
  // A menu step's menu (File or Edit) and the index of its item there.
  int menu_element_ = ui::MainMenu::kFile;
  int menu_item_ = -1;
};

}  // namespace zentrix::tutorials
