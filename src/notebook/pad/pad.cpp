#include "notebook/pad/pad.h"

#include "notebook/pad/pad_key.h"

namespace zentrix::notebook {

using Action = PadKey::Action;
using Kind = PadAction::Kind;

Pad::Pad(PadArrangement arrangement) : arrangement_(arrangement) { Rebuild(); }

void Pad::SetArrangement(PadArrangement arrangement) {
  arrangement_ = arrangement;
  highlighted_ = -1;
  Rebuild();
}

void Pad::Rebuild() {
  std::vector<std::u16string> names;
  if (page_ == kVariablesPage && variables_) {
    for (std::size_t i = 0; i < variables_->Count(); ++i) {
      if (std::optional<std::u16string> name = variables_->Name(i)) names.push_back(*name);
    }
  }
  keys_ = BuildPadPage(arrangement_, page_, names, fits_);
}

void Pad::OpenPage(int page) {
  if (page < 0 || page >= kPadPages) return;
  page_ = page;
  Rebuild();
}

PadAction Pad::Tap(int index, bool entry_empty) {
  if (index < 0 || static_cast<std::size_t>(index) >= keys_.size()) return {};
  const PadKey key = keys_[static_cast<std::size_t>(index)];
  if (page_ == 0) highlighted_ = index;
  switch (key.action) {
    case Action::kNone: return {};
    case Action::kPage:
      if (key.page == 1) {
        OpenPage(page_ == 1 ? 0 : 1);
      } else {
        OpenPage(page_ == key.page ? 0 : key.page);
      }
      return {Kind::kPageChanged, {}};
    case Action::kBackspace: return {Kind::kBackspace, {}};
    case Action::kClearEntry: return {Kind::kClearEntry, {}};
    case Action::kDms: OpenPage(0); return {Kind::kSolveDms, {}};
    case Action::kInsert: OpenPage(0); return {Kind::kInsert, PadInsertion(key.text, entry_empty)};
  }
  return {};
}

}  // namespace zentrix::notebook
