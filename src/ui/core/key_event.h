#pragma once
// A key press as the platform delivers it: the device's virtual-key code and the
// modifier states.

namespace zentrix::ui {

namespace keys {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kEquals = 187;
constexpr int kComma = 188;
constexpr int kMinus = 189;
constexpr int kPeriod = 190;
constexpr int kSlash = 191;
constexpr int kLeftBracket = 219;
constexpr int kRightBracket = 221;
}  // namespace keys

struct KeyEvent {
  int code = 0;
  bool shift = false;
  bool control = false;
  bool caps_lock = false;
};

}  // namespace zentrix::ui
