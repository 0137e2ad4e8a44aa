#include <gtest/gtest.h>

#include "ui/core/focus.h"
#include "ui/dialogs/file_list.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/button.h"
#include "ui/widgets/message_box.h"

namespace zentrix::ui {
namespace {

using testing::UiTest;

class DialogTest : public UiTest {
 protected:
  static Point Centre(const draw::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  static void Tap(Widget& w, Point p) {
    w.StylusDown(p);
    w.StylusUp(p);
  }
};

TEST_F(DialogTest, SaveDialogRefusesNamesAndAsksToReplace) {
  TextBox entry(0, 0, 100);
  Focus(&entry);
  SaveDialog dialog;
  std::u16string accepted;
  dialog.SetExists([](const std::u16string& name) { return name == u"old"; });
  dialog.SetOnAccept([&](const std::u16string& name) {
    accepted = name;
    return true;
  });
  dialog.Show(draw::Rect{0, 20, 240, 300});
  EXPECT_TRUE(Ui().modal_open);
  EXPECT_EQ(Focused(), &dialog.NameBox());

  for (const char16_t* bad : {u"a:b", u"say\"hi\"", u"x/y", u"q?", u"p|q", u"b\\s"}) {
    dialog.NameBox().SetText(bad);
    dialog.PressSave();
    EXPECT_EQ(dialog.Message(), SaveDialog::RefusalMessage()) << "refused name";
    EXPECT_TRUE(dialog.Shown());
  }
  dialog.NameBox().SetText(u"old");
  dialog.PressSave();
  EXPECT_TRUE(dialog.AskingToReplace());
  EXPECT_EQ(dialog.Message(), u"This file already exists.\nDo you want to replace it?");
  dialog.PressCancel();  // "No"
  EXPECT_FALSE(dialog.AskingToReplace());
  EXPECT_EQ(dialog.Message(), u"");
  EXPECT_TRUE(dialog.Shown());
  dialog.PressSave();
  dialog.PressSave();  // "Yes"
  EXPECT_EQ(accepted, u"old");
  EXPECT_FALSE(dialog.Shown());
  EXPECT_FALSE(Ui().modal_open);
  EXPECT_EQ(Focused(), &entry);  // the focus goes back
}

TEST_F(DialogTest, ModalDialogShutsOtherWidgetsOut) {
  Button behind(0, 0, 240, 320, u"behind");
  int clicks = 0;
  behind.SetAction([&] { ++clicks; });
  SaveDialog dialog;
  dialog.Show(draw::Rect{0, 0, 240, 320});
  Tap(behind, {100, 100});
  EXPECT_EQ(clicks, 0);
  dialog.PressCancel();
  Tap(behind, {100, 100});
  EXPECT_EQ(clicks, 1);
}

TEST_F(DialogTest, MessageBoxAnswersOnceAndBlocksTheRest) {
  MessageBox box;
  Button other(0, 0, 240, 320, u"other");
  int clicks = 0;
  other.SetAction([&] { ++clicks; });
  box.Show(u"Replace?", MessageBox::Buttons::kYesNo);
  EXPECT_TRUE(Ui().message_box_open);
  WidgetList parts;
  box.Describe(parts);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[2].text, u"No");
  Tap(other, {5, 5});
  EXPECT_EQ(clicks, 0);
  Tap(box, Centre(parts[2].rect));
  EXPECT_FALSE(box.Shown());
  EXPECT_EQ(box.TakeResult(), false);
  EXPECT_EQ(box.TakeResult(), std::nullopt);
  JsonWriter json;
  box.WriteState(json);
  EXPECT_EQ(json.Result(), "null");
}

TEST_F(DialogTest, FileListChoosesAnItemOrClosesOnATapOutside) {
  FileList list;
  int chosen = -2;
  list.SetOnClose([&](int index) { chosen = index; });
  std::vector<FileListItem> items(3);
  items[2].name = u"Homework";
  list.Show(items, draw::Rect{0, 20, 240, 200});
  EXPECT_TRUE(Ui().modal_open);
  Tap(list, Centre(list.ItemRect(2)));
  EXPECT_EQ(chosen, 2);
  EXPECT_FALSE(list.Shown());
  list.Show(items, draw::Rect{0, 20, 240, 200});
  Tap(list, {100, 300});
  EXPECT_EQ(chosen, -1);
  EXPECT_EQ(FileList::EntryCountText(1), u"1 Entry");
  EXPECT_EQ(FileList::EntryCountText(0), u"0 Entries");
  EXPECT_EQ(list.CountText(2), u"2 Entries");
  list.SetCountWords(u"Page", u"Pages");
  EXPECT_EQ(list.CountText(1), u"1 Page");
  EXPECT_EQ(list.CountText(3), u"3 Pages");
}

}  // namespace
}  // namespace zentrix::ui
