#include "tutorials/calculator/calculator_tutorial_runner.h"

#include <algorithm>
#include <string>

#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/text/text_renderer.h"
#include "ui/widgets/text_box.h"

namespace zentrix::tutorials {
namespace {

constexpr std::u16string_view kSolveText = u"Tap [yellow]Solve[/] to evaluate the expression.";

}  // namespace

CalculatorTutorialRunner::CalculatorTutorialRunner(TutorialOverlay& overlay,
                                                   notebook::CalculatorPanel& panel,
                                                   ui::MainMenu* menu,
                                                   CalculatorTutorialHooks hooks)
    : overlay_(overlay), panel_(panel), menu_(menu), hooks_(std::move(hooks)) {}

const TutorialStep& CalculatorTutorialRunner::Current() const {
  return CalculatorTutorials()[static_cast<std::size_t>(tutorial_)]
      .steps[static_cast<std::size_t>(step_)];
}

int CalculatorTutorialRunner::StepCount() const {
  return static_cast<int>(CalculatorTutorials()[static_cast<std::size_t>(tutorial_)].steps.size());
}

bool CalculatorTutorialRunner::Start(int index) {
  if (running_ || overlay_.Active() || index < 0 || index >= kCalculatorTutorialCount) {
    return false;
  }
  if (hooks_.stash && !hooks_.stash()) return false;
  tutorial_ = index;
  running_ = true;
  if (hooks_.show_pad) hooks_.show_pad();
  if (menu_) menu_->CloseMenu();
  overlay_.Start();
  overlay_.SetStepCount(StepCount());
  panel_.GetNotebook().New();  // keeps the current file
  step_ = 0;
  entered_ = -1;
  command_seen_ = ui::MenuCommand::kNone;
  return true;
}

void CalculatorTutorialRunner::End() {
  running_ = false;
  ui::Ui().tutorial.global_step = 0;
  if (hooks_.restore) hooks_.restore();
}

void CalculatorTutorialRunner::Abandon() {
  if (!running_) return;
  overlay_.Stop();
  overlay_.TakeClosed();
  End();
}

void CalculatorTutorialRunner::OnMenuCommand(ui::MenuCommand command) {
  if (running_) command_seen_ = command;
}

void CalculatorTutorialRunner::Frame(int screen_width) {
  if (!running_) return;
  if (overlay_.TakeClosed() || !overlay_.Active()) {
    End();
    return;
  }
  overlay_.SetStepCount(StepCount());
  overlay_.Position(0, kOverlayY);
  overlay_.LayOut(screen_width);
  TakeSolve();
  TakeRequests();
  // Each step met moves on; the finishing step is never met, so this ends.
  for (int guard = 0; guard < StepCount(); ++guard) {
    if (entered_ != step_) Enter(Current());
    if (!Check(Current())) break;
    Advance();
  }
  ApplyDecimalToggles(Current());
}

void CalculatorTutorialRunner::TakeSolve() {
  int& global = ui::Ui().tutorial.global_step;
  if (global == step_) return;
  if (global == step_ + 1 && Current().kind == StepKind::kSolve) {
    Advance();
  } else {
    global = step_;
  }
}

void CalculatorTutorialRunner::TakeRequests() {
  const bool next = overlay_.NextRequested();
  const bool back = overlay_.BackRequested();
  if ((next || back) && overlay_.Step() != step_) GoTo(overlay_.Step());
}

void CalculatorTutorialRunner::Advance() {
  step_ = std::min(step_ + 1, StepCount() - 1);
  overlay_.SetStep(step_);
  ui::Ui().tutorial.global_step = step_;
}

void CalculatorTutorialRunner::GoTo(int step) {
  if (menu_) menu_->CloseMenu();
  panel_.GetNotebook().New();  // keeps the current file
  const auto steps = CalculatorTutorials()[static_cast<std::size_t>(tutorial_)].steps;
  step = std::clamp(step, 0, StepCount() - 1);
  for (int i = 0; i < step; ++i) {
    ApplyDecimalToggles(steps[static_cast<std::size_t>(i)]);
    Complete(steps[static_cast<std::size_t>(i)]);
  }
  step_ = step;
  entered_ = -1;
  overlay_.SetStep(step_);
  ui::Ui().tutorial.global_step = step_;
}

void CalculatorTutorialRunner::Enter(const TutorialStep& step) {
  entered_ = step_;
  command_seen_ = ui::MenuCommand::kNone;
  notebook::Notebook& notebook = panel_.GetNotebook();
  switch (step.kind) {
    case StepKind::kExplain: overlay_.SetInstructionWithContinue(step.text); break;
    case StepKind::kType:
      if (step.text.empty()) {
        std::u16string text = u"Enter the expression [yellow]";
        text += step.expected;
        text += u"[/].";
        overlay_.SetInstruction(std::move(text));
      } else {
        overlay_.SetInstruction(std::u16string(step.text));
      }
      break;
    case StepKind::kSolve:
      overlay_.SetInstruction(std::u16string(step.text.empty() ? kSolveText : step.text));
      break;
    case StepKind::kTapEntry:
    case StepKind::kTapEntryEnd:
      overlay_.SetInstruction(std::u16string(step.text));
      // The step waits for the entry to take the focus, so it must not have it.
      if (notebook.FocusedIndex() == step.entry) ui::Focus(nullptr);
      break;
    case StepKind::kMenu: {
      overlay_.SetInstruction(std::u16string(step.text));
      const ui::ScreenMenu menu = ui::StandardMenu(ui::MenuKind::kCalculator);
      const bool file = step.command == ui::MenuCommand::kNew;
      menu_element_ = file ? ui::MainMenu::kFile : ui::MainMenu::kEdit;
      const auto& items = file ? menu.file : menu.edit;
      const auto found = std::find_if(items.begin(), items.end(), [&](const ui::MenuItem& i) {
        return i.command == step.command;
      });
      menu_item_ = found == items.end() ? -1 : static_cast<int>(found - items.begin());
      break;
    }
    case StepKind::kFinish: overlay_.Finish(); break;
  }
}

bool CalculatorTutorialRunner::Check(const TutorialStep& step) {
  notebook::Notebook& notebook = panel_.GetNotebook();
  const int focused = notebook.FocusedIndex();
  switch (step.kind) {
    case StepKind::kExplain:
      overlay_.SetAllowed(overlay_.ButtonRect(TutorialOverlay::kNext));
      return false;
    case StepKind::kFinish:
      overlay_.SetAllowed(overlay_.ButtonRect(TutorialOverlay::kClose));
      return false;
    case StepKind::kType:
      if (focused >= 0 && notebook.EntryText(static_cast<std::size_t>(focused)) == step.expected) {
        return true;
      }
      overlay_.SetAllowed(PadTarget(step));
      return false;
    case StepKind::kSolve:
      overlay_.SetAllowed(menu_ ? menu_->ElementRect(ui::MainMenu::kAction) : draw::Rect{});
      return false;  // the Solve itself moves the step on
    case StepKind::kTapEntry:
    case StepKind::kTapEntryEnd:
      if (focused == step.entry) {
        notebook.Entry(static_cast<std::size_t>(focused)).Input().CaretToEnd();
        return true;
      }
      overlay_.SetAllowed(EntryTarget(step));
      return false;
    case StepKind::kMenu:
      if (command_seen_ == step.command) return true;
      overlay_.SetAllowed(MenuTarget(step));
      return false;
  }
  return false;
}

void CalculatorTutorialRunner::Complete(const TutorialStep& step) {
  notebook::Notebook& notebook = panel_.GetNotebook();
  switch (step.kind) {
    case StepKind::kExplain:
    case StepKind::kFinish: break;
    case StepKind::kType: {
      if (notebook.FocusedIndex() < 0 && notebook.EntryCount() > 0) {
        notebook.FocusEntry(static_cast<int>(notebook.EntryCount()) - 1);
      }
      const int focused = notebook.FocusedIndex();
      if (focused < 0) break;
      ui::TextBox& box = notebook.Entry(static_cast<std::size_t>(focused)).Input();
      if (box.Text() != step.expected) box.SetText(std::u16string(step.expected));
      box.CaretToEnd();
      break;
    }
    case StepKind::kSolve: panel_.Solve(); break;
    case StepKind::kTapEntry:
    case StepKind::kTapEntryEnd:
      notebook.FocusEntry(step.entry);
      if (notebook.FocusedIndex() == step.entry) {
        notebook.Entry(static_cast<std::size_t>(step.entry)).Input().CaretToEnd();
      }
      break;
    case StepKind::kMenu:
      if (step.command == ui::MenuCommand::kNew)
        panel_.GetNotebook().New();  // keeps the current file
      if (step.command == ui::MenuCommand::kInsertEntry) panel_.InsertEntry();
      break;
  }
}

void CalculatorTutorialRunner::ApplyDecimalToggles(const TutorialStep& step) {
  notebook::Notebook& notebook = panel_.GetNotebook();
  const int focused = notebook.FocusedIndex();
  const bool decimal = step.kind == StepKind::kSolve && step.decimal;
  for (std::size_t i = 0; i < notebook.EntryCount(); ++i) {
    notebook.Entry(i).Input().SetDecimalToggle(decimal && static_cast<int>(i) == focused);
  }
}

draw::Rect CalculatorTutorialRunner::PadTarget(const TutorialStep& step) {
  notebook::Notebook& notebook = panel_.GetNotebook();
  const int focused = notebook.FocusedIndex();
  const notebook::ButtonPad& pad = panel_.Pad();
  if (focused < 0 || !pad.Visible()) return {};
  // The key changes only with the text, the page or the expected text: worked out
  // again only then, not every frame.
  const std::u16string& text = notebook.EntryText(static_cast<std::size_t>(focused));
  const int page = pad.Model().Page();
  if (text != pointed_.text || page != pointed_.page || step.expected.data() != pointed_.expected ||
      pad.Model().Arrangement() != pointed_.arrangement) {
    pointed_.text = text;
    pointed_.page = page;
    pointed_.expected = step.expected.data();
    pointed_.arrangement = pad.Model().Arrangement();
    pointer_.SetLabelFits(pad.Model().Fits());
    pointed_.key = pointer_.NextKey(pointed_.arrangement, page, text, step.expected);
  }
  return pointed_.key == PadPointer::kNone ? draw::Rect{} : pad.KeyRect(pointed_.key);
}

draw::Rect CalculatorTutorialRunner::EntryTarget(const TutorialStep& step) const {
  const notebook::Notebook& notebook = panel_.GetNotebook();
  if (step.entry < 0 || static_cast<std::size_t>(step.entry) >= notebook.EntryCount()) return {};
  const ui::TextBox& box = notebook.Entry(static_cast<std::size_t>(step.entry)).Input();
  draw::Rect rect = box.Bounds();
  if (step.kind == StepKind::kTapEntryEnd) {
    // From just past the text to the right end of the box.
    const ui::TextRenderer* font = ui::Ui().normal_font;
    const int text = font ? font->TextWidth(box.Text()) + font->SpaceWidth() : 0;
    rect.left = std::min(rect.left + text, rect.right - ui::ScaledPx(16));
  }
  return rect;
}

draw::Rect CalculatorTutorialRunner::MenuTarget(const TutorialStep&) const {
  if (!menu_) return {};
  if (menu_->OpenMenu() == menu_element_ && menu_item_ >= 0) return menu_->ItemRect(menu_item_);
  return menu_->ElementRect(menu_element_);
}

}  // namespace zentrix::tutorials
