#include "tools/skin/skin_pack.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include "draw/headless_display.h"
#include "draw/vfs_archive.h"
#include "tools/skin/font_image.h"
#include "ui/skin/skin_files.h"
#include "ui/skin/skin_geometry.h"
#include "ui/text/text_renderer.h"

namespace zentrix::skin {
namespace {

using ui::kSkins;

// The four archives are built once for the whole suite.
class SkinPackTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = new draw::HeadlessDisplay();
    ASSERT_EQ(display_->Open(240, 320), draw::kOk);
    std::string error;
    std::unique_ptr<FontFace> face = FontFace::Open(kDejaVuSansPath, &error);
    ASSERT_NE(face, nullptr) << error;
    for (std::size_t i = 0; i < kSkins.size(); ++i) {
      ASSERT_EQ(BuildSkinArchive(kSkins[i], *face, &archives_[i], &error), draw::kOk) << error;
    }
  }
  static void TearDownTestSuite() {
    delete display_;
    display_ = nullptr;
  }

  static void Open(std::size_t skin, draw::VfsArchive* archive) {
    ASSERT_EQ(archive->OpenMemory(archives_[skin].data(), archives_[skin].size()), draw::kOk);
  }

  static draw::HeadlessDisplay* display_;
  static std::array<std::vector<std::uint8_t>, 4> archives_;
};

draw::HeadlessDisplay* SkinPackTest::display_ = nullptr;
std::array<std::vector<std::uint8_t>, 4> SkinPackTest::archives_;

TEST_F(SkinPackTest, EveryArchiveHoldsExactlyTheImageListWithBothPackings) {
  for (std::size_t i = 0; i < kSkins.size(); ++i) {
    draw::VfsArchive archive;
    Open(i, &archive);
    std::set<std::string> expected, found;
    for (const ui::SkinImage& image : ui::kSkinImages) {
      expected.insert(ui::SkinImagePath(kSkins[i], image.name));
    }
    int packed = 0, stored = 0;
    for (const draw::VfsArchive::Entry& e : archive.List()) {
      found.insert(e.path);
      (e.packed_size ? packed : stored)++;
    }
    EXPECT_EQ(found, expected) << kSkins[i].archive;
    EXPECT_GT(packed, 0) << kSkins[i].archive;
    EXPECT_GT(stored, 0) << kSkins[i].archive;
  }
}

// Loads every image of a skin; checks the strips divide into their frames, the
// geometry of the header, and that Large skins double Small ones.
TEST_F(SkinPackTest, EveryImageLoadsWithItsFramesAndLargeDoublesSmall) {
  std::map<std::string, std::pair<int, int>> small_sizes[2];
  for (std::size_t i = 0; i < kSkins.size(); ++i) {
    const ui::SkinInfo& skin = kSkins[i];
    const int s = ui::ScaleOf(skin.size);
    draw::VfsArchive archive;
    Open(i, &archive);
    for (const ui::SkinImage& image : ui::kSkinImages) {
      draw::Surface surface;
      ASSERT_EQ(ui::LoadSkinImage(archive, skin, image.name, &surface), draw::kOk)
          << skin.archive << image.name;
      EXPECT_EQ(surface.ColorKey(), skin.color_key);
      EXPECT_EQ(surface.Width() % image.frames, 0) << image.name;
      const std::string name(image.name);
      const int style = skin.style == ui::SkinStyle::kBright ? 1 : 0;
      if (name == "Font" || name == "SmallFont") continue;
      if (skin.size == ui::SkinSize::kSmall) {
        small_sizes[style][name] = {surface.Width(), surface.Height()};
      } else {
        EXPECT_EQ(surface.Width(), 2 * small_sizes[style][name].first) << name;
        EXPECT_EQ(surface.Height(), 2 * small_sizes[style][name].second) << name;
      }
      const int frame_width = surface.Width() / image.frames / s;
      const int height = surface.Height() / s;
      if (name == "ImageList") {
        EXPECT_EQ(frame_width, ui::kIconSize);
        EXPECT_EQ(height, ui::kIconSize);
      } else if (name == "Keyboard") {
        EXPECT_EQ(frame_width, ui::kKeyboardWidth);
        EXPECT_EQ(height, ui::kKeyboardHeight);
      } else if (name == "KeyboardCircuits" || name == "SpacebarCircuits") {
        EXPECT_EQ(height, ui::kKeyPitch);
      } else if (name == "CalculatorButtonPad") {
        EXPECT_EQ(frame_width, ui::PortraitPad(skin.style).image_width);
        EXPECT_EQ(height, ui::PortraitPad(skin.style).image_height);
      } else if (name == "CalculatorButtonPadLandscape") {
        EXPECT_EQ(height, ui::kPadLandscape.image_height);
      } else if (name == "MainMenu" || name == "MainMenuCircuits") {
        EXPECT_EQ(height, ui::kMenuBarHeight);
      } else if (name == "CheckBox" || name == "RadioButton") {
        EXPECT_EQ(frame_width, ui::kCheckBoxSize);
      }
    }
  }
}

