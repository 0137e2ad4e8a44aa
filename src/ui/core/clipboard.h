#pragma once
// The system clipboard as the toolkit sees it: Unicode text in the program's
// 16-bit characters. The platform supplies the implementation (a window
// system's clipboard, or an in-memory one when headless).

#include <optional>
#include <string>
#include <string_view>

namespace zentrix::ui {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // False when the clipboard cannot be opened; the caller then does nothing.
  virtual bool SetText(std::u16string_view text) = 0;
  // Nothing when the clipboard cannot be opened or holds no text.
  virtual std::optional<std::u16string> GetText() = 0;
};

// A clipboard kept in memory: tests, and a stand-in when no system is there.
class MemoryClipboard : public Clipboard {
 public:
  bool SetText(std::u16string_view text) override {
    text_ = std::u16string(text);
    return true;
  }
  std::optional<std::u16string> GetText() override { return text_; }
  void Clear() { text_.reset(); }

 private:
  std::optional<std::u16string> text_;
};

}  // namespace zentrix::ui
