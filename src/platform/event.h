#pragma once
// What a backend delivers to the program's loop: stylus, keys, typed text,
// wheel, activation and quit, already in the device's terms (screen pixels,
// virtual-key codes).

namespace zentrix::platform {

enum class EventType {
  kStylusDown,
  kStylusMove,
  kStylusUp,
  kKeyDown,
  kKeyUp,
  kText,        // characters a desktop keyboard typed (its layout applied)
  kWheel,       // y: lines scrolled, positive away from the user
  kActivate,    // the program got the foreground
  kDeactivate,  // the program lost the foreground
  kQuit,        // the system asks the program to close
};

// The lock and modifier keys held when a key event happened.
struct KeyModifiers {
  bool shift = false;
  bool control = false;
  bool caps_lock = false;
};

struct Event {
  EventType type = EventType::kQuit;
  int x = 0;  // stylus and wheel: screen pixels (wheel: y is the amount)
  int y = 0;
  int key = 0;          // virtual-key code
  bool repeat = false;  // a key-down the system repeats while the key is held
  // A key-down whose character arrives as a kText event of its own: the key
  // must not type it a second time.
  bool text_follows = false;
  KeyModifiers modifiers;
  char text[32] = {};  // kText: UTF-8, zero-terminated
};

}  // namespace zentrix::platform
