// The graph runner against a scripted grapher: what the steps point at, when
// they move on, and Back and Next.

#include "tutorials/graph/graph_tutorial_runner.h"

#include <gtest/gtest.h>

#include "tutorials/graph/graph_tutorials.h"
#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/text_box.h"

namespace zentrix::tutorials {
namespace {

ui::WidgetInfo Info(std::string kind, std::u16string text, draw::Rect rect) {
  ui::WidgetInfo info;
  info.kind = std::move(kind);
  info.text = std::move(text);
  info.rect = rect;
  return info;
}

class GraphTutorialRunnerTest : public ui::testing::UiTest {
 protected:
  void Frame() { runner_.Frame(240); }
  void Press(TutorialOverlay::ButtonId id) {
    const draw::Rect r = overlay_.ButtonRect(id);
    const ui::Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    overlay_.StylusDown(p);
    overlay_.StylusUp(p);
    Frame();
  }

  TutorialOverlay overlay_;
  GraphProbe grapher_;
  ui::WidgetList widgets_{
      Info("button", u"add", draw::Rect::FromSize(10, 30, 16, 16)),
      Info("menu item", u"Function", draw::Rect::FromSize(10, 60, 60, 20)),
      Info("menu", u"keyboard", draw::Rect::FromSize(80, 300, 32, 20)),
      Info("menu", u"Plot", draw::Rect::FromSize(112, 300, 56, 20)),
  };
  int stashed_ = 0;
  int restored_ = 0;
  int keyboard_put_away_ = 0;
  GraphTutorialRunner runner_{
      overlay_,
      {[this](ui::WidgetList& out) { out = widgets_; }, [this] { return grapher_; },
       [this] { ++stashed_; }, [this] { ++restored_; }, [this] { ++keyboard_put_away_; }}};
};

TEST_F(GraphTutorialRunnerTest, StepsPointAtTheirWidgetsAndMoveOnWhenDone) {
  ASSERT_TRUE(runner_.Start(Graph2DTutorial()));
  EXPECT_EQ(stashed_, 1);
  Frame();
  EXPECT_EQ(overlay_.Allowed(), overlay_.ButtonRect(TutorialOverlay::kNext));
  Press(TutorialOverlay::kNext);
  EXPECT_EQ(overlay_.Allowed(), widgets_[0].rect) << "the add button";
  grapher_.list_popup = true;
  Frame();
  EXPECT_EQ(runner_.Step(), 2);
  EXPECT_EQ(overlay_.Allowed(), widgets_[1].rect) << "Function, whatever its kind";
  grapher_.graphs = 1;
  Frame();
  EXPECT_EQ(runner_.Step(), 3);
}

TEST_F(GraphTutorialRunnerTest, TypingPointsAtTheKeyboardThenItsKeysAndNextFillsIn) {
  ui::TextBox box(0, 40, 200);
  ui::Focus(&box);
  runner_.Start(Graph2DTutorial());
  Frame();
  for (int i = 0; i < 4; ++i) Press(TutorialOverlay::kNext);
  ASSERT_EQ(runner_.Step(), 4);
  EXPECT_EQ(overlay_.Allowed(), widgets_[2].rect) << "no keyboard yet: its element";
  widgets_.push_back(Info("key", u"s", draw::Rect::FromSize(40, 200, 21, 21)));
  widgets_.push_back(Info("key", u"shift", draw::Rect::FromSize(4, 260, 21, 21)));
  Frame();
  EXPECT_EQ(overlay_.Allowed(), widgets_[4].rect);
  box.SetText(u"sin");
  Frame();
  EXPECT_EQ(overlay_.Allowed(), widgets_[5].rect) << "( is behind Shift";
  Press(TutorialOverlay::kNext);
  EXPECT_EQ(box.Text(), u"sin(x)");
  EXPECT_EQ(runner_.Step(), 5);
  EXPECT_EQ(keyboard_put_away_, 1) << "the keyboard no longer hides the plot";
  ui::Focus(nullptr);
}

TEST_F(GraphTutorialRunnerTest, BackToADoneStepWaitsForItToBeDoneAgain) {
  runner_.Start(Graph2DTutorial());
  Frame();
  for (int i = 0; i < 6; ++i) Press(TutorialOverlay::kNext);
  ASSERT_EQ(runner_.Step(), 6);  // the trace button
  grapher_.plot = true;
  Press(TutorialOverlay::kBack);
  EXPECT_EQ(runner_.Step(), 5) << "the plot is shown, but Back must not bounce forward";
  grapher_.plot = false;
  Frame();
  grapher_.plot = true;
  Frame();
  EXPECT_EQ(runner_.Step(), 6);
  Press(TutorialOverlay::kClose);
  EXPECT_FALSE(runner_.Running());
  EXPECT_EQ(restored_, 1);
  EXPECT_FALSE(ui::Ui().tutorial.active);
}

TEST_F(GraphTutorialRunnerTest, BothScriptsEndOnTheFinishingStep) {
  for (const GraphTutorial* tutorial : {&Graph2DTutorial(), &Graph3DTutorial()}) {
    runner_.Start(*tutorial);
    Frame();
    for (std::size_t i = 0; i < tutorial->steps.size() + 2; ++i) Press(TutorialOverlay::kNext);
    EXPECT_EQ(overlay_.Instruction(), TutorialOverlay::kFinishText);
    EXPECT_EQ(overlay_.Allowed(), overlay_.ButtonRect(TutorialOverlay::kClose));
    runner_.Abandon();
    EXPECT_FALSE(overlay_.Active());
  }
  EXPECT_EQ(restored_, 2);
}

}  // namespace
}  // namespace zentrix::tutorials
