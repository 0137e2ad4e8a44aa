#include "shell/skins/skin_choice.h"

#include <filesystem>

#include "draw/draw_context.h"

#ifndef ZENTRIX_INSTALL_PREFIX
#define ZENTRIX_INSTALL_PREFIX "/usr/local"
#endif

namespace zentrix::shell {

ui::SkinSize SkinSizeFor(int screen_width, int screen_height) {
  return screen_width == 480 || screen_height == 480 ? ui::SkinSize::kLarge : ui::SkinSize::kSmall;
}

ui::SkinStyle SkinStyleFor(int style_index) {
  return style_index == 0 ? ui::SkinStyle::kClassic : ui::SkinStyle::kBright;
}

std::vector<std::string> SkinFolderCandidates(const std::string& option) {
  std::vector<std::string> folders;
  if (!option.empty()) folders.push_back(option);
  folders.push_back((std::filesystem::path(draw::ProgramFolder()) / "skins").string());
  folders.push_back(std::string(ZENTRIX_INSTALL_PREFIX) + "/share/zentrix/skins");
  return folders;
}

std::string FindSkinFolder(const std::vector<std::string>& candidates, const std::string& archive) {
  for (const std::string& folder : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::path(folder) / archive, error)) {
      return folder;
    }
  }
  return candidates.empty() ? std::string() : candidates.front();
}

}  // namespace zentrix::shell
