#pragma once
// The skin contract: which archives exist, which images each one holds (with
// their frame counts), the font character list, and the pixel geometry that the
// skin tool draws and the screens lay themselves out by. Every size here is a
// Small-skin size; Large skins double it (Scaled()).
//
// Images are horizontal strips of equal frames. Images that widgets stretch or
// cut to a width ("cut-to-width" below) are drawn for the widest use; a narrower
// control draws the image's left part and then its last kCutEdge (scaled)
// columns, so that the right-hand end stays intact.

#include <array>
#include <cstdint>
#include <string_view>

namespace zentrix::ui {

// ---------------------------------------------------------------------------
// Skins and archives.

enum class SkinStyle { kClassic, kBright };
enum class SkinSize { kSmall, kLarge };

struct SkinInfo {
  std::string_view archive;    // file name of the archive
  std::string_view extension;  // of every image inside it
  std::uint32_t color_key;     // 0x00BBGGRR; blits treat it as transparent
  SkinSize size;
  SkinStyle style;
};

// Index 0..3: Small Classic, Large Classic, Small Bright, Large Bright.
inline constexpr std::array<SkinInfo, 4> kSkins{{
    {"1.vfs", ".bmp", 0x000000, SkinSize::kSmall, SkinStyle::kClassic},
    {"2.vfs", ".png", 0x000000, SkinSize::kLarge, SkinStyle::kClassic},
    {"3.vfs", ".bmp", 0xFAFAFA, SkinSize::kSmall, SkinStyle::kBright},
    {"4.vfs", ".png", 0xFAFAFA, SkinSize::kLarge, SkinStyle::kBright},
}};

constexpr const SkinInfo& SkinFor(SkinSize size, SkinStyle style) {
  return kSkins[(style == SkinStyle::kBright ? 2 : 0) + (size == SkinSize::kLarge ? 1 : 0)];
}

// The colour a font's glyph pixels have in the skin image.
constexpr std::uint32_t NativeTextColor(SkinStyle style) {
  return style == SkinStyle::kClassic ? 0xFFFFFF : 0x000000;
}

// Large skins double every size.
constexpr int ScaleOf(SkinSize size) { return size == SkinSize::kLarge ? 2 : 1; }
constexpr int Scaled(int small, SkinSize size) { return small * ScaleOf(size); }

// ---------------------------------------------------------------------------
// Images of every skin. The archive path of an image is "/" + name + extension.

struct SkinImage {
  std::string_view name;
  int frames;
};

inline constexpr std::array<SkinImage, 26> kSkinImages{{
    {"Font", 1},
    {"SmallFont", 1},
    {"Arrows", 2},  // 0 up (previous), 1 down (next)
    {"MainMenu", 1},
    {"MainMenuCircuits", 1},  // the menu bar as drawn under a pressed element
    {"KeyboardIcon", 1},
    {"CalculatorButtonPad", 1},
    {"CalculatorButtonPadLandscape", 1},
    {"ButtonImageList", 6},    // page-key icons, see ButtonPadPageIcon
    {"ButtonPadCircuits", 1},  // highlight of one pressed key (widest key; cut-to-width)
    {"DropDownBox", 1},
    {"CheckBox", 3},     // 0 clear, 1 checked, 2 disabled
    {"RadioButton", 2},  // 0 off, 1 on
    {"SmallButton", 3},  // 0 up, 1 pressed, 2 disabled
    {"ImageList", 39},   // icons, see Icon
    {"Button", 2},       // 0 up, 1 pressed
    {"Divider", 1},
    {"TabControlLeft", 1},
    {"TabControlButton", 2},  // 0 tab not chosen, 1 chosen tab
    {"TabControlRight", 1},
    {"SpacebarCircuits", 1},  // highlight of the pressed space bar
    {"KeyboardCircuits", 1},  // highlight of one pressed key
    {"Keyboard", 1},
    {"MenuSystemHeader", 1},
    {"MenuSelector", 1},        // drawn behind the current screen's icon
    {"MenuSystemIconList", 4},  // see ScreenBarIcon
}};

// ---------------------------------------------------------------------------
// Fonts. Each font image holds one glyph per character of this list, in order:
// space to "~", "_" again, 128..135, 140, 219..221 and 222..255. Fonts are cut
// with kFontSpacing extra pixels between glyphs: the advance cells already
// hold the typeface's own spacing.

inline constexpr char16_t kSkinFontCharacterArray[] =
    u" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    u"abcdefghijklmnopqrstuvwxyz{|}~_"
    u"\u0080\u0081\u0082\u0083\u0084\u0085\u0086\u0087\u008C\u00DB\u00DC\u00DD"
    u"\u00DE\u00DF\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9"
    u"\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF\u00F0\u00F1\u00F2\u00F3\u00F4\u00F5"
    u"\u00F6\u00F7\u00F8\u00F9\u00FA\u00FB\u00FC\u00FD\u00FE\u00FF";
inline constexpr std::u16string_view kSkinFontCharacters(
    kSkinFontCharacterArray, sizeof(kSkinFontCharacterArray) / sizeof(char16_t) - 1);
inline constexpr int kFontSpacing = 0;

// ---------------------------------------------------------------------------
// Screen furniture (Small sizes).

inline constexpr int kCutEdge = 4;             // see "cut-to-width" above
inline constexpr int kScreenBarHeight = 20;    // "MenuSystemHeader" at the top
inline constexpr int kMenuBarHeight = 20;      // "MainMenu" at the bottom
inline constexpr int kBarImageWidth = 320;     // widest screen; both bars are cut-to-width
inline constexpr int kIconSize = 16;           // "ImageList" frames are square
inline constexpr int kScreenBarIconSize = 20;  // "MenuSystemIconList" frames
inline constexpr int kMenuSelectorWidth = 24;  // "MenuSelector" (screen-bar height)
inline constexpr int kKeyboardIconWidth = 24;  // "KeyboardIcon" (height kIconSize)
inline constexpr int kArrowSize = 16;          // "Arrows" frames, square
inline constexpr int kScrollBarThickness = 16;
inline constexpr int kScrollBarMinThumb = 32;
inline constexpr int kCheckBoxSize = 13;  // "CheckBox" and "RadioButton" frames
inline constexpr int kButtonWidth = 64;   // "Button" frames (cut-to-width)
inline constexpr int kButtonHeight = 22;
inline constexpr int kSmallButtonWidth = 48;  // "SmallButton" frames (cut-to-width)
inline constexpr int kSmallButtonHeight = 18;
inline constexpr int kDropDownWidth = 120;  // "DropDownBox" (cut-to-width)
inline constexpr int kDropDownHeight = 18;
inline constexpr int kDropDownButtonWidth = 16;  // the arrow part at its right end
inline constexpr int kDividerWidth = 320;        // "Divider" (cut-to-width)
inline constexpr int kDividerHeight = 4;
inline constexpr int kTabHeight = 20;        // all tab-control images
inline constexpr int kTabLeftWidth = 4;      // "TabControlLeft"
inline constexpr int kTabButtonWidth = 64;   // "TabControlButton" frames (cut-to-width)
inline constexpr int kTabRightWidth = 320;   // "TabControlRight": the rest of the row
inline constexpr int kColorSwatchSize = 16;  // colour selector swatches

// The main menu's elements along the bar, from the left (x and width).
struct BarElement {
  int x;
  int width;
};
inline constexpr std::array<BarElement, 6> kMainMenuElements{{
    {0, 40},    // File
    {40, 40},   // Edit
    {80, 32},   // keyboard icon
    {112, 56},  // the screen's action (Solve, Plot, Clear)
    {168, 40},  // tutorials
    {208, 32},  // sixth element, no action
}};

// "MenuSystemIconList" frames.
enum class ScreenBarIcon : int {
  kClose = 0,
  kClosePressed = 1,
  kStyleToggle = 2,
  kStyleTogglePressed = 3,
};

// ---------------------------------------------------------------------------
// Calculator button pads. A pad image is a grid of keys starting at (left, top)
// with a pitch of key_width × key_height; each key's face leaves one pixel free
// on its right and bottom. Labels are drawn by the program, not the image.

struct PadGeometry {
  int columns;
  int rows;
  int key_width;  // pitch
  int key_height;
  int left;  // first key inside the image
  int top;
  int image_width;
  int image_height;
};

// Portrait pads of the Bright (6 × 6) and Classic (7 × 6) styles, and the
// landscape pad (9 × 5) of both.
inline constexpr PadGeometry kPadBright{6, 6, 40, 22, 0, 0, 240, 132};
inline constexpr PadGeometry kPadClassic{7, 6, 34, 22, 1, 0, 240, 132};
inline constexpr PadGeometry kPadLandscape{9, 5, 35, 20, 2, 0, 320, 100};

constexpr const PadGeometry& PortraitPad(SkinStyle style) {
  return style == SkinStyle::kBright ? kPadBright : kPadClassic;
}

// "ButtonPadCircuits" is the highlight of the widest key of any pad.
inline constexpr int kPadHighlightWidth = 40;
inline constexpr int kPadHighlightHeight = 22;

// "ButtonImageList" frames: the icon on each page key, by the page it opens.
inline constexpr int kPageIconWidth = 28;
inline constexpr int kPageIconHeight = 16;
enum class ButtonPadPageIcon : int {
  kSecond = 0,         // toggles pages 0 and 1 ("2nd")
  kCalculus = 1,       // page 2, algebra and calculus
  kMatrices = 2,       // page 3
  kTrigonometry = 3,   // page 4
  kVariables = 4,      // page 5
  kDistributions = 5,  // page 6
};

// ---------------------------------------------------------------------------
// On-screen keyboard: 6 rows of 11 keys, kKeyPitch apart; each key's face leaves
// one pixel free on its right and bottom. Row 6 keys 5..7 (indices 4..6) are
// the space bar. Only the keys that are the same in both layers carry a picture
// (backspace, Caps Lock, Shift, space bar); the program draws the other labels.

inline constexpr int kKeyboardColumns = 11;
inline constexpr int kKeyboardRows = 6;
inline constexpr int kKeyPitch = 21;
inline constexpr int kKeyboardWidth = kKeyboardColumns * kKeyPitch;
inline constexpr int kKeyboardHeight = kKeyboardRows * kKeyPitch;
inline constexpr int kSpacebarFirstKey = 4;
inline constexpr int kSpacebarKeys = 3;
// "KeyboardCircuits" is kKeyPitch square; "SpacebarCircuits" kSpacebarKeys keys wide.

// ---------------------------------------------------------------------------
// "ImageList" icons (kIconSize square), by index.
//
//   0..7   screen-bar icons of the eight screens, in screen order
//   8..16  2D toolbar: centre view, trace, zoom, move, play, pause, rewind,
//          slower, faster (the 3D toolbar reuses centre view for its reset,
//          move and zoom for its move and window zoom)
//   17..20 analysis switches: zeros, maxima, minima, intersections
//   21, 22 add and remove (graph list)
//   23     close
//   24..27 3D toolbar: rotate, depth move, render mode, graph axis
//   28..36 graph kinds (2D and 3D functions use the grapher screen icons 2, 3)
//   37, 38 back and next
enum class Icon : int {
  kCalculator = 0,
  kSettings = 1,
  kGrapher2D = 2,
  kGrapher3D = 3,
  kNotes = 4,
  kScreenshots = 5,
  kButtonConfig = 6,
  kAbout = 7,
  kCenterView = 8,
  kTrace = 9,
  kZoom = 10,
  kMove = 11,
  kPlay = 12,
  kPause = 13,
  kRewind = 14,
  kSlower = 15,
  kFaster = 16,
  kZeros = 17,
  kMaxima = 18,
  kMinima = 19,
  kIntersections = 20,
  kAdd = 21,
  kRemove = 22,
  kClose = 23,
  kRotate = 24,
  kDepthMove = 25,
  kRenderMode = 26,
  kGraphAxis = 27,
  kParametric = 28,
  kPolar = 29,
  kParametric3D = 30,
  kSpherical = 31,
  kCylindrical = 32,
  kScatter = 33,
  kHistogram = 34,
  kBoxPlot = 35,
  kNormalProbability = 36,
  kBack = 37,
  kNext = 38,
  // Aliases.
  kFunction = kGrapher2D,
  kFunction3D = kGrapher3D,
  kResetView = kCenterView,
  kWindowZoom = kZoom,
};
inline constexpr int kIconCount = 39;

}  // namespace zentrix::ui
