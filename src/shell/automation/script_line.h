#pragma once
// One line of an automation script, parsed.
//
//   tap X Y | down X Y | move X Y | up X Y     stylus events in screen pixels
//   click TEXT | click KIND:TEXT               taps the first matching widget
//   key NAME | keydown NAME | keyup NAME       keys (see key_names.h)
//   type TEXT                                  characters into the focused box
//   menu PATH                                  main-menu items by their texts
//   screen N                                   the screen-bar icon of screen N
//   frames N | shot FILE | dump FILE | quit

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/automation/key_names.h"

namespace zentrix::shell {

enum class ScriptVerb {
  kTap,
  kDown,
  kMove,
  kUp,
  kClick,
  kKey,
  kKeyDown,
  kKeyUp,
  kType,
  kMenu,
  kScreen,
  kFrames,
  kShot,
  kDump,
  kQuit
};

struct ScriptLine {
  int number = 0;  // 1-based line in the file
  ScriptVerb verb = ScriptVerb::kQuit;
  int x = 0;  // stylus position; screen index; frame count
  int y = 0;
  std::string kind;                  // click: the widget kind, or empty
  std::u16string text;               // click and type: program text
  std::vector<std::u16string> path;  // menu: the item texts in order
  KeyChord chord;                    // key lines
  std::string file;                  // shot and dump
};

struct ScriptParse {
  std::vector<ScriptLine> lines;
  int error_line = 0;  // 0: no error
  std::string error;
};

// Parses the whole script; the first bad line stops it with its number and the
// reason. Blank lines and "#" comments are skipped.
ScriptParse ParseScript(std::string_view text);

// Largest frame count one `frames` line may ask for.
inline constexpr int kMaxFramesPerLine = 1'000'000;

}  // namespace zentrix::shell
