#pragma once
// The main menu's items: what each one asks the current screen (or the
// program) to do, and the File and Edit menus of each screen.

#include <string>
#include <vector>

namespace zentrix::ui {

enum class MenuCommand {
  kNone,
  // File menu.
  kNew,
  kOpen,
  kSave,
  kSaveAs,
  kExit,
  // Edit menu.
  kCut,
  kCopy,
  kPaste,
  kClear,
  kInsertEntry,
  kDeleteEntry,
  kInsertCell,
  kDeleteCell,
  kInsertRow,
  kDeleteRow,
  kInsertPage,
  kDeletePage,
  // Menu bar elements.
  kToggleKeyboard,
  kAction,  // Solve, Plot or Clear
  kTutorials,
};

struct MenuItem {
  std::u16string text;
  MenuCommand command = MenuCommand::kNone;
};

// What a screen puts in the menu bar. An empty action text leaves the action
// element without a caption and without effect.
struct ScreenMenu {
  std::vector<MenuItem> file;
  std::vector<MenuItem> edit;
  std::u16string action;
};

// The screens that own a menu of their own; the others use kOther.
enum class MenuKind { kCalculator, kGrapher2D, kGrapher3D, kNotes, kScreenshots, kOther };

// The standard File and Edit items of a screen kind, with its action caption
// ("Solve", "Plot", "Clear" or none).
ScreenMenu StandardMenu(MenuKind kind);

}  // namespace zentrix::ui
