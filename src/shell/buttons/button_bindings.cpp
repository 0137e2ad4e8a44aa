#include "shell/buttons/button_bindings.h"

#include <string>

namespace zentrix::shell {
namespace {

constexpr std::string_view kCloseValue = "CloseMinimize";

std::string ValueName(int command) { return "Button" + std::to_string(command); }

}  // namespace

std::optional<int> ButtonBindings::CommandOf(int key) const {
  if (key == 0) return std::nullopt;
  for (int i = 0; i < kButtonCommandCount; ++i) {
    if (keys_[i] == static_cast<std::uint32_t>(key)) return i;
  }
  return std::nullopt;
}

void ButtonBindings::Bind(int command, std::uint32_t key) {
  if (command < 0 || command >= kButtonCommandCount) return;
  if (key != 0) {
    for (std::uint32_t& bound : keys_) {
      if (bound == key) bound = 0;
    }
  }
  keys_[command] = key;
}

void ButtonBindings::Load(const Registry& registry) {
  auto file = registry.Open();
  if (!file) return;
  for (int i = 0; i < kButtonCommandCount; ++i) {
    const auto stored = file->GetDword(kProgramKey, ValueName(i));
    if (!stored) continue;
    keys_[i] = 0;
    // A hand-edited registry may bind one key twice: the first command keeps it.
    keys_[i] = CommandOf(static_cast<int>(*stored)).has_value() ? 0 : *stored;
  }
  if (auto mode = file->GetDword(kProgramKey, kCloseValue)) {
    close_ = *mode == 1 ? CloseMode::kMinimize : CloseMode::kClose;
  }
}

bool ButtonBindings::Save(const Registry& registry) const {
  auto file = registry.Open();
  if (!file) return false;
  for (int i = 0; i < kButtonCommandCount; ++i) file->SetDword(kProgramKey, ValueName(i), keys_[i]);
  file->SetDword(kProgramKey, kCloseValue, close_ == CloseMode::kMinimize ? 1 : 0);
  return registry.Store(*file);
}

std::u16string_view ButtonKeyName(std::uint32_t key, const draw::KeyList& keys) {
  if (key == 0) return u"None";
  // The list's first entry is the device's "D", then "A", "B", "C".
  static constexpr std::u16string_view kNames[] = {u"D", u"A", u"B", u"C"};
  for (int i = 0; i < 4; ++i) {
    if (static_cast<std::uint32_t>(keys.buttons[i]) == key) return kNames[i];
  }
  return u"Other";
}

bool IsApplicationButton(int key, const draw::KeyList& keys) {
  for (int button : keys.buttons) {
    if (button != 0 && button == key) return true;
  }
  return false;
}

}  // namespace zentrix::shell
