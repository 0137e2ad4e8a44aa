#pragma once
// The device's hardware keys: opening and closing key input, and the default
// key list (four direction keys, four application buttons).

#include <array>

#include "draw/draw_result.h"

namespace zentrix::platform {
class Platform;
}

namespace zentrix::draw {

struct KeyList {
  int up = 0;
  int down = 0;
  int left = 0;
  int right = 0;
  // The application buttons in the device's list order. Shown to the user as
  // "D", "A", "B", "C" (the first entry is "D").
  std::array<int, 4> buttons{};
};

class InputKeys {
 public:
  // kDisplayLibraryMissing without a platform, kInputAlreadyOpen when open.
  DrawResult Open(platform::Platform* platform);
  DrawResult Close();
  bool IsOpen() const { return open_; }

  // The default keys; in a turned orientation the direction codes are permuted
  // so that each direction key keeps its meaning on the turned screen.
  KeyList DefaultKeys() const;
  static KeyList DefaultKeysFor(int orientation);

 private:
  bool open_ = false;
};

}  // namespace zentrix::draw
