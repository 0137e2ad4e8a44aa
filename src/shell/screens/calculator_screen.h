#pragma once
// The calculator screen: the notebook over the button pad, with Solve on the
// menu bar's action, the Edit menu's entry operations and New behind its
// question. The panel does the work; this layer feeds it the program's
// settings every frame, gives the pad to the program's button-pad slot, hides
// the pad while the on-screen keyboard is up and forwards the input.
//
// The menu bar's tutorials element shows the tutorial list (in the pad's
// place); a chosen tutorial runs on the program's overlay, its script once per
// frame after the screen is drawn. The very first run starts the first one.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "notebook/calculator/calculator_panel.h"
#include "tutorials/calculator/calculator_tutorial_runner.h"
#include "tutorials/list/tutorial_list.h"
#include "ui/core/screen.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {

class CalculatorProgram;

// The settings the calculator reads, taken from the program's options.
notebook::CalculatorOptions CalculatorOptionsFrom(const ui::ProgramSettings& settings);

class CalculatorScreen : public ui::Screen {
 public:
  explicit CalculatorScreen(CalculatorProgram& program);
  ~CalculatorScreen() override;
  CalculatorScreen(const CalculatorScreen&) = delete;
  CalculatorScreen& operator=(const CalculatorScreen&) = delete;

  std::string_view Name() const override { return "calculator"; }
  void Enter() override;
  void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) override;

  bool StylusDown(ui::Point p) override;
  bool StylusMove(ui::Point p) override { return panel_.StylusMove(p); }
  bool StylusUp(ui::Point p) override;
  bool KeyDown(const ui::KeyEvent& key) override;
  bool Wheel(ui::Point p, int steps) override { return panel_.Wheel(p, steps); }

  // The File menu's Save item names the current file.
  ui::ScreenMenu Menu() const override;
  bool OnMenuCommand(ui::MenuCommand command) override;

  void DescribeWidgets(ui::WidgetList& out) const override;
  bool DescribeState(ui::JsonWriter& json) const override;

  notebook::CalculatorPanel& Panel() { return panel_; }
  // Exit: saves the notebook to its current file and keeps the file's display
  // name in "CalculatorFile" (empty when there is none).
  void SaveOnExit();
  tutorials::CalculatorTutorialRunner& Tutorials() { return tutorials_; }
  // Starts calculator tutorial `index` (0 to 5); false when it could not.
  bool StartTutorial(int index);

 private:
  void AskNew();
  void InsertEntry();
  // Keep and bring back the person's notebook around a tutorial.
  // The notebook goes to "notebook.txt" in the data folder.
  bool StashNotebook();
  bool RestoreNotebook();
  std::filesystem::path TutorialNotebookPath() const;

  CalculatorProgram& program_;
  notebook::CalculatorPanel panel_;
  int last_focused_ = 0;  // the entry focused when the screen was last drawn
  struct Stash {
    engine::VariableStore variables;
    int focused = -1;
    std::vector<bool> decimal;
  };
  Stash stash_;
  tutorials::TutorialList tutorial_list_;
  tutorials::CalculatorTutorialRunner tutorials_;
};

}  // namespace zentrix::shell
