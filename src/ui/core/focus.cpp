#include "ui/core/focus.h"

#include "ui/core/clipboard.h"
#include "ui/core/ui_state.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {

void Focus(TextBox* box) {
  Ui().focused = box;
  if (box) box->SetCaret(box->Caret());
}

TextBox* Focused() { return Ui().focused; }

void InsertText(std::u16string_view text) {
  if (TextBox* box = Focused()) box->InsertText(text);
}

void InsertCharacter(char16_t c) {
  if (TextBox* box = Focused()) box->InsertCharacter(c);
}

void Backspace() {
  if (TextBox* box = Focused()) box->Backspace();
}

void DeleteCharacter() {
  if (TextBox* box = Focused()) box->Delete();
}

void ClearText() {
  if (TextBox* box = Focused()) box->Clear();
}

void CaretLeft() {
  if (TextBox* box = Focused()) box->CaretLeft();
}

void CaretRight() {
  if (TextBox* box = Focused()) box->CaretRight();
}

void CaretToEnd() {
  if (TextBox* box = Focused()) box->CaretToEnd();
}

void WriteFocus(JsonWriter& json) {
  const TextBox* box = Focused();
  if (!box) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("text").Text(box->Text());
  json.Key("caret").Integer(box->Caret());
  json.EndObject();
}

bool Copy() {
  TextBox* box = Focused();
  Clipboard* clipboard = Ui().clipboard;
  if (!box || !clipboard) return false;
  return clipboard->SetText(box->Text());
}

bool Cut() {
  if (!Copy()) return false;
  ClearText();
  return true;
}

std::u16string ProgramText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t c : text) {
    if (c >= 32 && c <= 255 && c != 127) out += c;
  }
  return out;
}

bool Paste() {
  TextBox* box = Focused();
  Clipboard* clipboard = Ui().clipboard;
  if (!box || !clipboard || box->ReadOnly()) return false;
  const std::optional<std::u16string> text = clipboard->GetText();
  if (!text) return false;
  const std::u16string clean = ProgramText(*text);
  if (clean.empty()) return false;
  box->Append(clean);
  return true;
}

namespace {

// Control+Shift chords: the program's symbol glyphs and list brackets.
std::u16string ControlShiftText(int code) {
  switch (code) {
    case '2': return u"\u0085";
    case 'E': return u"\u00DC";
    case 'F': return u"\u00F2";
    case 'I': return u"\u00DD";
    case 'N': return u"\u0080";
    case 'P': return u"\u00ED";
    case 'S': return u"\u0084(";
    case 'T': return u"\u00E5";
    case keys::kComma: return u"},{";
    case keys::kLeftBracket: return u"{{";
    case keys::kRightBracket: return u"}}";
    default: return {};
  }
}

}  // namespace

std::u16string KeyText(const KeyEvent& key) {
  const int code = key.code;
  if (key.control) return key.shift ? ControlShiftText(code) : std::u16string{};
  if (code == keys::kSpace) return u" ";
  if (code >= 'A' && code <= 'Z') {
    const bool upper = key.shift != key.caps_lock;
    return std::u16string(1, static_cast<char16_t>(upper ? code : code + ('a' - 'A')));
  }
  if (code >= '0' && code <= '9') {
    if (!key.shift) return std::u16string(1, static_cast<char16_t>(code));
    static constexpr char16_t kShifted[] = u")!@#$%^&*(";
    return std::u16string(1, kShifted[code - '0']);
  }
  switch (code) {
    case keys::kEquals: return key.shift ? u"+" : u"=";
    case keys::kComma: return u",";
    case keys::kMinus: return key.shift ? u"_" : u"-";
    case keys::kPeriod: return u".";
    case keys::kSlash: return u"/";
    case keys::kLeftBracket: return key.shift ? u"{" : u"";
    case keys::kRightBracket: return key.shift ? u"}" : u"";
    default: return {};
  }
}

bool KeysReachFocus() {
  const TextBox* box = Focused();
  if (!box) return false;
  const UiState& ui = Ui();
  if (ui.message_box_open) return box->Layer() == WidgetLayer::kMessageBox;
  return !ui.modal_open || box->Layer() == WidgetLayer::kDialog;
}

bool HandleTextKey(const KeyEvent& key) {
  TextBox* box = Focused();
  if (!box) return false;
  if (!KeysReachFocus()) return true;
  const UiState& ui = Ui();
  if (key.code == ui.caret_left_key && !key.control) {
    box->CaretLeft();
    return true;
  }
  if (key.code == ui.caret_right_key && !key.control) {
    box->CaretRight();
    return true;
  }
  if (key.control && !key.shift) {
    if (key.code == 'C') return Copy(), true;
    if (key.code == 'V') return Paste(), true;
    return false;
  }
  switch (key.code) {
    case keys::kBackspace: box->Backspace(); return true;
    case keys::kDelete: box->Delete(); return true;
    case keys::kEnter: return false;
    default: break;
  }
  const std::u16string text = KeyText(key);
  if (text.empty()) return false;
  box->InsertText(text);
  return true;
}

}  // namespace zentrix::ui
