#pragma once
// MainMenu: the menu bar at the bottom of the screen ("MainMenu" cut to the
// screen width; "MainMenuCircuits" under a pressed element) with six elements:
// the File menu, the Edit menu, the keyboard icon ("KeyboardIcon"), the
// screen's action ("Solve", "Plot", "Clear"), the tutorials element and a sixth
// element without action. File and Edit open a list of the current screen's
// items above the bar; choosing an item (or tapping the icon, the action or
// the tutorials) hands its command to the program. While a list is open the
// menu takes every tap; one outside the list closes it.

#include <functional>
#include <vector>

#include "ui/core/menu_command.h"
#include "ui/core/screen.h"
#include "ui/core/widget.h"

namespace zentrix::ui {

class MainMenu : public Widget {
 public:
  enum Element { kFile, kEdit, kKeyboard, kAction, kTutorials, kSixth, kElementCount };

  MainMenu();
  std::string_view Kind() const override { return "menu bar"; }

  // Lays the bar out along the bottom of the screen.
  void Place(int screen_width, int screen_height);
  // The screen whose items and action the menu shows (not owned). Its menu is
  // read now and again whenever a list opens; RefreshMenu reads it at once
  // (after the screen changed its items or action).
  void SetScreen(const Screen* screen);
  void RefreshMenu();
  void SetOnCommand(std::function<void(MenuCommand)> f) { on_command_ = std::move(f); }

  // -1 when no list is open, else kFile or kEdit.
  int OpenMenu() const { return open_; }
  void CloseMenu() { open_ = -1; }
  draw::Rect ElementRect(int element) const;
  // The open list's item rectangles.
  draw::Rect ItemRect(int index) const;
  // Chooses a menu item by its text ("File", "Save As...") as a person would:
  // the command, or kNone when there is no such item.
  MenuCommand Find(std::u16string_view menu, std::u16string_view item) const;
  // Runs a menu path as the automation script's `menu` line: "File/Save As..."
  // or the action's caption ("Solve", "Plot", "Clear"). False when the path
  // names no item.
  bool Choose(std::u16string_view path);

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  bool StylusMove(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  ScreenMenu CurrentMenu() const;
  const std::vector<MenuItem>& OpenItems() const;
  int ItemAt(Point p) const;
  int ElementAt(Point p) const;
  void Run(MenuCommand command);
  int ListWidth() const;

  const Screen* screen_ = nullptr;
  int open_ = -1;
  int pressed_element_ = -1;
  int hover_item_ = -1;
  bool list_tap_ = false;
  ScreenMenu menu_;  // the screen's menu, read at SetScreen and when a list opens
  std::function<void(MenuCommand)> on_command_;
};

}  // namespace zentrix::ui
