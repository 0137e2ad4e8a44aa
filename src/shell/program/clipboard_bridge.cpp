#include "shell/program/clipboard_bridge.h"

#include "engine/core/charset.h"

namespace zentrix::shell {

bool ClipboardBridge::SetText(std::u16string_view text) {
  if (!platform_) return false;
  platform_->SetClipboardText(chars::ToUtf8(text));
  return true;
}

std::u16string ProgramTextFromUtf8(std::string_view utf8) {
  std::u16string text;
  // Decode piece by piece, stepping over each character the program lacks.
  while (!utf8.empty()) {
    chars::Utf8Decoding d = chars::FromUtf8(utf8);
    text += d.text;
    if (d.ok()) break;
    std::size_t skip = d.error_offset + 1;
    while (skip < utf8.size() && (static_cast<unsigned char>(utf8[skip]) & 0xC0) == 0x80) ++skip;
    utf8.remove_prefix(skip);
  }
  return text;
}

std::optional<std::u16string> ClipboardBridge::GetText() {
  if (!platform_) return std::nullopt;
  const std::string utf8 = platform_->ClipboardText();
  if (utf8.empty()) return std::nullopt;
  return ProgramTextFromUtf8(utf8);
}

}  // namespace zentrix::shell
