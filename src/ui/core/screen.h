#pragma once
// One full-screen view (calculator, settings, graphers, notes, screenshots,
// button configuration, about). The program keeps one current screen; each
// frame it lays out and draws it inside the content rectangle (the area
// between the screen bar and the menu bar), then routes input to it last.

#include <string_view>

#include "draw/rect.h"
#include "draw/surface.h"
#include "ui/core/json_writer.h"
#include "ui/core/key_event.h"
#include "ui/core/menu_command.h"
#include "ui/core/point.h"
#include "ui/core/widget_info.h"

namespace zentrix::ui {

class Screen {
 public:
  virtual ~Screen() = default;

  // The dump's name: "calculator", "settings", "graph2d", "graph3d", "notes",
  // "screenshots", "buttons" or "about".
  virtual std::string_view Name() const = 0;

  // Made current (again): re-read settings, focus the right box.
  virtual void Enter() {}
  // Lays the screen out for the content rectangle and draws it.
  virtual void LayoutAndDraw(draw::Surface& surface, const draw::Rect& content) = 0;

  // Input; true when taken.
  virtual bool StylusDown(Point) { return false; }
  virtual bool StylusMove(Point) { return false; }
  virtual bool StylusUp(Point) { return false; }
  virtual bool KeyDown(const KeyEvent&) { return false; }
  // The mouse wheel over p: positive scrolls towards the start.
  virtual bool Wheel(Point, int) { return false; }

  // The menu bar's File and Edit items and action caption.
  virtual ScreenMenu Menu() const { return StandardMenu(MenuKind::kOther); }
  // A menu item (or the action element) chosen while this screen is current.
  // Exit, the keyboard toggle and the tutorials are the program's, not the
  // screen's. True when the screen handled it.
  virtual bool OnMenuCommand(MenuCommand) { return false; }

  // Every visible widget of the last frame, composite parts included, in the
  // order the screen offers the stylus to them.
  virtual void DescribeWidgets(WidgetList&) const {}
  // The screen's own dump section (written as the value of the key Name());
  // screens without one write nothing and return false.
  virtual bool DescribeState(JsonWriter&) const { return false; }
};

}  // namespace zentrix::ui