TEST_F(SkinPackTest, PadGridsFitTheirImages) {
  for (const ui::PadGeometry* g : {&ui::kPadBright, &ui::kPadClassic, &ui::kPadLandscape}) {
    EXPECT_LE(g->left + g->columns * g->key_width, g->image_width);
    EXPECT_LE(g->top + g->rows * g->key_height, g->image_height);
    EXPECT_LE(g->key_width, ui::kPadHighlightWidth);
  }
  EXPECT_EQ(ui::kPadBright.columns * 10 + ui::kPadBright.rows, 66);
  EXPECT_EQ(ui::kPadClassic.columns * 10 + ui::kPadClassic.rows, 76);
  EXPECT_EQ(ui::kPadLandscape.columns * 10 + ui::kPadLandscape.rows, 95);
}

// The fonts cut with the skin character list, every character has a glyph, and
// the glyph pixels have the style's native colour.
TEST_F(SkinPackTest, FontsCutWithEveryCharacterInTheNativeColour) {
  for (std::size_t i = 0; i < kSkins.size(); ++i) {
    const ui::SkinInfo& skin = kSkins[i];
    draw::VfsArchive archive;
    Open(i, &archive);
    for (const char* name : {"Font", "SmallFont"}) {
      draw::BitmapFont font;
      ASSERT_EQ(ui::LoadSkinFont(archive, skin, name, &font), draw::kOk) << skin.archive << name;
      for (char16_t c : ui::kSkinFontCharacters) {
        EXPECT_GT(font.GlyphOf(c).width, 0) << skin.archive << name << " " << int(c);
      }
      EXPECT_GE(font.Height(), 9 * ui::ScaleOf(skin.size)) << name;
      // The darkest (Classic: lightest) pixel of "W" is the native colour.
      const draw::Glyph& w = font.GlyphOf(u'W');
      const draw::Color native = ui::NativeTextColor(skin.style);
      bool found = false;
      for (int y = 1; y <= font.Height(); ++y) {
        for (int x = w.start; x < w.start + w.width; ++x) {
          draw::Color c = 0;
          font.Image().GetPixel(x, y, &c);
          const draw::Color want = draw::PixelToColor565(draw::ColorToPixel565(native));
          found |= c == want;
        }
      }
      EXPECT_TRUE(found) << skin.archive << name;
    }
  }
}

TEST_F(SkinPackTest, LargeFontsAreLargerAndTextFitsTheScreen) {
  draw::VfsArchive small, large;
  Open(0, &small);
  Open(1, &large);
  draw::BitmapFont small_font, large_font, small_small;
  ASSERT_EQ(ui::LoadSkinFont(small, kSkins[0], "Font", &small_font), draw::kOk);
  ASSERT_EQ(ui::LoadSkinFont(small, kSkins[0], "SmallFont", &small_small), draw::kOk);
  ASSERT_EQ(ui::LoadSkinFont(large, kSkins[1], "Font", &large_font), draw::kOk);
  EXPECT_LT(small_small.Height(), small_font.Height());
  EXPECT_GT(large_font.Height(), small_font.Height() * 3 / 2);
  // A typical line of 30 characters fits the Small screen's width.
  const std::u16string line = u"Solve(x^2+3x+1=0,x) = {-2.618}";
  EXPECT_LT(small_font.TextWidth(line), 240);
  EXPECT_LT(large_font.TextWidth(line), 480);
}

