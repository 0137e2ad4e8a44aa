// The overlay's steps, requests, buttons and the input restriction it holds.

#include "tutorials/overlay/tutorial_overlay.h"

#include <gtest/gtest.h>

#include "ui/core/json_writer.h"
#include "ui/core/key_event.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/button.h"

namespace zentrix::tutorials {
namespace {

ui::Point Centre(const draw::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class TutorialOverlayTest : public ui::testing::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    overlay_.Start();
    overlay_.SetStepCount(3);
    overlay_.Position(0, 100);
    overlay_.LayOut(240);
  }
  void Tap(TutorialOverlay::ButtonId id) {
    const ui::Point p = Centre(overlay_.ButtonRect(id));
    ASSERT_TRUE(overlay_.StylusDown(p));
    ASSERT_TRUE(overlay_.StylusUp(p));
  }
  TutorialOverlay overlay_;
};

TEST_F(TutorialOverlayTest, BackOnTheFirstAndNextOnTheLastStepKeepTheIndex) {
  Tap(TutorialOverlay::kBack);
  EXPECT_EQ(overlay_.Step(), 0);
  EXPECT_TRUE(overlay_.BackRequested());
  EXPECT_FALSE(overlay_.BackRequested()) << "a request is taken once";

  for (int i = 0; i < 4; ++i) Tap(TutorialOverlay::kNext);
  EXPECT_EQ(overlay_.Step(), 2);
  EXPECT_TRUE(overlay_.NextRequested());
  EXPECT_FALSE(overlay_.NextRequested());

  overlay_.KeyDown({ui::keys::kLeft});
  EXPECT_EQ(overlay_.Step(), 1);
  EXPECT_TRUE(overlay_.BackRequested());
  overlay_.KeyDown({ui::keys::kRight});
  overlay_.KeyDown({ui::keys::kRight});
  EXPECT_EQ(overlay_.Step(), 2);
  EXPECT_FALSE(overlay_.KeyDown({ui::keys::kUp})) << "other keys go on to the text box";
}

TEST_F(TutorialOverlayTest, OnlyTheAllowedRectangleAndTheOverlaysButtonsTakeTaps) {
  ui::Button inside(10, 30, 60, 22, u"inside");
  ui::Button outside(100, 30, 60, 22, u"outside");
  overlay_.SetAllowed(inside.Bounds());
  EXPECT_FALSE(outside.StylusDown(Centre(outside.Bounds())));
  EXPECT_TRUE(inside.StylusDown(Centre(inside.Bounds())));
  Tap(TutorialOverlay::kNext);  // outside the allowed rectangle, and still taken
  EXPECT_EQ(overlay_.Step(), 1);
  EXPECT_TRUE(overlay_.NextRequested());

  // A press that leaves its button before the release does nothing.
  ASSERT_TRUE(overlay_.StylusDown(Centre(overlay_.ButtonRect(TutorialOverlay::kNext))));
  overlay_.StylusUp(Centre(overlay_.ButtonRect(TutorialOverlay::kBack)));
  EXPECT_EQ(overlay_.Step(), 1);
  EXPECT_FALSE(overlay_.NextRequested());

  Tap(TutorialOverlay::kClose);
  EXPECT_FALSE(overlay_.Active());
  EXPECT_FALSE(ui::Ui().tutorial.active) << "closing lifts the restriction";
  EXPECT_TRUE(outside.StylusDown(Centre(outside.Bounds())));
  EXPECT_TRUE(overlay_.TakeClosed());
  EXPECT_FALSE(overlay_.TakeClosed()) << "the closed flag is read once";
  EXPECT_FALSE(overlay_.StylusDown(Centre(overlay_.ButtonRect(TutorialOverlay::kNext))));
}

TEST_F(TutorialOverlayTest, CloseIsOfferedOnEveryStepOrOnlyOnTheLast) {
  ui::WidgetList list;
  overlay_.Describe(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].text, u"back");
  EXPECT_EQ(list[1].text, u"next");
  EXPECT_EQ(list[2].text, u"close");

