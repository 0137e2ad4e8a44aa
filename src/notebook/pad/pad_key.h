#pragma once
// One key of the calculator's button pad on one page: what it shows and what
// a tap does.

#include <string>
#include <string_view>

namespace zentrix::notebook {

struct PadKey {
  enum class Action : unsigned char {
    kNone,        // an unused key
    kInsert,      // inserts `text` at the caret
    kPage,        // opens `page` (the "2nd" key toggles pages 0 and 1)
    kBackspace,   // deletes the character before the caret
    kClearEntry,  // empties the entry
    kDms,         // solves the entry in degrees, minutes and seconds
  };

  Action action = Action::kNone;
  std::u16string label;  // drawn on the key; empty for icon keys and backspace
  std::u16string text;   // kInsert
  int page = 0;          // kPage
  bool yellow = false;   // the label is drawn in yellow instead of white
  // A label too wide for one key takes the free key after it too: `span` is
  // the number of keys the face covers; each covered key names its `owner`.
  int span = 1;
  int owner = -1;

  bool Used() const { return action != Action::kNone; }
  // Neither a key nor covered by one.
  bool Free() const { return !Used() && owner < 0; }
  // The key's name for the dump and for `click`: its label, "page 2" to
  // "page 6" for the page keys, "backspace" for the backspace key.
  std::u16string Name() const;
};

// The text a key inserts into an entry: an operator typed first into an empty
// entry ("+", "*", "/", "^", or a text with the squared or inverse glyph)
// continues the previous answer, so "Ans" comes before it.
std::u16string PadInsertion(std::u16string_view key_text, bool entry_empty);

}  // namespace zentrix::notebook
