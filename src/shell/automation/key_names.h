#pragma once
// Key names of automation scripts: "up down left right enter backspace delete
// space", "A B C D" (the application buttons), a single character (with the
// Shift its symbol needs on a US keyboard), or a chord such as "ctrl+shift+p".

#include <optional>
#include <string_view>

namespace zentrix::shell {

struct KeyChord {
  int code = 0;  // the device's virtual-key code
  bool shift = false;
  bool control = false;
  bool caps_lock = false;
};

std::optional<KeyChord> ParseKeyName(std::string_view name);

}  // namespace zentrix::shell
