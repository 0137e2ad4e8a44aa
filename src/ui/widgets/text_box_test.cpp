#include "ui/widgets/text_box.h"

#include <gtest/gtest.h>

#include "ui/core/clipboard.h"
#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::ui {
namespace {

using testing::UiTest;

class TextBoxTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Ui().clipboard = &clipboard_;
  }
  MemoryClipboard clipboard_;
};

struct KeyCase {
  int code;
  bool shift, control, caps;
  std::u16string text;
};

TEST_F(TextBoxTest, HardwareKeysInsertTheirText) {
  const KeyCase cases[] = {
      {'A', false, false, false, u"a"},
      {'A', true, false, false, u"A"},
      {'A', false, false, true, u"A"},  // Caps Lock
      {'A', true, false, true, u"a"},   // Shift undoes Caps Lock
      {'1', true, false, false, u"!"},
      {'0', true, false, false, u")"},
      {'6', true, false, false, u"^"},
      {'5', false, false, true, u"5"},  // Caps Lock leaves digits alone
      {keys::kEquals, false, false, false, u"="},
      {keys::kEquals, true, false, false, u"+"},
      {keys::kMinus, true, false, false, u"_"},
      {keys::kComma, false, false, false, u","},
      {keys::kPeriod, false, false, false, u"."},
      {keys::kSlash, false, false, false, u"/"},
      {keys::kLeftBracket, false, false, false, u""},
      {keys::kLeftBracket, true, false, false, u"{"},
      {keys::kRightBracket, true, false, false, u"}"},
      {keys::kSpace, false, false, false, u" "},
      {'P', true, true, false, u"\u00ED"},  // π
      {'2', true, true, false, u"\u0085"},
      {'E', true, true, false, u"\u00DC"},
      {'F', true, true, false, u"\u00F2"},
      {'I', true, true, false, u"\u00DD"},
      {'N', true, true, false, u"\u0080"},
      {'S', true, true, false, u"\u0084("},
      {'T', true, true, false, u"\u00E5"},
      {keys::kComma, true, true, false, u"},{"},
      {keys::kLeftBracket, true, true, false, u"{{"},
      {keys::kRightBracket, true, true, false, u"}}"},
      {'P', false, true, false, u""},  // Control alone inserts nothing
      {'Q', true, true, false, u""},
      {112, false, false, false, u""},  // an unknown key
  };
  for (const KeyCase& c : cases) {
    TextBox box(0, 0, 100);
    Focus(&box);
    HandleTextKey(KeyEvent{c.code, c.shift, c.control, c.caps});
    EXPECT_EQ(box.Text(), c.text) << "key " << c.code << " shift " << c.shift << " control "
                                  << c.control << " caps " << c.caps;
  }
}

TEST_F(TextBoxTest, KeysStopAtAnOpenMessageBoxOrDialog) {
  TextBox entry(0, 0, 100, u"12");
  Focus(&entry);
  KeyEvent digit;
  digit.code = '3';
  KeyEvent backspace;
  backspace.code = keys::kBackspace;
  Ui().message_box_open = true;
  EXPECT_TRUE(HandleTextKey(digit)) << "taken, so nothing behind acts on it either";
  EXPECT_TRUE(HandleTextKey(backspace));
  EXPECT_EQ(entry.Text(), u"12");
  Ui().message_box_open = false;
  Ui().modal_open = true;  // a list or dialog over the box
  HandleTextKey(digit);
  EXPECT_EQ(entry.Text(), u"12");
  TextBox name(0, 0, 100);
  name.SetLayer(WidgetLayer::kDialog);  // the dialog's own box types
  Focus(&name);
  HandleTextKey(digit);
  EXPECT_EQ(name.Text(), u"3");
  Ui().modal_open = false;
  Focus(&entry);
  HandleTextKey(digit);
  EXPECT_EQ(entry.Text(), u"123");
}

TEST_F(TextBoxTest, EditingKeysAtTheBoundaries) {
  TextBox box(0, 0, 100, u"ab");
  Focus(&box);
  HandleTextKey({keys::kDelete});  // caret at the end: nothing to delete
  EXPECT_EQ(box.Text(), u"ab");
  HandleTextKey({keys::kLeft});
  HandleTextKey({keys::kLeft});
  HandleTextKey({keys::kLeft});  // stays at 0
  EXPECT_EQ(box.Caret(), 0);
  HandleTextKey({keys::kBackspace});  // nothing before the caret
  EXPECT_EQ(box.Text(), u"ab");
  HandleTextKey({keys::kDelete});
  EXPECT_EQ(box.Text(), u"b");
  HandleTextKey({keys::kRight});
  HandleTextKey({keys::kRight});
  EXPECT_EQ(box.Caret(), 1);
  EXPECT_FALSE(HandleTextKey({keys::kEnter}));

  TextBox empty(0, 0, 100);
  Focus(&empty);
  HandleTextKey({keys::kBackspace});
  HandleTextKey({keys::kDelete});
  EXPECT_EQ(empty.Text(), u"");
  EXPECT_EQ(empty.Caret(), 0);
}

