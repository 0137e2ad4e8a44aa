#pragma once
// Test support for the settings panels: the toolkit fixture with the engine
// and graph-evaluation state, and taps and key presses routed through a panel
// as the grapher routes them.

#include <gtest/gtest.h>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "graphing/model/eval_context.h"
#include "graphing/screens/editor_panel.h"
#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/text_box.h"

namespace zentrix::graphing::screens::testing {

class PanelTest : public ui::testing::UiTest {
 protected:
  // A tap on the widget's centre, routed through the panel.
  static void Tap(EditorPanel& panel, const ui::Widget& widget) {
    const ui::Point centre{widget.X() + widget.Width() / 2, widget.Y() + widget.Height() / 2};
    panel.StylusDown(centre);
    panel.StylusUp(centre);
  }
  static void Press(EditorPanel& panel, int code) {
    ui::KeyEvent key;
    key.code = code;
    panel.KeyDown(key);
  }
  // Focuses the box, empties it and types the text as the keyboard would.
  static void Type(ui::TextBox& box, std::string_view utf8) {
    ui::Focus(&box);
    box.Clear();
    ui::InsertText(chars::U16(utf8));
  }

  engine::ScopedEngineState engine_;
  ScopedEvalContext context_;
};

}  // namespace zentrix::graphing::screens::testing
