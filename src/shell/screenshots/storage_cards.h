#pragma once
// Storage cards: the mounted volumes under /media/$USER and /run/media/$USER,
// each known by its folder name, found once at start-up.

#include <string>
#include <vector>

namespace zentrix::shell {

struct StorageCard {
  std::string name;  // the volume's folder name, shown in the location list
  std::string path;  // where it is mounted
};

// The folders inside each root, in name order per root; a name seen in an
// earlier root is not listed again. Roots that do not exist give nothing.
std::vector<StorageCard> FindStorageCardsIn(const std::vector<std::string>& roots);
// The cards of the user running the program ($USER); none without a user.
std::vector<StorageCard> FindStorageCards();

}  // namespace zentrix::shell
