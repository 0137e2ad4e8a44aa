#pragma once
// One step of a calculator tutorial script, and the kinds a step can be:
//
// - explaining: a text with the continue line; Next moves on;
// - typing: the focused entry must come to hold `expected`; the red frame sits
//   on the pad key that produces the next missing part;
// - solving: the Solve element of the menu bar; the person's Solve moves on;
// - tapping an entry (anywhere, or at the end of its text): moves on when
//   that entry takes the focus;
// - a menu item (New, Insert Entry): first its menu, then the item; moves on
//   when the screen carried the command out;
// - finishing: the finishing text and the Close button.

#include <string_view>

#include "ui/core/menu_command.h"

namespace zentrix::tutorials {

enum class StepKind { kExplain, kType, kSolve, kTapEntry, kTapEntryEnd, kMenu, kFinish };

struct TutorialStep {
  StepKind kind = StepKind::kExplain;
  // The instruction; typing and solving steps have a standard one when empty.
  std::u16string_view text;
  std::u16string_view expected;                      // typing
  int entry = 0;                                     // tapping
  ui::MenuCommand command = ui::MenuCommand::kNone;  // menu
  bool decimal = false;                              // solving: the answer is shown as a decimal
};

constexpr TutorialStep MakeStep(StepKind kind, std::u16string_view text,
                                std::u16string_view expected = {}, int entry = 0,
                                ui::MenuCommand command = ui::MenuCommand::kNone,
                                bool decimal = false) {
  TutorialStep step;
  step.kind = kind;
  step.text = text;
  step.expected = expected;
  step.entry = entry;
  step.command = command;
  step.decimal = decimal;
  return step;
}
constexpr TutorialStep Explain(std::u16string_view text) {
  return MakeStep(StepKind::kExplain, text);
}
constexpr TutorialStep Type(std::u16string_view expected, std::u16string_view text = {}) {
  return MakeStep(StepKind::kType, text, expected);
}
constexpr TutorialStep SolveStep(std::u16string_view text = {}, bool decimal = false) {
  return MakeStep(StepKind::kSolve, text, {}, 0, ui::MenuCommand::kNone, decimal);
}
constexpr TutorialStep TapEntry(int entry, std::u16string_view text) {
  return MakeStep(StepKind::kTapEntry, text, {}, entry);
}
constexpr TutorialStep TapEntryEnd(int entry, std::u16string_view text) {
  return MakeStep(StepKind::kTapEntryEnd, text, {}, entry);
}
constexpr TutorialStep MenuStep(ui::MenuCommand command, std::u16string_view text) {
  return MakeStep(StepKind::kMenu, text, {}, 0, command);
}
constexpr TutorialStep Finish() { return MakeStep(StepKind::kFinish, {}); }

}  // namespace zentrix::tutorials
