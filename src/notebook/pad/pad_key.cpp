#include "notebook/pad/pad_key.h"

namespace zentrix::notebook {

std::u16string PadKey::Name() const {
  switch (action) {
    case Action::kPage:
      return page == 1 ? label : u"page " + std::u16string(1, static_cast<char16_t>(u'0' + page));
    case Action::kBackspace: return u"backspace";
    default: return label;
  }
}

std::u16string PadInsertion(std::u16string_view key_text, bool entry_empty) {
  constexpr char16_t kSquared = 133, kInverse = 134;
  const bool continues = key_text == u"+" || key_text == u"*" || key_text == u"/" ||
                         key_text == u"^" || key_text.find(kSquared) != std::u16string_view::npos ||
                         key_text.find(kInverse) != std::u16string_view::npos;
  std::u16string text;
  if (entry_empty && continues) text = u"Ans";
  text += key_text;
  return text;
}

}  // namespace zentrix::notebook
