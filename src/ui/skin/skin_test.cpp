// The skins the skin tool packs hold every image the widgets draw, with the
// frame counts and sizes the widgets lay themselves out by.

#include "ui/skin/skin.h"

#include <gtest/gtest.h>

#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"

namespace zentrix::ui {
namespace {

class SkinTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ASSERT_EQ(display_.Open(240, 320), draw::kOk); }
  draw::ScopedDrawContextReset reset_;
  draw::HeadlessDisplay display_;
};

TEST_P(SkinTest, ImagesMatchTheWidgetGeometry) {
  const SkinInfo& info = kSkins[static_cast<std::size_t>(GetParam())];
  Skin skin;
  ASSERT_EQ(skin.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", info.size, info.style),
            draw::kOk);
  for (int i = 0; i < kSkinImageCount; ++i) {
    const auto id = static_cast<SkinImageId>(i);
    if (id == SkinImageId::kFont || id == SkinImageId::kSmallFont) continue;
    const draw::Surface* image = skin.Image(id);
    ASSERT_NE(image, nullptr) << kSkinImages[static_cast<std::size_t>(i)].name;
    EXPECT_EQ(image->Width() % skin.Frames(id), 0) << kSkinImages[static_cast<std::size_t>(i)].name;
  }
  const auto frame = [&](SkinImageId id) {
    return std::pair(skin.FrameWidth(id), skin.FrameHeight(id));
  };
  const auto px = [&](int w, int h) { return std::pair(skin.Px(w), skin.Px(h)); };
  EXPECT_EQ(frame(SkinImageId::kCheckBox), px(kCheckBoxSize, kCheckBoxSize));
  EXPECT_EQ(frame(SkinImageId::kRadioButton), px(kCheckBoxSize, kCheckBoxSize));
  EXPECT_EQ(frame(SkinImageId::kButton), px(kButtonWidth, kButtonHeight));
  EXPECT_EQ(frame(SkinImageId::kSmallButton), px(kSmallButtonWidth, kSmallButtonHeight));
  EXPECT_EQ(frame(SkinImageId::kImageList), px(kIconSize, kIconSize));
  EXPECT_EQ(frame(SkinImageId::kKeyboard), px(kKeyboardWidth, kKeyboardHeight));
  EXPECT_EQ(frame(SkinImageId::kKeyboardCircuits), px(kKeyPitch, kKeyPitch));
  EXPECT_EQ(frame(SkinImageId::kSpacebarCircuits), px(kSpacebarKeys * kKeyPitch, kKeyPitch));
  EXPECT_EQ(frame(SkinImageId::kMenuSystemIconList), px(kScreenBarIconSize, kScreenBarIconSize));
  EXPECT_EQ(frame(SkinImageId::kMenuSelector).first, skin.Px(kMenuSelectorWidth));
  EXPECT_EQ(frame(SkinImageId::kMainMenu).second, skin.Px(kMenuBarHeight));
  EXPECT_EQ(frame(SkinImageId::kMenuSystemHeader).second, skin.Px(kScreenBarHeight));
  EXPECT_EQ(frame(SkinImageId::kTabControlButton).second, skin.Px(kTabHeight));
  EXPECT_EQ(frame(SkinImageId::kDropDownBox), px(kDropDownWidth, kDropDownHeight));
  // Fonts: the normal, the second and (Bright) the white one.
  EXPECT_GT(skin.NormalText().LineHeight(), 0);
  EXPECT_GT(skin.SecondText().LineHeight(), 0);
  EXPECT_EQ(skin.WhiteText().NativeColor(), 0xFFFFFFu);
}

TEST_P(SkinTest, FittedFramesKeepTheirRightEndAtAnyWidth) {
  // A drop-down box narrower or wider than its image keeps its arrow.
  const SkinInfo& info = kSkins[static_cast<std::size_t>(GetParam())];
  Skin skin;
  ASSERT_EQ(skin.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", info.size, info.style),
            draw::kOk);
  const SkinImageId id = SkinImageId::kDropDownBox;
  const draw::Surface& image = *skin.Image(id);
  const int w = skin.FrameWidth(id);
  const int edge = skin.Px(kDropDownButtonWidth + kCutEdge);
  const auto pixel = [](const draw::Surface& s, int x, int y) {
    draw::Color c = 0;
    EXPECT_EQ(s.GetPixel(x, y, &c), draw::kOk);
    return c;
  };
  for (const int width : {w / 2, w, w * 2}) {
    draw::Surface out;
    ASSERT_EQ(out.Create(0, w * 2 + 8, image.Height()), draw::kOk);
    out.FillRect(nullptr, image.ColorKey());
    skin.DrawFrameFitted(out, id, 0, 0, 0, width, kDropDownButtonWidth + kCutEdge);
    const int y = image.Height() / 2;
    for (int i = 1; i <= edge; ++i) {
      ASSERT_EQ(pixel(out, width - i, y), pixel(image, w - i, y)) << width << " " << i;
    }
    EXPECT_EQ(pixel(out, width, y), pixel(out, w * 2 + 7, y)) << "nothing past the width";
    EXPECT_EQ(pixel(out, 0, y), pixel(image, 0, y));
  }
}

INSTANTIATE_TEST_SUITE_P(AllSkins, SkinTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace zentrix::ui
