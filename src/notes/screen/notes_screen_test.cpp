#include "notes/screen/notes_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "notes/file/notes_file.h"
#include "ui/core/focus.h"
#include "ui/settings/program_settings.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/text_box.h"

namespace zentrix::notes {
namespace {

namespace fs = std::filesystem;

constexpr draw::Rect kContent{0, 20, 240, 300};

// The screen with a message box stand-in that records each question and
// answers it as told.
class NotesScreenTest : public ui::testing::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ui::Settings().style_index = ui::kStyleClassic;
    folder_ = fs::path(ZENTRIX_BINARY_DIR) / "notes_screen_test" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    NotesServices services;
    services.data_folder = folder_;
    services.show_message = [this](std::u16string text, bool yes_no,
                                   std::function<void(bool)> on_result) {
      messages_.push_back(text);
      questions_ += yes_no;
      if (on_result) on_result(answer_);
    };
    screen_ = std::make_unique<NotesScreen>(std::move(services));
    screen_->Enter();
    Frame();
  }

  void Frame() { screen_->LayoutAndDraw(display_.BackBuffer(), kContent); }
  ui::WidgetInfo Widget(std::u16string_view text) const {
    ui::WidgetList list;
    screen_->DescribeWidgets(list);
    const ui::WidgetInfo* found = ui::FindForClick(list, text);
    EXPECT_TRUE(found) << "no widget " << ui::EncodeText(text);
    return found ? *found : ui::WidgetInfo{};
  }
  void Tap(ui::Point p) {
    screen_->StylusDown(p);
    screen_->StylusUp(p);
    Frame();
  }
  void Click(std::u16string_view text) {
    const draw::Rect r = Widget(text).rect;
    Tap({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void Stroke(std::initializer_list<ui::Point> points) {
    auto p = points.begin();
    screen_->StylusDown(*p);
    for (++p; p != points.end(); ++p) screen_->StylusMove(*p);
    screen_->StylusUp(*(points.end() - 1));
    Frame();
  }
  const Page& CurrentPage() const { return screen_->Book().CurrentPage(); }
  std::string State() const {
    ui::JsonWriter json;
    screen_->DescribeState(json);
    return json.Result();
  }

  ui::ScopedSettingsReset settings_reset_;
  fs::path folder_;
  std::unique_ptr<NotesScreen> screen_;
  std::vector<std::u16string> messages_;
  int questions_ = 0;
  bool answer_ = true;
};

TEST_F(NotesScreenTest, StrokesStartInsideTheAreaAndAreClampedToIt) {
  const draw::Rect area = screen_->DrawingArea();
  EXPECT_GT(area.top, Widget(u"Pen").rect.bottom) << "the page starts under the tool row";
  EXPECT_EQ(area.bottom, kContent.bottom);

  Stroke({{120, 25}, {120, 100}});  // down in the tool row: no stroke
  EXPECT_TRUE(CurrentPage().strokes.empty());

  Stroke({{100, 100}, {120, 400}, {-50, 150}, {300, area.top - 30}});
  ASSERT_EQ(CurrentPage().strokes.size(), 1u);
  const std::vector<StrokePoint> expected = {
      {100, 100}, {120, area.bottom - 1}, {0, 150}, {area.right - 1, area.top}};
  EXPECT_EQ(CurrentPage().strokes[0].points, expected);
  EXPECT_EQ(CurrentPage().strokes[0].colour, 0xFFFFFFu) << "Classic style: white pen";
}

TEST_F(NotesScreenTest, NextStaysOnAnEmptyLastPageAndTheLabelFollows) {
  EXPECT_EQ(Widget(u"Page: 1/1").kind, "label");
  Click(u"next page");
  screen_->KeyDown({ui::keys::kRight});
  Frame();
  EXPECT_EQ(screen_->Book().PageCount(), 1);

  Stroke({{50, 100}, {60, 110}});
  Click(u"next page");
  EXPECT_EQ(Widget(u"Page: 2/2").kind, "label");
  screen_->KeyDown({ui::keys::kLeft});
  Frame();
  EXPECT_EQ(Widget(u"Page: 1/2").kind, "label");
  EXPECT_EQ(State(),
            "{\"file\": \"\", \"page\": 1, \"pages\": 2, \"strokes\": [1, 0], \"pen\": 16777215, "
            "\"erase\": false}");
}

TEST_F(NotesScreenTest, EraseModeRemovesStrokesNearTheStylusOnly) {
  Stroke({{50, 100}, {60, 100}});
  Stroke({{150, 200}, {160, 200}});
  Click(u"Erase");
  EXPECT_TRUE(screen_->Book().Erasing());
  // Half-side 240 / 16 = 15: a drag passing 14 pixels from the first stroke.
  Stroke({{80, 150}, {74, 114}});
  ASSERT_EQ(CurrentPage().strokes.size(), 1u);
  EXPECT_EQ(CurrentPage().strokes[0].points[0], (StrokePoint{150, 200}));
  Stroke({{150, 215}});  // exactly 15 below: outside the square
  EXPECT_EQ(CurrentPage().strokes.size(), 1u);
}

TEST_F(NotesScreenTest, PageOperationsAskFirstAndHonourTheAnswer) {
  Stroke({{50, 100}, {60, 110}});
  answer_ = false;
  screen_->OnMenuCommand(ui::MenuCommand::kAction);
  screen_->OnMenuCommand(ui::MenuCommand::kDeletePage);
  screen_->OnMenuCommand(ui::MenuCommand::kNew);
  EXPECT_EQ(messages_,
            (std::vector<std::u16string>{NotesScreen::kClearQuestion, NotesScreen::kDeleteQuestion,
                                         NotesScreen::kNewQuestion}));
  EXPECT_EQ(questions_, 3);
  EXPECT_EQ(CurrentPage().strokes.size(), 1u) << "No leaves the page";

  answer_ = true;
  screen_->OnMenuCommand(ui::MenuCommand::kInsertPage);  // no question
  EXPECT_EQ(screen_->Book().PageCount(), 2);
  EXPECT_TRUE(CurrentPage().strokes.empty());
  screen_->OnMenuCommand(ui::MenuCommand::kDeletePage);
  EXPECT_EQ(screen_->Book().PageCount(), 1);
  EXPECT_EQ(CurrentPage().strokes.size(), 1u);
  screen_->OnMenuCommand(ui::MenuCommand::kAction);
  EXPECT_TRUE(CurrentPage().strokes.empty());
  EXPECT_FALSE(screen_->OnMenuCommand(ui::MenuCommand::kPaste)) << "left to the program";
}

TEST_F(NotesScreenTest, SaveAsThenOpenFromTheListRestoresTheBook) {
  Stroke({{50, 100}, {60, 110}, {70, 90}});
  Click(u"next page");
  Stroke({{10, 200}});
  const std::vector<Page> drawn = screen_->Book().Pages();

  screen_->OnMenuCommand(ui::MenuCommand::kSave);  // no file yet: Save As...
  ASSERT_TRUE(ui::Focused());
  ui::Focused()->SetText(u"sketch");
  Frame();
  Click(u"Save");
  EXPECT_EQ(screen_->CurrentFileName(), u"sketch");
  ASSERT_TRUE(fs::exists(folder_ / "Notes" / "sketch.qv4"));

  screen_->OnMenuCommand(ui::MenuCommand::kNew);
  EXPECT_EQ(screen_->Book().PageCount(), 1);
  EXPECT_EQ(screen_->CurrentFileName(), u"") << "New forgets the file";

  Stroke({{30, 100}, {31, 101}});
  screen_->OnMenuCommand(ui::MenuCommand::kOpen);
  Frame();
  EXPECT_EQ(Widget(u"sketch").kind, "file item");
  Tap({239, 319});  // outside the list: closed, the book kept as it is
  EXPECT_EQ(CurrentPage().strokes.size(), 1u);

  screen_->OnMenuCommand(ui::MenuCommand::kOpen);
  Frame();
  Click(u"sketch");
  EXPECT_EQ(screen_->Book().Pages(), drawn);
  EXPECT_EQ(screen_->Book().PageIndex(), 0);
  EXPECT_EQ(screen_->CurrentFileName(), u"sketch");
  EXPECT_TRUE(messages_.size() == 1) << "only the New question";
}

TEST_F(NotesScreenTest, AnUnreadableFileIsReportedAndLeavesTheBook) {
  fs::create_directories(folder_ / "Notes");
  std::ofstream(folder_ / "Notes" / "bad.qv4") << "0\n100\n1\n0\n0\n0\n0\n0\n-3\n";
  Stroke({{50, 100}, {60, 110}});
  screen_->OpenNamed(u"bad");
  EXPECT_EQ(messages_, std::vector<std::u16string>{NotesScreen::kCannotOpen});
  EXPECT_EQ(CurrentPage().strokes.size(), 1u);
  EXPECT_EQ(screen_->CurrentFileName(), u"");
  screen_->OpenNamed(u"missing");  // a forgotten file: quietly nothing
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(NotesScreenTest, ThePenFollowsTheStyleOnEveryEntry) {
  ui::Settings().style_index = ui::kStyleBright;
  screen_->Enter();
  EXPECT_EQ(screen_->Book().Pen(), 0x000000u);
  ui::Settings().style_index = ui::kStyleClassic;
  screen_->Enter();
  EXPECT_EQ(screen_->Book().Pen(), 0xFFFFFFu);
}

TEST_F(NotesScreenTest, AHeldStrokeOfAMillionPointsDrawsOnlyWhatIsNewEachFrame) {
  screen_->StylusDown({100, 100});
  for (int i = 0; i < 1'000'000; ++i) screen_->StylusMove({100 + i % 50, 100 + (i / 50) % 50});
  Frame();
  EXPECT_EQ(screen_->PointsDrawnLastFrame(), 1'000'001u) << "the first frame draws the page";
  // The held stroke goes on: each frame draws the new points only.
  screen_->StylusMove({200, 250});
  screen_->StylusMove({201, 252});
  Frame();
  EXPECT_EQ(screen_->PointsDrawnLastFrame(), 2u);
  Frame();
  EXPECT_EQ(screen_->PointsDrawnLastFrame(), 0u);
  EXPECT_EQ(CurrentPage().strokes[0].points.size(), 1'000'003u);
  draw::Color pixel = 0;
  display_.BackBuffer().GetPixel(201, 252, &pixel);
  EXPECT_EQ(pixel, draw::Surface::ToColor(draw::Surface::ToPixel(0xFFFFFF)));
  // A page turn draws the other page whole.
  screen_->StylusUp({201, 252});
  Click(u"next page");
  EXPECT_EQ(screen_->PointsDrawnLastFrame(), 0u);
  display_.BackBuffer().GetPixel(201, 252, &pixel);
  EXPECT_EQ(pixel, 0u);
}

}  // namespace
}  // namespace zentrix::notes
