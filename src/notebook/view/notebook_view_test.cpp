#include "notebook/view/notebook_view.h"

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "engine/core/engine_state.h"
#include "notebook/testing/reference_image.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"

namespace zentrix::notebook {
namespace {

class NotebookViewTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    const ui::SkinInfo& info = ui::kSkins[GetParam()];
    const int scale = ui::ScaleOf(info.size);
    ASSERT_EQ(display_.Open(240 * scale, 320 * scale), draw::kOk);
    ASSERT_EQ(skin_.Load(ZENTRIX_BINARY_DIR "/skins", info.size, info.style), draw::kOk);
    ui::UseSkin(&skin_);
    bright_ = info.style == ui::SkinStyle::kBright;
    view_.SetStyle(bright_ ? NotebookStyle::Bright(0xE6E6FF) : NotebookStyle::Classic(0x0000FF));
    view_.SetFont(&skin_.NormalText());
    view_.SetLargeArrow(scale > 1);
    view_.SetRect(draw::Rect::FromSize(0, 0, 240 * scale, 200 * scale));
    ASSERT_EQ(surface_.Create(0, 240 * scale, 200 * scale), draw::kOk);
    notebook_.FocusEntry(0);
  }
  void Enter(std::u16string text) {
    ui::Focused()->SetText(std::move(text));
    ASSERT_TRUE(notebook_.Solve(engine::SolveMode::kNormal, settings_));
  }
  void Frame() {
    surface_.FillRect(nullptr, bright_ ? 0xFFFFFF : 0x000000);
    view_.LayoutAndDraw(surface_);
  }

  draw::ScopedDrawContextReset reset_;
  ui::ScopedUiStateReset ui_reset_;
  engine::ScopedEngineState engine_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  bool bright_ = false;
  engine::EntrySettings settings_;
  Notebook notebook_;
  NotebookView view_{notebook_};
  draw::Surface surface_;
};

TEST_P(NotebookViewTest, MatchesTheReferenceImage) {
  for (const char16_t* entry : {u"3/12+1/2", u"{{1,2},{3,4}}", u"Expand((x+1)^9)",
                                u"Solve(x^2-5x+6=0,x)", u"\u0087(8)", u"1/"}) {
    Enter(entry);
  }
  Frame();
  view_.Wheel({10, 10}, 1000);  // back to the top
  Frame();
  const std::string name = "notebook_" + std::string(ui::kSkins[GetParam()].archive.substr(0, 1));
  EXPECT_TRUE(testing::MatchesReference(surface_, "src/notebook/view/testdata", name));
}

TEST_P(NotebookViewTest, SolvingTheLastEntryScrollsToTheBottom) {
  for (int i = 0; i < 30; ++i)
    Enter(u"1+" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
  Frame();
  ASSERT_GT(view_.ContentHeight(), view_.PageHeight());
  EXPECT_EQ(view_.Scroll(), view_.ContentHeight() - view_.PageHeight());
  // The focused (last) entry is on the page, the first is not.
  EXPECT_LE(view_.EntryBand(notebook_.EntryCount() - 1).bottom, view_.Rect().bottom);
  EXPECT_LT(view_.EntryBand(0).bottom, 0);
  ui::WidgetList widgets;
  view_.Describe(widgets);
  EXPECT_EQ(widgets.back().kind, "scroll bar");

  // Solving an earlier entry scrolls just far enough to show the next one.
  view_.Wheel({10, 10}, 1000);
  Frame();
  ASSERT_EQ(view_.Scroll(), 0);
  int below = 0;
  while (view_.EntryBand(below).bottom <= view_.PageHeight()) ++below;
  notebook_.FocusEntry(below - 1);
  ASSERT_TRUE(notebook_.Solve(engine::SolveMode::kNormal, settings_));
  Frame();
  EXPECT_EQ(view_.EntryBand(below).bottom, view_.PageHeight());
}

TEST_P(NotebookViewTest, AWideAnswerDragsSidewaysWithinItsLimits) {
  Enter(u"Expand((x+1)^20)");
  Enter(u"2");
  Frame();
  ASSERT_TRUE(view_.AnswerIsWide(0));
  EXPECT_FALSE(view_.AnswerIsWide(1));
  const draw::Rect band = view_.EntryBand(0);
  const ui::Point start{band.left + 100, view_.AnswerOrigin(0).y + 2};
  ASSERT_TRUE(view_.StylusDown(start));
  EXPECT_EQ(notebook_.FocusedIndex(), 0);
  view_.StylusMove({start.x - 50, start.y});
  EXPECT_EQ(notebook_.Entry(0).AnswerOffset(), -50);
  view_.StylusMove({start.x + 500, start.y});
  EXPECT_EQ(notebook_.Entry(0).AnswerOffset(), 0);
  view_.StylusMove({start.x - 100000, start.y});
  const int limit = notebook_.Entry(0).AnswerOffset();
  EXPECT_LT(limit, -50);
  EXPECT_GT(limit, -100000);
  view_.StylusUp({start.x, start.y});
  view_.StylusMove({start.x - 10, start.y});  // released: nothing moves
  EXPECT_EQ(notebook_.Entry(0).AnswerOffset(), limit);

  // An answer that fits does not move.
  const ui::Point second{band.left + 20, view_.AnswerOrigin(1).y + 1};
  ASSERT_TRUE(view_.StylusDown(second));
  view_.StylusMove({second.x - 30, second.y});
  EXPECT_EQ(notebook_.Entry(1).AnswerOffset(), 0);
}

TEST_P(NotebookViewTest, ModalDialogsKeepTheStylusOff) {
  Enter(u"2");
  Frame();
  notebook_.FocusEntry(1);
  ui::Ui().message_box_open = true;
  EXPECT_FALSE(view_.StylusDown({20, view_.AnswerOrigin(0).y + 1}));
  EXPECT_EQ(notebook_.FocusedIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, NotebookViewTest, ::testing::Values(0, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == 0 ? "SmallClassic" : "LargeBright";
                         });

}  // namespace
}  // namespace zentrix::notebook
