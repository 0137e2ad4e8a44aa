#pragma once
// Which skin the program uses and where its archives are found.

#include <string>
#include <vector>

#include "ui/skin/skin_geometry.h"

namespace zentrix::shell {

// Large when the screen's width or height is exactly 480 pixels.
ui::SkinSize SkinSizeFor(int screen_width, int screen_height);
ui::SkinStyle SkinStyleFor(int style_index);

// The folders searched for skin archives, in order: the `--skins` option (when
// given), "skins" beside the executable, then the installed data folder.
std::vector<std::string> SkinFolderCandidates(const std::string& option);
// The first candidate that holds `archive`; the first candidate when none does
// (every image is then missing and widgets draw their text only).
std::string FindSkinFolder(const std::vector<std::string>& candidates, const std::string& archive);

}  // namespace zentrix::shell
