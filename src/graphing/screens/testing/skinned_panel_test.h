#pragma once
// Test support: a screen of a given size with one of the project's built
// skins loaded, for the panels' layout and drawing tests, and the comparison
// with the reference images in src/graphing/screens/testdata.

#include <gtest/gtest.h>

#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "engine/core/engine_state.h"
#include "graphing/model/eval_context.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"
#include "ui/testing/reference_image.h"

namespace zentrix::graphing::screens::testing {

class SkinnedScreen {
 public:
  // Opens a screen of width × height Small-skin pixels (doubled for Large)
  // and loads the skin; false when the skins have not been built.
  bool Open(int width, int height, ui::SkinSize size, ui::SkinStyle style) {
    const int scale = ui::ScaleOf(size);
    if (display_.Open(width * scale, height * scale) != draw::kOk) return false;
    if (skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", size, style) != draw::kOk)
      return false;
    ui::UseSkin(&skin_);
    Clear();
    return true;
  }
  ~SkinnedScreen() { ui::UseSkin(nullptr); }

  draw::Surface& Surface() { return display_.BackBuffer(); }
  void Clear() { Surface().FillRect(nullptr, skin_.Palette().background); }
  // The area a grapher gives its panels: under the screen bar and the
  // grapher's tab row, above the menu bar.
  draw::Rect PanelArea() {
    return draw::Rect{0, ui::ScaledPx(40), Surface().Width(),
                      Surface().Height() - ui::ScaledPx(20)};
  }

 private:
  draw::ScopedDrawContextReset draw_reset_;
  ui::ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
};

// The skins the drawing tests draw with, each named in the test's name and in
// its reference images' names.
struct SkinCase {
  ui::SkinSize size;
  ui::SkinStyle style;
  const char* name;
};

inline auto BothSkins() {
  return ::testing::Values(SkinCase{ui::SkinSize::kSmall, ui::SkinStyle::kClassic, "small_classic"},
                           SkinCase{ui::SkinSize::kLarge, ui::SkinStyle::kBright, "large_bright"});
}

inline std::string SkinCaseName(const ::testing::TestParamInfo<SkinCase>& info) {
  return info.param.name;
}

// The reference image name of a scene drawn in a skin: "<scene>_<skin>".
inline std::string SceneName(const char* scene, const SkinCase& skin) {
  return std::string(scene) + "_" + skin.name;
}

inline ::testing::AssertionResult MatchesReference(const draw::Surface& surface,
                                                   const std::string& name) {
  const std::string problem = ui::testing::CompareWithReference(
      surface, std::string(ZENTRIX_SOURCE_DIR) + "/src/graphing/screens/testdata", name,
      ZENTRIX_BINARY_DIR);
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << problem;
}

}  // namespace zentrix::graphing::screens::testing
