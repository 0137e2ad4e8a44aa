#include "shell/program/clipboard_bridge.h"

#include <gtest/gtest.h>

#include "platform/headless_platform.h"

namespace zentrix::shell {
namespace {

TEST(ClipboardBridgeTest, ProgramTextGoesOutAsUtf8AndComesBackWithoutForeignCharacters) {
  platform::HeadlessPlatform platform;
  ClipboardBridge clipboard(&platform);
  ASSERT_TRUE(clipboard.SetText(std::u16string(u"2") + char16_t(237) + u"r"));
  EXPECT_EQ(platform.ClipboardText(), "2\xCF\x80r");

  // "€" and "中" are not in the program's set: they are left out, the rest kept.
  platform.SetClipboardText(
      "a\xE2\x82\xAC"
      "b\xE4\xB8\xAD\xCF\x80");
  EXPECT_EQ(clipboard.GetText(), std::u16string(u"ab") + char16_t(237));
  platform.SetClipboardText("");
  EXPECT_FALSE(clipboard.GetText());
  EXPECT_FALSE(ClipboardBridge(nullptr).SetText(u"x"));
}

}  // namespace
}  // namespace zentrix::shell
