#include "shell/screenshots/screenshots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "draw/draw_context.h"
#include "draw/image_io.h"
#include "engine/core/charset.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;

TEST(ScreenshotIndexTest, OnlyPlainNumbersUpToTheLargestIndexAreTaken) {
  EXPECT_EQ(ParseScreenshotIndex(u"0"), 0);
  EXPECT_EQ(ParseScreenshotIndex(u"007"), 7);
  EXPECT_EQ(ParseScreenshotIndex(u"2147483647"), kLargestScreenshotIndex);
  for (std::u16string_view bad :
       {u"", u"2147483648", u"99999999999999999999", u"-1", u"+1", u"1a", u" 1", u"1.0"}) {
    EXPECT_FALSE(ParseScreenshotIndex(bad)) << chars::ToUtf8(bad);
  }
}

TEST(ScreenshotIndexTest, APrefixNeverLeavesTheFolder) {
  EXPECT_EQ(FileNamePart(u"../up/and\\away"), ".._up_and_away");
  EXPECT_EQ(FileNamePart(u"shot"), "shot");
  EXPECT_EQ(FileNamePart(u""), "");
}

class ScreenshotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(home_);
    fs::create_directories(home_);
    draw::Context().display_open = true;  // a surface is saved only while the display is open
    ASSERT_EQ(frame_.Create(0, 24, 16), draw::kOk);
  }
  int FilesIn(const fs::path& folder) const {
    if (!fs::exists(folder)) return 0;
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
  }
  fs::path Folder() const { return home_ / "My Documents" / "Corvane" / "ScreenShots"; }

  draw::ScopedDrawContextReset draw_;
  // One folder per test: ctest runs the tests of this fixture side by side.
  fs::path home_ = fs::path(ZENTRIX_BINARY_DIR) / "screenshots_test" /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
  draw::Surface frame_;
};

TEST_F(ScreenshotsTest, APressGivesOneFileAndAHeldButtonOneAFrameWithMultipleCaptures) {
  Screenshots shots(home_.string(), {});
  shots.SetPrefix(u"p");
  shots.SetIndex(3);
  shots.ButtonDown();
  for (int i = 0; i < 4; ++i) shots.Capture(frame_);
  shots.ButtonUp();
  EXPECT_EQ(FilesIn(Folder()), 1) << chars::ToUtf8(shots.LastError());
  EXPECT_TRUE(fs::exists(Folder() / "p3.png"));
  EXPECT_EQ(shots.Index(), 4);

  shots.SetMultiple(true);
  shots.ButtonDown();
  for (int i = 0; i < 4; ++i) shots.Capture(frame_);
  shots.ButtonUp();
  shots.Capture(frame_);
  EXPECT_EQ(FilesIn(Folder()), 5);
  EXPECT_TRUE(fs::exists(Folder() / "p7.png"));

  // A press released before the next frame still gives its file.
  shots.ButtonDown();
  shots.ButtonUp();
  shots.Capture(frame_);
  shots.Capture(frame_);
  EXPECT_EQ(FilesIn(Folder()), 6);
  EXPECT_EQ(shots.Index(), 9);
  draw::Surface saved;
  ASSERT_EQ(draw::LoadImageFile(saved, 0, (Folder() / "p8.png").string()), draw::kOk);
  EXPECT_EQ(saved.Width(), 24);
  EXPECT_EQ(saved.Height(), 16);
}

TEST_F(ScreenshotsTest, AFailedCaptureIsShownUntilTheNextSuccessAndTheIndexMovesOn) {
  // "My Documents" is a file: the folder cannot be made.
  std::ofstream(home_ / "My Documents") << "in the way";
  Screenshots shots(home_.string(), {});
  shots.SetIndex(kLargestScreenshotIndex);
  shots.ButtonDown();
  shots.Capture(frame_);
  EXPECT_NE(shots.LastError().find(u"Could not"), std::u16string::npos);
  EXPECT_EQ(shots.Index(), 0);  // the largest index wraps round rather than overflowing
  EXPECT_EQ(shots.FilesWritten(), 0);

  fs::remove(home_ / "My Documents");
  shots.ButtonDown();
  shots.Capture(frame_);
  EXPECT_TRUE(shots.LastError().empty());
  EXPECT_TRUE(fs::exists(Folder() / "0.png"));
}

TEST_F(ScreenshotsTest, RegistryValuesAndLocations) {
  const fs::path card = home_ / "card";
  fs::create_directories(card);
  const Registry registry((home_ / "registry.txt").string());
  {
    std::ofstream out(home_ / "registry.txt");
    out << "[Software\\Corvane\\Zentrix 2.0]\nPhotoIndex=dword:4294967295\nSaveLocation=dword:2\n"
           "Filename=sz:Graph \xcf\x80\nMultipleCaptures=dword:1\n";
  }
  Screenshots shots(home_.string(), {{"SD Card", card.string()}});
  shots.Load(registry);
  EXPECT_EQ(shots.Index(), 0);                 // beyond a 32-bit signed index
  EXPECT_EQ(shots.Location(), 0);              // beyond the list
  EXPECT_EQ(shots.Prefix(), u"Graph \u00ed");  // π is the program's code 237
  EXPECT_TRUE(shots.Multiple());
  EXPECT_EQ(shots.LocationNames(), (std::vector<std::u16string>{u"Main Memory", u"SD Card"}));

  // Choosing the card makes its folders at once.
  shots.ChooseLocation(1);
  EXPECT_TRUE(fs::is_directory(card / "My Documents" / "Corvane" / "ScreenShots"));
  shots.SetIndex(12);
  ASSERT_TRUE(shots.Save(registry));
  Screenshots again(home_.string(), {{"SD Card", card.string()}});
  again.Load(registry);
  EXPECT_EQ(again.Location(), 1);
  EXPECT_EQ(again.Index(), 12);
  EXPECT_EQ(again.Prefix(), shots.Prefix());
  EXPECT_EQ(again.FilePath(),
            (card / "My Documents/Corvane/ScreenShots" / (FileNamePart(shots.Prefix()) + "12.png"))
                .string());
}

TEST_F(ScreenshotsTest, StorageCardsAreTheFoldersOfTheMountRoots) {
  const fs::path media = home_ / "media", run = home_ / "run";
  for (const char* name : {"B", "A"}) fs::create_directories(media / name);
  fs::create_directories(run / "A");
  fs::create_directories(run / "C");
  std::ofstream(media / "not-a-volume") << "x";
  const std::vector<StorageCard> cards =
      FindStorageCardsIn({media.string(), (home_ / "missing").string(), run.string()});
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0].name, "A");
  EXPECT_EQ(cards[0].path, (media / "A").string());
  EXPECT_EQ(cards[1].name, "B");
  EXPECT_EQ(cards[2].name, "C");
  EXPECT_EQ(cards[2].path, (run / "C").string());
}

}  // namespace
}  // namespace zentrix::shell
