#include "notebook/calculator/calculator_panel.h"

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "engine/core/engine_state.h"
#include "notebook/testing/reference_image.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"

namespace zentrix::notebook {
namespace {

class CalculatorPanelTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    const ui::SkinInfo& info = ui::kSkins[GetParam()];
    const int scale = ui::ScaleOf(info.size);
    ASSERT_EQ(display_.Open(240 * scale, 320 * scale), draw::kOk);
    ASSERT_EQ(skin_.Load(ZENTRIX_BINARY_DIR "/skins", info.size, info.style), draw::kOk);
    ui::UseSkin(&skin_);
    panel_.SetSkin(&skin_, ZENTRIX_BINARY_DIR "/skins");
    // The content area between the screen bar and the menu bar.
    content_ = draw::Rect::FromSize(0, 0, 240 * scale, 280 * scale);
    ASSERT_EQ(surface_.Create(0, content_.Width(), content_.Height()), draw::kOk);
    panel_.GetNotebook().FocusEntry(0);
  }
  void Frame() {
    surface_.FillRect(nullptr, skin_.Palette().background);
    panel_.LayoutAndDraw(surface_, content_);
  }
  void Tap(std::u16string_view key) {
    ui::WidgetList keys;
    panel_.Pad().Describe(keys);
    const ui::WidgetInfo* found = ui::FindForClick(keys, key, "key");
    ASSERT_NE(found, nullptr);
    const ui::Point p{(found->rect.left + found->rect.right) / 2,
                      (found->rect.top + found->rect.bottom) / 2};
    panel_.Pad().StylusDown(p);
    panel_.Pad().StylusUp(p);
  }
  std::string Dump() {
    ui::JsonWriter json;
    json.BeginObject();
    panel_.WriteState(json, [](const engine::AnswerLayout& layout) {
      return layout.kind == engine::BoxKind::kFraction ? std::string("fraction")
                                                       : std::string("other");
    });
    json.EndObject();
    return json.Result();
  }

  draw::ScopedDrawContextReset reset_;
  ui::ScopedUiStateReset ui_reset_;
  engine::ScopedEngineState engine_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  CalculatorPanel panel_;
  draw::Rect content_;
  draw::Surface surface_;
};

TEST_P(CalculatorPanelTest, MatchesTheReferenceImage) {
  Frame();
  for (std::u16string_view key : {u"3", u"/", u"1", u"2", u"+", u"1", u"/", u"2"}) Tap(key);
  ASSERT_TRUE(panel_.Solve());
  ui::Focused()->SetText(u"Solve(x^2-5x+6=0,x)");
  ASSERT_TRUE(panel_.Solve());
  Frame();
  const std::string name = "calculator_" + std::string(ui::kSkins[GetParam()].archive.substr(0, 1));
  EXPECT_TRUE(testing::MatchesReference(surface_, "src/notebook/calculator/testdata", name));
}

TEST_P(CalculatorPanelTest, TheDumpListsEntriesVariablesAndThePage) {
  Frame();
  ui::Focused()->SetText(u"3/12+1/2");
  ASSERT_TRUE(panel_.Solve());
  ui::Focused()->SetText(u"NormalPdf(");
  ASSERT_TRUE(panel_.Solve());
  Tap(u"page 3");
  EXPECT_EQ(
      Dump(),
      "{\"entries\": [{\"text\": \"3/12+1/2\", \"answer\": \"fraction\", \"decimal\": true}, "
      "{\"text\": \"NormalPdf(\", \"answer\": \"NormalPdf(x, mu, sigma)\", \"decimal\": false}, "
      "{\"text\": \"\", \"answer\": \"\", \"decimal\": false}], "
      "\"variables\": {\"Ans\": \"fraction\"}, \"pad_page\": 3}");
}

std::string SkinName(const ::testing::TestParamInfo<int>& info) {
  constexpr const char* kNames[] = {"SmallClassic", "LargeClassic", "SmallBright", "LargeBright"};
  return kNames[info.param];
}

TEST_P(CalculatorPanelTest, ASquareScreenTakesTheShorterPadWithEveryKeyOnIt) {
  const ui::SkinInfo& skin = ui::kSkins[GetParam()];
  const int scale = ui::ScaleOf(skin.size);
  draw::Surface square;
  ASSERT_EQ(square.Create(0, 240 * scale, 240 * scale), draw::kOk);
  // Between a screen bar and a menu bar of 20 pixels each.
  const draw::Rect content = draw::Rect::FromSize(0, 20 * scale, 240 * scale, 200 * scale);
  auto keys_inside = [&] {
    panel_.LayoutAndDraw(square, content);
    ui::WidgetList keys;
    panel_.Pad().Describe(keys);
    ASSERT_FALSE(keys.empty());
    for (const ui::WidgetInfo& key : keys) {
      EXPECT_TRUE(key.rect.left >= content.left && key.rect.right <= content.right &&
                  key.rect.top >= panel_.View().Rect().bottom && key.rect.bottom <= content.bottom)
          << ui::EncodeText(key.text) << " lies outside the pad's place";
    }
  };
  keys_inside();
  EXPECT_EQ(panel_.Pad().Model().Arrangement(), skin.style == ui::SkinStyle::kBright
                                                    ? PadArrangement::kBrightSquare
                                                    : PadArrangement::kClassicSquare);
  // Five rows of 22 pixels leave the notebook 90 (the full pad left 68).
  EXPECT_EQ(panel_.View().Rect().Height(), 90 * scale);

  // A page of six rows takes one row from the notebook while it is shown.
  panel_.Pad().Model().OpenPage(3);
  keys_inside();
  EXPECT_EQ(panel_.View().Rect().Height(), 68 * scale);
  panel_.Pad().Model().OpenPage(0);
  keys_inside();
  EXPECT_EQ(panel_.View().Rect().Height(), 90 * scale);
}

INSTANTIATE_TEST_SUITE_P(EverySkin, CalculatorPanelTest, ::testing::Values(0, 1, 2, 3), SkinName);

}  // namespace
}  // namespace zentrix::notebook
