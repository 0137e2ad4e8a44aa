#include "ui/files/data_folder.h"

#include "ui/core/ui_state.h"

namespace zentrix::ui {

std::filesystem::path DataFolder::Resolve(std::u16string_view program_path) const {
  std::filesystem::path path = Path();
  while (!program_path.empty()) {
    const std::size_t end = program_path.find_first_of(u"\\/");
    const std::u16string_view part = program_path.substr(0, end);
    if (!part.empty() && part != u"." && part != u"..") path /= EncodeText(part);
    if (end == std::u16string_view::npos) break;
    program_path.remove_prefix(end + 1);
  }
  return path;
}

}  // namespace zentrix::ui
