#include "tutorials/calculator/pad_pointer.h"

namespace zentrix::tutorials {

using notebook::PadKey;
using Action = PadKey::Action;

namespace {

// What the key puts into the entry, compared without building a string: in an
// empty entry an operator key inserts "Ans" before its text.
std::size_t InsertionLength(const PadKey& key, bool entry_empty, std::u16string_view remaining) {
  if (key.action != Action::kInsert || key.text.empty()) return 0;
  if (entry_empty) {
    const std::u16string inserted = notebook::PadInsertion(key.text, true);
    return remaining.starts_with(inserted) ? inserted.size() : 0;
  }
  return remaining.starts_with(key.text) ? key.text.size() : 0;
}

// The page a page key shows when tapped on `from`.
int PageAfter(const PadKey& key, int from) {
  if (key.page == 1) return from == 1 ? 0 : 1;
  return from == key.page ? 0 : key.page;
}

}  // namespace

void PadPointer::Build(notebook::PadArrangement arrangement) {
  if (built_ && arrangement == arrangement_) return;
  arrangement_ = arrangement;
  built_ = true;
  for (int page = 0; page < notebook::kPadPages; ++page) {
    pages_[static_cast<std::size_t>(page)] = notebook::BuildPadPage(arrangement, page, {}, fits_);
  }
}

PadPointer::Choice PadPointer::LongestInsertion(int shown, std::u16string_view remaining,
                                                bool entry_empty) const {
  Choice best;
  auto consider = [&](int page) {
    const auto& keys = pages_[static_cast<std::size_t>(page)];
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const std::size_t length = InsertionLength(keys[i], entry_empty, remaining);
      if (length > best.length) best = {page, static_cast<int>(i), length};
    }
  };
  // The page shown first, so that it wins a tie.
  consider(shown);
  for (int page = 0; page < notebook::kPadPages; ++page) {
    if (page != shown && page != notebook::kVariablesPage) consider(page);
  }
  return best;
}

int PadPointer::KeyToward(int from, int to) const {
  const auto& keys = pages_[static_cast<std::size_t>(from)];
  int home = kNone;  // a key back to page 0, from where every page is one tap away
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].action != Action::kPage) continue;
    const int after = PageAfter(keys[i], from);
    if (after == to) return static_cast<int>(i);
    if (after == 0 && home == kNone) home = static_cast<int>(i);
  }
  return home;
}

int PadPointer::BackspaceKey() const {
  const auto& keys = pages_[0];
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].action == Action::kBackspace) return static_cast<int>(i);
  }
  return kNone;
}

int PadPointer::NextKey(notebook::PadArrangement arrangement, int page, std::u16string_view text,
                        std::u16string_view expected) {
  if (text == expected || page < 0 || page >= notebook::kPadPages) return kNone;
  Build(arrangement);
  if (!expected.starts_with(text)) return page == 0 ? BackspaceKey() : KeyToward(page, 0);
  const Choice choice = LongestInsertion(page, expected.substr(text.size()), text.empty());
  if (choice.key == kNone) return kNone;
  return choice.page == page ? choice.key : KeyToward(page, choice.page);
}

}  // namespace zentrix::tutorials
