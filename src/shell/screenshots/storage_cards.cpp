#include "shell/screenshots/storage_cards.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zentrix::shell {

namespace fs = std::filesystem;

std::vector<StorageCard> FindStorageCardsIn(const std::vector<std::string>& roots) {
  std::vector<StorageCard> cards;
  for (const std::string& root : roots) {
    std::vector<StorageCard> found;
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
      std::error_code kind_error;
      if (!it->is_directory(kind_error)) continue;
      const std::string name = it->path().filename().string();
      const bool known = std::any_of(cards.begin(), cards.end(),
                                     [&](const StorageCard& c) { return c.name == name; });
      if (!known) found.push_back({name, it->path().string()});
    }
    std::sort(found.begin(), found.end(),
              [](const StorageCard& a, const StorageCard& b) { return a.name < b.name; });
    cards.insert(cards.end(), found.begin(), found.end());
  }
  return cards;
}

std::vector<StorageCard> FindStorageCards() {
  const char* user = std::getenv("USER");
  if (!user || !*user || std::string_view(user).find('/') != std::string_view::npos) return {};
  return FindStorageCardsIn({std::string("/media/") + user, std::string("/run/media/") + user});
}

}  // namespace zentrix::shell
