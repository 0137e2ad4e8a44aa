#include "shell/automation/script_line.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"

namespace zentrix::shell {
namespace {

namespace vk = platform::vk;

TEST(ScriptLineTest, ParsesEveryLineOfTheTable) {
  ScriptParse p = ParseScript(
      "# comment\n"
      "\n"
      "tap 10 20\n"
      "down 1 2\r\n"
      "move 3 4\n"
      "up 5 6\n"
      "click Standard\n"
      "click key:Solve\n"
      "click #FF0000\n"
      "click Save: now\n"
      "click drop-down box:Main Memory\n"
      "key ctrl+shift+p\n"
      "keydown A\n"
      "keyup A\n"
      "type 3/12+1/2 \xCF\x80\n"
      "menu File/Save As...\n"
      "screen 7\n"
      "frames 30\n"
      "shot out.png\n"
      "dump state.json\n"
      "quit\n");
  ASSERT_EQ(p.error_line, 0) << p.error;
  ASSERT_EQ(p.lines.size(), 19u);
  EXPECT_EQ(p.lines[0].verb, ScriptVerb::kTap);
  EXPECT_EQ(p.lines[0].number, 3);
  EXPECT_EQ(p.lines[0].y, 20);
  EXPECT_EQ(p.lines[4].text, u"Standard");
  EXPECT_EQ(p.lines[5].kind, "key");
  EXPECT_EQ(p.lines[5].text, u"Solve");
  EXPECT_EQ(p.lines[6].text, u"#FF0000");
  EXPECT_EQ(p.lines[7].kind, "");  // "Save" has a capital: not a kind
  EXPECT_EQ(p.lines[7].text, u"Save: now");
  EXPECT_EQ(p.lines[8].kind, "drop-down box");
  p.lines.erase(p.lines.begin() + 8);
  EXPECT_EQ(p.lines[8].chord.code, vk::kA + ('p' - 'a'));
  EXPECT_TRUE(p.lines[8].chord.control && p.lines[8].chord.shift);
  EXPECT_EQ(p.lines[9].chord.code, vk::kF1);
  EXPECT_EQ(p.lines[11].text, std::u16string(u"3/12+1/2 ") + char16_t(237));
  EXPECT_EQ(p.lines[12].path, (std::vector<std::u16string>{u"File", u"Save As..."}));
  EXPECT_EQ(p.lines[13].x, 7);
  EXPECT_EQ(p.lines[15].file, "out.png");
}

TEST(ScriptLineTest, BadLinesNameTheirNumberAndReason) {
  struct Case {
    const char* text;
    int line;
    const char* reason;
  };
  for (const Case& c :
       {Case{"frames 1\nfly 2\n", 2, "unknown line \"fly\""},
        Case{"tap 1\n", 1, "expected two whole numbers X Y"},
        Case{"tap 1 2 3\n", 1, "expected two whole numbers X Y"},
        Case{"\n\nscreen 8\n", 3, "expected a screen index 0 to 7"},
        Case{"frames -1\n", 1, "expected a frame count"},
        Case{"frames 99999999999\n", 1, "expected a frame count"},
        Case{"key hyper+x\n", 1, "unknown key \"hyper+x\""}, Case{"key F13\n", 1, "unknown key"},
        Case{"menu File//Exit\n", 1, "empty part"}, Case{"type \xE2\x82\xAC\n", 1, ""},
        Case{"shot\n", 1, "expected a file name"}, Case{"quit now\n", 1, "quit takes nothing"}}) {
    const ScriptParse p = ParseScript(c.text);
    EXPECT_EQ(p.error_line, c.line) << c.text;
    EXPECT_NE(p.error.find(c.reason), std::string::npos) << c.text << " gave " << p.error;
  }
}

TEST(KeyNamesTest, CharactersTakeTheShiftTheirSymbolNeeds) {
  EXPECT_EQ(ParseKeyName("up")->code, vk::kUp);
  EXPECT_EQ(ParseKeyName("D")->code, vk::kF4);  // an application button, not a letter
  const auto upper = ParseKeyName("E");
  EXPECT_EQ(upper->code, vk::kA + 4);
  EXPECT_TRUE(upper->shift);
  EXPECT_FALSE(ParseKeyName("e")->shift);
  EXPECT_EQ(ParseKeyName("(")->code, vk::k0 + 9);
  EXPECT_TRUE(ParseKeyName("(")->shift);
  EXPECT_EQ(ParseKeyName("+")->code, vk::kEquals);
  EXPECT_TRUE(ParseKeyName("+")->shift);
  EXPECT_EQ(ParseKeyName("}")->code, vk::kRightBracket);
  const auto chord = ParseKeyName("ctrl+shift+,");
  EXPECT_EQ(chord->code, vk::kComma);
  EXPECT_TRUE(chord->control && chord->shift);
  EXPECT_EQ(ParseKeyName("ctrl+C")->code, vk::kA + 2);  // a letter in a chord, any case
  EXPECT_FALSE(ParseKeyName("ctrl+C")->shift);
  EXPECT_FALSE(ParseKeyName(""));
  EXPECT_FALSE(ParseKeyName("ab"));
}

}  // namespace
}  // namespace zentrix::shell
