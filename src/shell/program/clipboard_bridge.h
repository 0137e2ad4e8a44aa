#pragma once
// The toolkit's clipboard over the platform's: program text in, UTF-8 out.

#include "platform/platform.h"
#include "ui/core/clipboard.h"

namespace zentrix::shell {

// Desktop text (UTF-8) in the program's characters; characters outside its
// set are left out, the rest kept.
std::u16string ProgramTextFromUtf8(std::string_view utf8);

class ClipboardBridge : public ui::Clipboard {
 public:
  explicit ClipboardBridge(platform::Platform* platform) : platform_(platform) {}
  bool SetText(std::u16string_view text) override;
  // Characters outside the program's set are left out.
  std::optional<std::u16string> GetText() override;

 private:
  platform::Platform* platform_;
};

}  // namespace zentrix::shell
