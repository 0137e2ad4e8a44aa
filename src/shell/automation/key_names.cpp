#include "shell/automation/key_names.h"

#include <cctype>
#include <string>

#include "platform/key_codes.h"

namespace zentrix::shell {
namespace {

namespace vk = platform::vk;

std::optional<KeyChord> NamedKey(std::string_view name) {
  struct Named {
    std::string_view name;
    int code;
  };
  static constexpr Named kNames[] = {
      {"up", vk::kUp},         {"down", vk::kDown},    {"left", vk::kLeft},
      {"right", vk::kRight},   {"enter", vk::kReturn}, {"backspace", vk::kBackspace},
      {"delete", vk::kDelete}, {"space", vk::kSpace},  {"A", vk::kF1},
      {"B", vk::kF2},          {"C", vk::kF3},         {"D", vk::kF4},
  };
  for (const Named& n : kNames) {
    if (n.name == name) return KeyChord{n.code};
  }
  return std::nullopt;
}

std::optional<KeyChord> CharacterKey(char c) {
  if (c >= 'a' && c <= 'z') return KeyChord{vk::kA + (c - 'a')};
  if (c >= 'A' && c <= 'Z') return KeyChord{vk::kA + (c - 'A'), true};
  if (c >= '0' && c <= '9') return KeyChord{vk::k0 + (c - '0')};
  static constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
  if (auto at = kShiftedDigits.find(c); at != std::string_view::npos) {
    return KeyChord{vk::k0 + static_cast<int>(at), true};
  }
  switch (c) {
    case ' ': return KeyChord{vk::kSpace};
    case '=': return KeyChord{vk::kEquals};
    case '+': return KeyChord{vk::kEquals, true};
    case ',': return KeyChord{vk::kComma};
    case '-': return KeyChord{vk::kMinus};
    case '_': return KeyChord{vk::kMinus, true};
    case '.': return KeyChord{vk::kPeriod};
    case '/': return KeyChord{vk::kSlash};
    case '[': return KeyChord{vk::kLeftBracket};
    case '{': return KeyChord{vk::kLeftBracket, true};
    case ']': return KeyChord{vk::kRightBracket};
    case '}': return KeyChord{vk::kRightBracket, true};
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<KeyChord> ParseKeyName(std::string_view name) {
  KeyChord modifiers;
  // Modifiers come first, joined by "+"; the last part is the key itself (a
  // lone "+" is the plus key).
  while (name.size() > 1) {
    const std::size_t plus = name.find('+');
    if (plus == std::string_view::npos || plus == 0) break;
    std::string part(name.substr(0, plus));
    for (char& ch : part) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (part == "ctrl" || part == "control") {
      modifiers.control = true;
    } else if (part == "shift") {
      modifiers.shift = true;
    } else if (part == "caps") {
      modifiers.caps_lock = true;
    } else {
      return std::nullopt;
    }
    name.remove_prefix(plus + 1);
  }
  const bool chord = modifiers.control || modifiers.shift || modifiers.caps_lock;
  const bool letter = name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]));
  // In a chord a letter names the letter key, whatever its case ("ctrl+C"
  // copies); alone, "A" to "D" are the application buttons.
  std::optional<KeyChord> key = chord && letter ? std::nullopt : NamedKey(name);
  if (!key && name.size() == 1) {
    const char c = name[0];
    key = CharacterKey(chord && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
  }
  if (!key) return std::nullopt;
  key->shift = key->shift || modifiers.shift;
  key->control = modifiers.control;
  key->caps_lock = modifiers.caps_lock;
  return key;
}

}  // namespace zentrix::shell
