#include "notebook/pad/button_pad.h"

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "engine/core/engine_state.h"
#include "notebook/model/notebook.h"
#include "notebook/testing/reference_image.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"

namespace zentrix::notebook {
namespace {

class ButtonPadTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_EQ(display_.Open(480, 640), draw::kOk);
    const ui::SkinInfo& info = ui::kSkins[GetParam()];
    ASSERT_EQ(skin_.Load(ZENTRIX_BINARY_DIR "/skins", info.size, info.style), draw::kOk);
    ui::UseSkin(&skin_);
    pad_.SetSkin(&skin_);
    ASSERT_EQ(pad_.LoadLabelFont(ZENTRIX_BINARY_DIR "/skins", info.size), draw::kOk);
    pad_.SetArrangement(info.style == ui::SkinStyle::kBright ? PadArrangement::kBright
                                                             : PadArrangement::kClassic);
    pad_.SetPosition(0, 0);
    pad_.SetVariables(&notebook_.Variables());
    pad_.SetOnSolveDms(
        [this] { notebook_.Solve(engine::SolveMode::kDegreesMinutesSeconds, settings_); });
    notebook_.FocusEntry(0);
  }

  // Taps the centre of the key named `name`, as the automation's click does.
  void Click(std::u16string_view name) {
    ui::WidgetList keys;
    pad_.Describe(keys);
    const ui::WidgetInfo* key = ui::FindForClick(keys, name, "key");
    ASSERT_NE(key, nullptr) << "no key " << std::string(name.begin(), name.end());
    const ui::Point centre{(key->rect.left + key->rect.right) / 2,
                           (key->rect.top + key->rect.bottom) / 2};
    ASSERT_TRUE(pad_.StylusDown(centre));
    ASSERT_TRUE(pad_.StylusUp(centre));
  }
  void ClickAll(std::initializer_list<std::u16string_view> names) {
    for (std::u16string_view name : names) Click(name);
  }

  draw::ScopedDrawContextReset reset_;
  ui::ScopedUiStateReset ui_reset_;
  engine::ScopedEngineState engine_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  engine::EntrySettings settings_;
  Notebook notebook_;
  ButtonPad pad_;
};

TEST_P(ButtonPadTest, SolvesAnEquationEnteredOnThePadAlone) {
  ClickAll({u"page 2", u"Solve", u"x", u"^", u"2", u"-", u"5", u"x", u"+", u"6", u"2nd", u"=", u"0",
            u",", u"x", u")"});
  EXPECT_EQ(notebook_.EntryText(0), u"Solve(x^2-5x+6=0,x)");
  ASSERT_TRUE(notebook_.Solve(engine::SolveMode::kNormal, settings_));
  EXPECT_FALSE(notebook_.EntryAnswer(0).IsText());  // a list of solutions, not a message
}

TEST_P(ButtonPadTest, EditsAndSolvesInDegreesMinutesSeconds) {
  ClickAll({u"+", u"8", u"backspace", u"7"});
  EXPECT_EQ(notebook_.EntryText(0), u"Ans+7");
  ClickAll({u"2nd", u"Clear"});
  EXPECT_EQ(notebook_.EntryText(0), u"");
  EXPECT_EQ(pad_.Model().Page(), 1);  // clearing inserts nothing: the page stays
  ClickAll({u"2nd", u"3", u"0", u".", u"5", u"page 4", u"DMS"});
  EXPECT_EQ(notebook_.EntryAnswer(0).text, u"30\u0083 30'");
  EXPECT_EQ(pad_.Model().Page(), 0);
}

TEST_P(ButtonPadTest, TheVariablesPageShowsTheStoreWithoutAns) {
  notebook_.Entry(0).Input().SetText(u"a=1");
  ASSERT_TRUE(notebook_.Solve(engine::SolveMode::kNormal, settings_));
  ui::Focused()->SetText(u"b=2");
  ASSERT_TRUE(notebook_.Solve(engine::SolveMode::kNormal, settings_));
  Click(u"page 5");
  ui::WidgetList keys;
  pad_.Describe(keys);
  EXPECT_NE(ui::FindForClick(keys, u"a", "key"), nullptr);
  EXPECT_NE(ui::FindForClick(keys, u"b", "key"), nullptr);
  EXPECT_EQ(ui::FindForClick(keys, u"Ans", "key"), nullptr);
}

TEST_P(ButtonPadTest, MatchesTheReferenceImages) {
  draw::Surface surface;
  ASSERT_EQ(surface.Create(0, pad_.Width(), 2 * pad_.Height()), draw::kOk);
  pad_.Draw(surface);  // page 0, then with a key held
  const draw::Rect first = pad_.KeyRect(9);
  pad_.StylusDown({first.left + 2, first.top + 2});
  pad_.Draw(surface);
  pad_.StylusUp({first.left + 2, first.top + 2});
  pad_.Model().OpenPage(6);
  pad_.SetPosition(0, pad_.Height());
  pad_.Draw(surface);
  const std::string name = "pad_" + std::string(ui::kSkins[GetParam()].archive.substr(0, 1));
  EXPECT_TRUE(testing::MatchesReference(surface, "src/notebook/pad/testdata", name));
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, ButtonPadTest, ::testing::Values(0, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == 0 ? "SmallClassic" : "LargeBright";
                         });

}  // namespace
}  // namespace zentrix::notebook
