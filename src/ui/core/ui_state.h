#pragma once
// The program-wide state of the toolkit, in one struct: the focused text box,
// the fonts, the stylus, the modal and message-box flags, the resolution, the
// tutorial restriction and the services the platform lends (clipboard, text
// encoder). Tests reset it with ScopedUiStateReset.

#include <string>
#include <string_view>

#include "draw/rect.h"
#include "ui/core/point.h"

namespace zentrix::ui {

class TextBox;
class TextRenderer;
class Skin;
class Clipboard;

// While a tutorial step restricts input, widgets take taps only inside
// `allowed`.
struct TutorialRestriction {
  bool active = false;
  draw::Rect allowed;
  int global_step = 0;
};

// Converts program text to UTF-8 for the dump and the clipboard. The shell sets
// the character-set table's converter; the default maps each code to the
// Unicode code point of the same number.
using TextEncoder = std::string (*)(std::u16string_view);

struct UiState {
  TextBox* focused = nullptr;  // the FocusedTextBox; see Focus()

  // Fonts: the normal and second renderers of the skin, and the one widgets
  // draw with now (one of the two). Null until a skin is loaded.
  TextRenderer* normal_font = nullptr;
  TextRenderer* second_font = nullptr;
  TextRenderer* current_font = nullptr;
  // For text on dark areas in the Bright style (the normal font otherwise).
  TextRenderer* white_font = nullptr;
  const Skin* skin = nullptr;

  bool stylus_down = false;
  Point last_stylus;

  bool modal_open = false;        // a dialog or list is open
  bool message_box_open = false;  // a message box is shown
  bool high_resolution = false;   // screens of 480 pixels and more: sizes double

  TutorialRestriction tutorial;

  Clipboard* clipboard = nullptr;  // none: copy and paste do nothing
  TextEncoder encoder = nullptr;   // none: the default mapping
  // Direction keys that move the caret in a focused text box.
  int caret_left_key = 37;
  int caret_right_key = 39;
};

// The one process-wide state.
UiState& Ui();

// Binds the skin's fonts and resolution into the state (the current font
// becomes the normal one).
void UseSkin(Skin* skin);

// The current font, or null before a skin is loaded.
TextRenderer* CurrentFont();

// Doubles a Small-skin size on high-resolution screens.
int ScaledPx(int small);

// Program text as UTF-8 through the state's encoder.
std::string EncodeText(std::u16string_view text);

// Restores the state as it was when the scope began.
class ScopedUiStateReset {
 public:
  ScopedUiStateReset();
  ~ScopedUiStateReset();
  ScopedUiStateReset(const ScopedUiStateReset&) = delete;
  ScopedUiStateReset& operator=(const ScopedUiStateReset&) = delete;

 private:
  UiState saved_;
};

}  // namespace zentrix::ui
