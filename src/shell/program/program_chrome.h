#pragma once
// The program's furniture around the current screen: the screen bar at the
// top, the main menu at the bottom, the on-screen keyboard and the message
// box and the tutorial overlay, placed in the stylus router's slots. After input, the program asks
// it what the person chose (a screen, the style toggle, the close button, a menu command).

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "draw/rect.h"
#include "draw/surface.h"
#include "tutorials/overlay/tutorial_overlay.h"
#include "ui/core/menu_command.h"
#include "ui/core/screen.h"
#include "ui/core/stylus_router.h"
#include "ui/core/widget_info.h"
#include "ui/skin/skin.h"
#include "ui/widgets/main_menu.h"

namespace zentrix::shell {

class ProgramChrome {
 public:
  ProgramChrome();
  ~ProgramChrome();
  ProgramChrome(const ProgramChrome&) = delete;
  ProgramChrome& operator=(const ProgramChrome&) = delete;

  // (Re)builds the furniture for the skin and screen size and puts it into
  // the router's slots.
  void Build(int screen_width, int screen_height, ui::StylusRouter& router);

  // The area between the screen bar and the menu bar.
  draw::Rect Content() const { return content_; }
  void SetCurrentScreen(int index);
  // The screen whose File and Edit items and action the menu bar shows.
  void SetScreen(const ui::Screen* screen);
  // The on-screen keyboard above the menu bar (the keyboard icon toggles it).
  void SetKeyboardShown(bool shown);
  bool KeyboardShown() const;
  // Draws the keyboard, the screen bar, the main menu, the tutorial overlay and
  // a shown message box.
  void Draw(draw::Surface& surface);
  // Shows the message box; `on_result` hears the answer (true: Yes or OK).
  void ShowMessage(std::u16string text, bool yes_no, std::function<void(bool)> on_result = {});

  // What the last input asked for (each is cleared when taken).
  std::optional<int> TakeScreenRequest();
  bool TakeStyleToggle();
  bool TakeCloseRequest();
  std::optional<ui::MenuCommand> TakeMenuCommand();

  // The screen-bar icon of a screen, when shown.
  std::optional<draw::Rect> ScreenIcon(int index) const;

  // The one tutorial overlay of the program, and the menu bar the tutorials
  // point into.
  tutorials::TutorialOverlay& Overlay();
  ui::MainMenu& MenuBar();

  // The shown message box, if any: its text and buttons for the dump.
  bool MessageBoxShown() const;
  void DescribeMessageBox(ui::JsonWriter& json) const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  draw::Rect content_;
};

}  // namespace zentrix::shell
