#pragma once
// The button pad's state without drawing: the arrangement, the current page
// and its keys, and what a tap on a key does. The pad widget draws it and
// applies the returned action to the focused entry.
//
// A page key opens its page (the "2nd" key toggles pages 0 and 1; the key of
// the page already shown returns to page 0); opening the variables page
// rebuilds it from the variable store. A key that inserts text, and the DMS
// key, return the pad to page 0.

#include <string>
#include <vector>

#include "engine/core/variable_store.h"
#include "notebook/pad/pad_pages.h"

namespace zentrix::notebook {

struct PadAction {
  enum class Kind {
    kNone,
    kPageChanged,
    kInsert,      // insert `text` at the caret of the focused entry
    kBackspace,   // delete the character before the caret
    kClearEntry,  // empty the focused entry
    kSolveDms,    // solve the focused entry in degrees, minutes and seconds
  };
  Kind kind = Kind::kNone;
  std::u16string text;
};

class Pad {
 public:
  explicit Pad(PadArrangement arrangement = PadArrangement::kBright);

  PadArrangement Arrangement() const { return arrangement_; }
  // Keeps the page; rebuilds its keys.
  void SetArrangement(PadArrangement arrangement);
  // The store page 5 lists (not owned; null lists nothing).
  void SetVariables(const engine::VariableStore* variables) { variables_ = variables; }
  // Rebuilds the page: wide labels take two keys where there is room.
  void SetLabelFits(LabelFits fits) {
    fits_ = std::move(fits);
    Rebuild();
  }
  const LabelFits& Fits() const { return fits_; }

  int Columns() const { return PadColumns(arrangement_); }
  // The rows of the page shown (the square pads' pages 0 and 1 are shorter).
  int Rows() const { return PadRows(arrangement_, page_); }
  int Page() const { return page_; }
  const std::vector<PadKey>& Keys() const { return keys_; }
  // The key tapped last on page 0, or -1.
  int Highlighted() const { return highlighted_; }

  void OpenPage(int page);
  // What tapping key `index` does; `entry_empty` is whether the focused entry
  // holds no text (for the Ans rule).
  PadAction Tap(int index, bool entry_empty);

 private:
  void Rebuild();

  PadArrangement arrangement_;
  const engine::VariableStore* variables_ = nullptr;
  LabelFits fits_;
  int page_ = 0;
  int highlighted_ = -1;
  std::vector<PadKey> keys_;
};

}  // namespace zentrix::notebook
