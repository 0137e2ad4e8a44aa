#pragma once
// Which button-pad key a typing step points at: the key that inserts the next
// missing part of the expected text, or, when that key is on another page, the
// page key that leads towards it. A text that has strayed from the expected
// one is pointed back to the backspace key.
//
// Of the keys whose insertion continues the text, the longest wins (so "{{"
// before "{", "Solve(" before "S"); among equally long ones a key on the page
// shown wins, then the lowest page. The variables page is never pointed at.

#include <array>
#include <string_view>
#include <vector>

#include "notebook/pad/pad_key.h"
#include "notebook/pad/pad_pages.h"

namespace zentrix::tutorials {

class PadPointer {
 public:
  static constexpr int kNone = -1;

  // The key index on `page` to tap next so that `text` (typed with the caret
  // at its end) becomes `expected`; kNone when it already is, or when no key
  // helps. The pages of an arrangement are built once and kept.
  int NextKey(notebook::PadArrangement arrangement, int page, std::u16string_view text,
              std::u16string_view expected);
  // The pad's rule for labels that take two keys, so that the pages are
  // built as the pad shows them.
  void SetLabelFits(notebook::LabelFits fits) {
    fits_ = std::move(fits);
    built_ = false;
  }

 private:
  struct Choice {
    int page = -1;
    int key = kNone;
    std::size_t length = 0;
  };
  void Build(notebook::PadArrangement arrangement);
  Choice LongestInsertion(int page, std::u16string_view remaining, bool entry_empty) const;
  int KeyToward(int from, int to) const;
  int BackspaceKey() const;

  bool built_ = false;
  notebook::LabelFits fits_;
  notebook::PadArrangement arrangement_ = notebook::PadArrangement::kBright;
  std::array<std::vector<notebook::PadKey>, notebook::kPadPages> pages_;
};

}  // namespace zentrix::tutorials