TEST_F(TextBoxTest, InsertionMovesTheCaretAndClearsTheDecimalToggle) {
  TextBox box(0, 0, 100, u"13");
  Focus(&box);
  box.SetCaret(1);
  box.SetDecimalToggle(true);
  InsertText(u"22");
  EXPECT_EQ(box.Text(), u"1223");
  EXPECT_EQ(box.Caret(), 3);
  EXPECT_FALSE(box.DecimalToggle());
  box.SetDecimalToggle(true);
  CaretLeft();  // moving the caret is no change
  EXPECT_TRUE(box.DecimalToggle());
  ClearText();
  EXPECT_EQ(box.Caret(), 0);
  EXPECT_FALSE(box.DecimalToggle());
}

TEST_F(TextBoxTest, ReadOnlyBoxRefusesEveryChange) {
  TextBox box(0, 0, 100, u"x");
  box.SetReadOnly(true);
  Focus(&box);
  InsertText(u"y");
  Backspace();
  ClearText();
  clipboard_.SetText(u"z");
  EXPECT_FALSE(Paste());
  EXPECT_EQ(box.Text(), u"x");
}

TEST_F(TextBoxTest, PasteAppendsAtTheEndAndDropsForeignCharacters) {
  TextBox box(0, 0, 100, u"1+2");
  Focus(&box);
  box.SetCaret(1);
  clipboard_.SetText(u"*3\u4E2D\n\u00ED");
  EXPECT_TRUE(Paste());
  EXPECT_EQ(box.Text(), u"1+2*3\u00ED");
  EXPECT_EQ(box.Caret(), box.Length());

  clipboard_.Clear();  // holds nothing
  EXPECT_FALSE(Paste());
  clipboard_.SetText(u"\u4E2D");  // nothing the program can hold
  EXPECT_FALSE(Paste());
  EXPECT_EQ(box.Text(), u"1+2*3\u00ED");
}

TEST_F(TextBoxTest, CutKeepsTheTextWhenTheClipboardFails) {
  class BrokenClipboard : public Clipboard {
    bool SetText(std::u16string_view) override { return false; }
    std::optional<std::u16string> GetText() override { return std::nullopt; }
  } broken;
  TextBox box(0, 0, 100, u"keep");
  Focus(&box);
  Ui().clipboard = &broken;
  EXPECT_FALSE(Cut());
  EXPECT_EQ(box.Text(), u"keep");
  Ui().clipboard = &clipboard_;
  EXPECT_TRUE(Cut());
  EXPECT_EQ(box.Text(), u"");
  EXPECT_EQ(clipboard_.GetText(), u"keep");
}

TEST_F(TextBoxTest, TapPutsTheCaretAtTheCharacterOrTheEnd) {
  TextBox box(10, 10, 100, u"abcdef");
  box.Layout();
  ASSERT_TRUE(box.StylusDown({10 + 9, 12}));  // third 4-pixel cell
  EXPECT_TRUE(box.Focused());
  EXPECT_EQ(box.Caret(), 2);
  box.StylusUp({19, 12});
  box.StylusDown({100, 12});  // beyond the text
  EXPECT_EQ(box.Caret(), 6);
}

TEST_F(TextBoxTest, TapAfterAPrefixCountsFromTheText) {
  // "y=" takes two 4-pixel cells and a pixel; the text starts 9 pixels in.
  TextBox box(10, 10, 100, u"abcdef");
  box.SetPrefix(u"y=");
  box.SetPadded(true);
  box.Layout();
  ASSERT_TRUE(box.StylusDown({10 + 9 + 9, 12}));  // third cell of the text
  EXPECT_EQ(box.Caret(), 2);
  box.StylusUp({28, 12});
  box.SetCaret(0);
  box.StylusDown({12, 12});  // on the prefix: off the text, so at the end
  EXPECT_EQ(box.Caret(), 6);
}

TEST_F(TextBoxTest, HeightFollowsTheWrappedLines) {
  TextBox box(0, 0, 41, u"1234567890123");  // ten cells a line
  EXPECT_EQ(box.LineCount(), 2);
  EXPECT_EQ(box.Height(), 10);
  box.SetPadded(true);
  box.Layout();
  EXPECT_EQ(box.Height(), 10);  // an eighth of 5 pixels is 0
  box.SetText(u"");
  EXPECT_EQ(box.LineCount(), 1);
}

TEST_F(TextBoxTest, DestroyingTheFocusedBoxClearsTheFocus) {
  {
    TextBox box(0, 0, 10);
    Focus(&box);
    EXPECT_EQ(Focused(), &box);
  }
  EXPECT_EQ(Focused(), nullptr);
  InsertText(u"nothing happens");  // no box: no crash
}

TEST_F(TextBoxTest, LongTextDrawsOnlyVisibleLines) {
  std::u16string text(100000, u'7');
  TextBox box(0, 0, 200, text);
  Focus(&box);
  EXPECT_EQ(box.LineCount(), 2000);  // fifty cells a line
  draw::Surface& screen = display_.BackBuffer();
  box.SetPosition(0, -5000);  // lines 1000.. on the screen
  box.Draw(screen);
  EXPECT_EQ(box.FirstVisible(), 50000);
  box.CaretToEnd();
  EXPECT_EQ(box.CaretBox().top, -5000 + 1999 * 5);
}

}  // namespace
}  // namespace zentrix::ui
