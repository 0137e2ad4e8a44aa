#pragma once
// The calculator screen: the notebook over the button pad, with Solve on the
// menu bar's action, the Edit menu's entry operations and New behind its
// question. The panel does the work; this layer feeds it the program's
// settings every frame, gives the pad to the program's button-pad slot, hides
// the pad while the on-screen keyboard is up and forwards the input.

#include <functional>
#include <string>

#include "notebook/calculator/calculator_panel.h"
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

  bool StylusDown(ui::Point p) override { return panel_.StylusDown(p); }
  bool StylusMove(ui::Point p) override { return panel_.StylusMove(p); }
  bool StylusUp(ui::Point p) override { return panel_.StylusUp(p); }
  bool KeyDown(const ui::KeyEvent& key) override;
  bool Wheel(ui::Point p, int steps) override { return panel_.Wheel(p, steps); }

  // The File menu's Save item names the current file.
  ui::ScreenMenu Menu() const override;
  bool OnMenuCommand(ui::MenuCommand command) override;

  void DescribeWidgets(ui::WidgetList& out) const override { panel_.DescribeWidgets(out); }
  bool DescribeState(ui::JsonWriter& json) const override;

  notebook::CalculatorPanel& Panel() { return panel_; }
  // Exit: saves the notebook to its current file and keeps the file's display
  // name in "CalculatorFile" (empty when there is none).
  void SaveOnExit();

 private:
  void AskNew();
  void InsertEntry();

  CalculatorProgram& program_;
  notebook::CalculatorPanel panel_;
  int last_focused_ = 0;  // the entry focused when the screen was last drawn
};

}  // namespace zentrix::shell
