#pragma once
// Test support: a fixture with the draw context, a headless display, a reset
// UI state and a skin (block fonts, or the built skin archives), and the
// reference-image comparison of drawing tests.

#include <gtest/gtest.h>

#include <string>

#include "draw/bitmap_font.h"
#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"
#include "draw/surface.h"
#include "draw/test_font_image.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/testing/reference_image.h"

namespace zentrix::ui::testing {

// Every character of the default list is a 4-pixel cell holding a 3-pixel
// block; lines are 5 pixels high.
inline draw::BitmapFont BlockFont(draw::Color ink, draw::Color key) {
  draw::Surface image;
  EXPECT_EQ(draw::testing::MakeTestFontImage(&image, kSkinFontCharacters, 4, 3, 5, ink, key),
            draw::kOk);
  draw::BitmapFont font;
  EXPECT_EQ(font.Create(std::move(image), kSkinFontCharacters, 0), draw::kOk);
  return font;
}

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(display_.Open(240, 320), draw::kOk);
    skin_.SetInfo(SkinSize::kSmall, SkinStyle::kClassic);
    skin_.SetFonts(BlockFont(0xFFFFFF, 0), draw::BitmapFont{}, draw::BitmapFont{});
    UseSkin(&skin_);
  }
  void TearDown() override { UseSkin(nullptr); }

  draw::ScopedDrawContextReset draw_reset_;
  ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  Skin skin_;
};

// Compares the surface with src/ui/testdata/NAME.png (see reference_image.h);
// mismatches are written into the build folder.
inline ::testing::AssertionResult MatchesReference(const draw::Surface& surface,
                                                   const std::string& name) {
  const std::string problem = CompareWithReference(
      surface, std::string(ZENTRIX_SOURCE_DIR) + "/src/ui/testdata", name, ZENTRIX_BINARY_DIR);
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << problem;
}

}  // namespace zentrix::ui::testing
