#include "ui/dialogs/document_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::ui {
namespace {

namespace fs = std::filesystem;

constexpr draw::Rect kArea{0, 20, 240, 300};

// A document that is one line of text, saved in "Docs" as ".doc" files; a
// file holding "bad" reads only in part, and saving can be made to fail.
class DocumentFilesTest : public testing::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fs::remove_all(home_);
    fs::create_directories(home_ / "Docs");
  }
  DocumentHooks Hooks() {
    return {[this](const fs::path& path) {
              if (fail_saves_) return false;
              std::ofstream(path) << document_;
              return true;
            },
            [this](const fs::path& path) {
              std::ifstream in(path);
              std::string text;
              std::getline(in, text);
              if (!in && text.empty()) return OpenOutcome::kUntouched;
              document_ = text;
              return text == "bad" ? OpenOutcome::kPartial : OpenOutcome::kOpened;
            },
            [](const fs::path&, FileListItem& item) { item.entries = 1; },
            [this](const std::u16string& text) { notices_.push_back(text); }};
  }
  void Write(const char* name, const char* text) { std::ofstream(home_ / "Docs" / name) << text; }
  void TapItem(DocumentFiles& files, int index) {
    const draw::Rect r = files.List().ItemRect(index);
    const Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    files.StylusDown(p);
    files.StylusUp(p);
  }
  void TapOutside(DocumentFiles& files) {
    files.StylusDown({5, 5});
    files.StylusUp({5, 5});
  }

  fs::path home_ = fs::path(ZENTRIX_BINARY_DIR) / "document_files_test" /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
  DataFolder data_{home_};
  std::string document_ = "first";
  bool fail_saves_ = false;
  std::vector<std::u16string> notices_;
};

TEST_F(DocumentFilesTest, SaveAsMakesTheFileCurrentAndAFailedSaveSaysSoInTheDialog) {
  DocumentFiles files(DocumentFolder(u"Docs", u"doc"), data_, Hooks(), {u"no open", u"no save"},
                      DocumentFiles::Dismiss::kReopenCurrent);
  EXPECT_EQ(files.SaveItemText(), u"Save");
  files.Save(kArea);  // no file yet: Save As...
  ASSERT_TRUE(files.Dialog().Shown());
  files.Dialog().NameBox().SetText(u"a");
  fail_saves_ = true;
  files.Dialog().PressSave();
  EXPECT_TRUE(files.Dialog().Shown()) << "a failed save keeps the dialog";
  EXPECT_EQ(files.Dialog().Message(), u"no save");
  EXPECT_EQ(files.CurrentName(), u"");
  fail_saves_ = false;
  files.Dialog().PressSave();
  EXPECT_FALSE(files.Shown());
  EXPECT_EQ(files.CurrentName(), u"a");
  EXPECT_EQ(files.CurrentPath(), home_ / "Docs" / "a.doc");
  EXPECT_EQ(files.SaveItemText(), u"Save a");

  // Save goes to the current file without asking; a failure is a notice.
  document_ = "second";
  files.Save(kArea);
  EXPECT_FALSE(files.Shown());
  fail_saves_ = true;
  files.Save(kArea);
  EXPECT_EQ(notices_, std::vector<std::u16string>{u"no save"});
  EXPECT_FALSE(files.SaveCurrent());
  files.Forget();
  EXPECT_TRUE(files.SaveCurrent()) << "nothing to save";
}

TEST_F(DocumentFilesTest, TheListOpensAChoiceAndATapOutsideReopensTheCurrentFile) {
  Write("a.doc", "alpha");
  Write("b.doc", "bad");
  DocumentFiles files(DocumentFolder(u"Docs", u"doc"), data_, Hooks(), {u"no open", u"no save"},
                      DocumentFiles::Dismiss::kReopenCurrent);
  files.ShowOpen(kArea);
  ASSERT_EQ(files.List().Items().size(), 2u);
  TapItem(files, 0);
  EXPECT_EQ(document_, "alpha");
  EXPECT_EQ(files.CurrentName(), u"a");

  document_ = "changed";
  files.ShowOpen(kArea);
  TapOutside(files);
  EXPECT_FALSE(files.Shown());
  EXPECT_EQ(document_, "alpha") << "unsaved changes are dropped";

  // A file read only in part is not made current, and the old one is forgotten
  // so that nothing is saved over either of them unasked.
  files.ShowOpen(kArea);
  TapItem(files, 1);
  EXPECT_EQ(files.CurrentName(), u"");
  EXPECT_EQ(notices_, std::vector<std::u16string>{u"no open"});

  files.OpenNamed(u"a");
  EXPECT_EQ(files.CurrentName(), u"a");
  files.OpenNamed(u"gone");  // a file removed since: quietly forgotten
  EXPECT_EQ(files.CurrentName(), u"");
  EXPECT_EQ(notices_.size(), 1u);
}

TEST_F(DocumentFilesTest, KeepingOnDismissLeavesTheDocumentAlone) {
  Write("a.doc", "alpha");
  DocumentFiles files(DocumentFolder(u"Docs", u"doc"), data_, Hooks(), {},
                      DocumentFiles::Dismiss::kKeep);
  files.OpenNamed(u"a");
  document_ = "changed";
  files.ShowOpen(kArea);
  TapOutside(files);
  EXPECT_EQ(document_, "changed");
}

}  // namespace
}  // namespace zentrix::ui
