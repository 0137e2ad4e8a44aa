#pragma once
// The eight screens by their screen-bar index.

namespace zentrix::shell {

enum ScreenIndex : int {
  kCalculatorScreen = 0,
  kSettingsScreen = 1,
  kGrapher2DScreen = 2,
  kGrapher3DScreen = 3,
  kNotesScreen = 4,
  kScreenshotsScreen = 5,
  kButtonsScreen = 6,
  kAboutScreen = 7,
};
inline constexpr int kScreenCount = 8;

}  // namespace zentrix::shell