  overlay_.SetCloseAnytime(false);
  EXPECT_FALSE(overlay_.ButtonShown(TutorialOverlay::kClose));
  const ui::Point close = Centre(overlay_.ButtonRect(TutorialOverlay::kClose));
  overlay_.StylusDown(close);
  overlay_.StylusUp(close);
  EXPECT_TRUE(overlay_.Active()) << "a hidden Close does not close";
  overlay_.SetStep(2);
  EXPECT_TRUE(overlay_.ButtonShown(TutorialOverlay::kClose));
}

TEST_F(TutorialOverlayTest, ContinueAndFinishPointAtTheirButtons) {
  overlay_.SetInstructionWithContinue(u"Read this.");
  EXPECT_EQ(overlay_.Instruction(), u"Read this.\n\n[green]Press the next button to continue.[/]");
  EXPECT_EQ(overlay_.Allowed(), overlay_.ButtonRect(TutorialOverlay::kNext));
  overlay_.Finish();
  EXPECT_EQ(overlay_.Instruction(),
            u"You've finished this tutorial!\n\n[green]Tap the close button to exit.[/]");
  EXPECT_EQ(overlay_.Allowed(), overlay_.ButtonRect(TutorialOverlay::kClose));
}

TEST_F(TutorialOverlayTest, TheDumpShowsTheStepTextAndAllowedRectangle) {
  overlay_.SetStep(1);
  overlay_.SetInstruction(u"Tap [yellow]Solve[/].");
  overlay_.SetAllowed(draw::Rect::FromSize(5, 6, 7, 8));
  ui::JsonWriter json;
  overlay_.WriteState(json);
  EXPECT_EQ(json.Result(),
            "{\"active\": true, \"step\": 1, \"steps\": 3, \"text\": \"Tap [yellow]Solve[/].\", "
            "\"allowed\": [5, 6, 7, 8]}");
  overlay_.Stop();
  ui::JsonWriter stopped;
  overlay_.WriteState(stopped);
  EXPECT_EQ(stopped.Result(), "null");
}

TEST_F(TutorialOverlayTest, APanelThatWouldHideItsTargetRisesAboveIt) {
  draw::Surface& screen = display_.BackBuffer();
  overlay_.SetInstruction(u"One line");
  overlay_.SetAllowed(draw::Rect::FromSize(100, 130, 20, 20));
  overlay_.Draw(screen);
  EXPECT_LE(overlay_.Y() + overlay_.Height(), 127);
  EXPECT_GE(overlay_.Y(), 0);
  // Its own Next button never moves it.
  overlay_.SetInstructionWithContinue(u"One line");
  overlay_.Draw(screen);
  EXPECT_EQ(overlay_.Y(), 100);
}

TEST_F(TutorialOverlayTest, APanelMovesOffATargetUnderItsBarOrLeavesATallOneAlone) {
  draw::Surface& screen = display_.BackBuffer();
  overlay_.SetInstruction(u"One line");
  // A point of a short plot right under the bar (a circled maximum).
  overlay_.SetAllowed(draw::Rect::FromSize(150, 104, 11, 11));
  overlay_.Draw(screen);
  EXPECT_LE(overlay_.Y() + overlay_.Height(), 101);
  EXPECT_GE(overlay_.Y(), 0);
  // Near the top there is no room above: the panel goes below the target.
  overlay_.SetAllowed(draw::Rect::FromSize(150, 30, 11, 11));
  overlay_.Position(0, 20);
  overlay_.Draw(screen);
  EXPECT_GE(overlay_.Y(), 44);
  // A target taller than the room on either side (a whole plot): it stays.
  overlay_.SetAllowed(draw::Rect{0, 40, 240, 300});
  overlay_.Position(0, 100);
  overlay_.Draw(screen);
  EXPECT_EQ(overlay_.Y(), 100);
}

}  // namespace
}  // namespace zentrix::tutorials
