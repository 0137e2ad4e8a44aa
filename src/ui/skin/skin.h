#pragma once
// One loaded skin: its widget image strips, its fonts (each with a text
// renderer), its palette and whether sizes double. A missing archive or image
// leaves that image absent; widgets then draw their text only.

#include <array>
#include <string>
#include <string_view>

#include "draw/bitmap_font.h"
#include "draw/color.h"
#include "draw/draw_result.h"
#include "draw/surface.h"
#include "ui/skin/skin_geometry.h"
#include "ui/text/text_renderer.h"

namespace zentrix::ui {

// The images of kSkinImages, by index.
enum class SkinImageId : int {
  kFont,
  kSmallFont,
  kArrows,
  kMainMenu,
  kMainMenuCircuits,
  kKeyboardIcon,
  kCalculatorButtonPad,
  kCalculatorButtonPadLandscape,
  kButtonImageList,
  kButtonPadCircuits,
  kDropDownBox,
  kCheckBox,
  kRadioButton,
  kSmallButton,
  kImageList,
  kButton,
  kDivider,
  kTabControlLeft,
  kTabControlButton,
  kTabControlRight,
  kSpacebarCircuits,
  kKeyboardCircuits,
  kKeyboard,
  kMenuSystemHeader,
  kMenuSelector,
  kMenuSystemIconList,
};
inline constexpr int kSkinImageCount = static_cast<int>(kSkinImages.size());

// The style's colours (0x00BBGGRR) and the sizes that depend on the skin size.
struct SkinPalette {
  draw::Color background = 0x000000;
  draw::Color text = 0xFFFFFF;
  draw::Color message_box_fill = 0x007FFF;
  draw::Color message_box_frame = 0x000000;
  draw::Color file_item_frame = 0x000000;
  draw::Color grid_fill = 0x202020;
  draw::Color grid_line = 0x7D7D7D;
  draw::Color highlight = 0x7D7D7D;  // the chosen item of an open list
  int scroll_bar_thickness = kScrollBarThickness;
  int scroll_bar_min_thumb = kScrollBarMinThumb;
};

SkinPalette PaletteFor(SkinSize size, SkinStyle style);

class Skin {
 public:
  Skin() = default;
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  // Releases what was loaded and loads the skin of this size and style from
  // the archives in `folder` (the fonts of a second skin too, see SecondText).
  // Returns kOk when the main archive opened; a missing archive leaves every
  // image of it absent and reports the archive's result.
  draw::DrawResult Load(const std::string& folder, SkinSize size, SkinStyle style);
  void Release();

  const SkinInfo& Info() const { return *info_; }
  SkinSize Size() const { return info_->size; }
  SkinStyle Style() const { return info_->style; }
  bool HighResolution() const { return info_->size == SkinSize::kLarge; }
  int Scale() const { return ScaleOf(info_->size); }
  // A Small size of the skin contract in this skin's pixels.
  int Px(int small) const { return Scaled(small, info_->size); }
  const SkinPalette& Palette() const { return palette_; }
  SkinPalette& MutablePalette() { return palette_; }

  // Null when the image is absent.
  const draw::Surface* Image(SkinImageId id) const;
  int Frames(SkinImageId id) const;
  int FrameWidth(SkinImageId id) const;
  int FrameHeight(SkinImageId id) const;
  // Blits one frame with the colour key; nothing when the image is absent.
  void DrawFrame(draw::Surface& dest, SkinImageId id, int frame, int x, int y) const;
  // Draws a frame `width` wide: its left part, then its last kCutEdge columns
  // (scaled) so that the right-hand end stays intact.
  void DrawFrameCut(draw::Surface& dest, SkinImageId id, int frame, int x, int y, int width) const;
  // Draws a frame exactly `width` wide keeping its last `edge` columns (Small
  // pixels, scaled) intact: a narrower width cuts the middle out, a wider one
  // repeats the column before that edge (a drop-down box keeps its arrow).
  void DrawFrameFitted(draw::Surface& dest, SkinImageId id, int frame, int x, int y, int width,
                       int edge) const;

  // The normal font (the skin's "Font"); the second font (Large: "SmallFont";
  // Small: the Large skin's "Font" of the same style); the white font (Bright
  // only: the Classic skin's "Font" of the same size; else the normal font).
  TextRenderer& NormalText() { return normal_text_; }
  TextRenderer& SecondText() { return second_text_; }
  TextRenderer& WhiteText() { return white_text_; }

  // Installs an image or fonts directly (tests, and the skin tool's previews).
  void SetImage(SkinImageId id, draw::Surface image);
  void SetFonts(draw::BitmapFont normal, draw::BitmapFont second, draw::BitmapFont white);
  void SetInfo(SkinSize size, SkinStyle style);

 private:
  void BindRenderers();

  const SkinInfo* info_ = &kSkins[0];
  SkinPalette palette_;
  std::array<draw::Surface, kSkinImages.size()> images_;
  draw::BitmapFont normal_font_, second_font_, white_font_;
  TextRenderer normal_text_, second_text_, white_text_;
};

}  // namespace zentrix::ui