TEST_F(SkinPackTest, TransparentCornersAndOpaqueFaces) {
  for (std::size_t i = 0; i < kSkins.size(); ++i) {
    const ui::SkinInfo& skin = kSkins[i];
    draw::VfsArchive archive;
    Open(i, &archive);
    draw::Surface button, pad;
    ASSERT_EQ(ui::LoadSkinImage(archive, skin, "Button", &button), draw::kOk);
    ASSERT_EQ(ui::LoadSkinImage(archive, skin, "CalculatorButtonPad", &pad), draw::kOk);
    const draw::Pixel key = draw::ColorToPixel565(skin.color_key);
    draw::Color corner = 0, middle = 0;
    button.GetPixel(0, 0, &corner);
    button.GetPixel(button.Width() / 4, button.Height() / 2, &middle);
    EXPECT_EQ(draw::ColorToPixel565(corner), key) << skin.archive;
    EXPECT_NE(draw::ColorToPixel565(middle), key) << skin.archive;
    // The pad is opaque everywhere.
    for (int y = 0; y < pad.Height(); y += 3) {
      for (int x = 0; x < pad.Width(); x += 3) {
        draw::Color c = 0;
        pad.GetPixel(x, y, &c);
        ASSERT_NE(draw::ColorToPixel565(c), key) << skin.archive << " " << x << "," << y;
      }
    }
  }
}

TEST_F(SkinPackTest, MarkupTextDrawsWithASkinFont) {
  draw::VfsArchive archive;
  Open(0, &archive);
  draw::BitmapFont font;
  ASSERT_EQ(ui::LoadSkinFont(archive, kSkins[0], "Font", &font), draw::kOk);
  ui::TextRenderer renderer(&font, 0xFFFFFF);
  draw::Surface surface;
  ASSERT_EQ(surface.Create(draw::surface_flags::kClear, 240, 100), draw::kOk);
  renderer.SetTarget(&surface);
  const int lines = renderer.DrawMarkup(
      u"Tap [yellow]Solve[/] to evaluate the expression, or tap the button pad's keys.", 0, 0);
  EXPECT_EQ(lines, 2);
  int lit = 0;
  for (int y = 0; y < 2 * font.Height(); ++y) {
    for (int x = 0; x < 240; ++x) {
      draw::Color c = 0;
      surface.GetPixel(x, y, &c);
      lit += c != 0;
    }
  }
  EXPECT_GT(lit, 200);
}

TEST(FontImageTest, ProgramCharactersMapToTheirGlyphs) {
  EXPECT_EQ(CodePointsOf(u'A'), U"A");
  EXPECT_EQ(CodePointsOf(134), U"\u207B\u00B9");  // the inverse mark is two code points
  EXPECT_EQ(CodePointsOf(237), U"\u03C0");
  EXPECT_EQ(CodePointsOf(128), U"\u1D07");
  EXPECT_EQ(CodePointsOf(129), U"\u25A1");  // unassigned: a hollow box
}

TEST(FontImageTest, FontImageHasOneMarkerRunPerCharacter) {
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(16, 16), draw::kOk);
  std::string error;
  std::unique_ptr<FontFace> face = FontFace::Open(kDejaVuSansPath, &error);
  ASSERT_NE(face, nullptr) << error;
  draw::Surface image;
  FontImageLayout layout{11, Hex(0xFFFFFF), 0x000000};
  ASSERT_EQ(BuildFontImage(*face, layout, &image, &error), draw::kOk) << error;
  int runs = 0;
  const draw::Pixel white = draw::ColorToPixel565(0xFFFFFF);
  for (int x = 0; x < image.Width(); ++x) {
    const bool here = image.Row(0)[x] == white;
    const bool before = x > 0 && image.Row(0)[x - 1] == white;
    runs += here && !before;
  }
  EXPECT_EQ(runs, static_cast<int>(ui::kSkinFontCharacters.size()));
  // A face that cannot be opened is reported, not used.
  EXPECT_EQ(FontFace::Open("/nonexistent/font.ttf", &error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST(SkinPackRules, FontsAreAlwaysPackedAndTinyFilesStored) {
  const std::vector<std::uint8_t> zeros(8192, 0), tiny(100, 0);
  EXPECT_TRUE(ShouldPack("Font", tiny));
  EXPECT_TRUE(ShouldPack("SmallFont", tiny));
  EXPECT_FALSE(ShouldPack("CheckBox", tiny));
  EXPECT_TRUE(ShouldPack("Keyboard", zeros));
  std::vector<std::uint8_t> noise(8192);
  std::uint32_t x = 12345;
  for (auto& b : noise) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  EXPECT_FALSE(ShouldPack("Keyboard", noise));
}

}  // namespace
}  // namespace zentrix::skin
