#pragma once
// The application buttons' bindings: five commands, each bound to at most one
// key code (0: none), a key bound to at most one command; and what the close
// button of the screen bar does. Kept in the registry between runs.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "draw/input_keys.h"
#include "shell/settings/registry.h"

namespace zentrix::shell {

enum ButtonCommand : int {
  kTakeScreenshot = 0,
  kToggleGraphToolbars = 1,
  kPlotCloseGraphs = 2,
  kSolveEquations = 3,
  kMinimizeProgram = 4,
};
inline constexpr int kButtonCommandCount = 5;

inline constexpr std::array<std::u16string_view, kButtonCommandCount> kButtonCommandLabels = {
    u"Take Screenshot", u"Show/Hide Graph Toolbars", u"Plot/Close Graphs", u"Solve/Enter Equations",
    u"Minimize Zentrix"};

enum class CloseMode : int { kClose = 0, kMinimize = 1 };

class ButtonBindings {
 public:
  std::uint32_t KeyOf(int command) const { return keys_[command]; }
  // The command a key is bound to; none for 0 and unbound keys.
  std::optional<int> CommandOf(int key) const;
  // Binds the key to the command after taking it from every other command.
  void Bind(int command, std::uint32_t key);

  CloseMode Close() const { return close_; }
  void SetClose(CloseMode mode) { close_ = mode; }

  // "Button0".."Button4" and "CloseMinimize"; a missing value keeps the
  // current one. A key stored twice stays with the lower command only.
  void Load(const Registry& registry);
  bool Save(const Registry& registry) const;

 private:
  std::array<std::uint32_t, kButtonCommandCount> keys_{};
  CloseMode close_ = CloseMode::kClose;
};

// The key's name as the configuration shows it: "A".."D" for the application
// buttons, "None" for 0, "Other" for anything else.
std::u16string_view ButtonKeyName(std::uint32_t key, const draw::KeyList& keys);
// True for one of the four application buttons.
bool IsApplicationButton(int key, const draw::KeyList& keys);

}  // namespace zentrix::shell
