#include "ui/widgets/keyboard.h"

#include "ui/core/focus.h"
#include "ui/widgets/text_box.h"
#include "ui/widgets/widget_draw.h"

namespace zentrix::ui {
namespace {

// Rows 1–4 of both layers; rows 5 and 6 hold glyph codes (below).
constexpr std::u16string_view kNormalRows[4] = {u"1234567890", u"qwertyuiop-", u"asdfghjkl;=",
                                                u"zxcvbnm,./{"};
constexpr std::u16string_view kShiftRows[4] = {u"!@#$%^&*()", u"QWERTYUIOP_", u"ASDFGHJKL:+",
                                               u"ZXCVBNM<>?}"};

bool IsSpaceBar(int row, int column) {
  return row == 5 && column >= kSpacebarFirstKey && column < kSpacebarFirstKey + kSpacebarKeys;
}

}  // namespace

OnScreenKeyboard::OnScreenKeyboard() {
  width_ = Px(kKeyboardWidth);
  height_ = Px(kKeyboardHeight);
}

void OnScreenKeyboard::Place(int x, int y) {
  SetBounds(x, y, Px(kKeyboardWidth), Px(kKeyboardHeight));
}

int OnScreenKeyboard::Pitch() const { return Px(kKeyPitch); }

char16_t OnScreenKeyboard::KeyCharacter(int row, int column) const {
  const bool shifted = UseShiftLayer();
  if (row < 4) {
    const std::u16string_view keys = shifted ? kShiftRows[row] : kNormalRows[row];
    return column < static_cast<int>(keys.size()) ? keys[static_cast<std::size_t>(column)] : 0;
  }
  if (row == 4) {
    if (column == 0) return 0;  // Caps Lock
    return static_cast<char16_t>((shifted ? 239 : 222) + column - 1);
  }
  if (row == 5) {
    if (column == 0 || IsSpaceBar(row, column)) return 0;
    // Shift, three glyphs, the space bar, four glyphs.
    const int index = column < kSpacebarFirstKey ? column - 1 : column - 4;
    return static_cast<char16_t>((shifted ? 249 : 232) + index);
  }
  return 0;
}

draw::Rect OnScreenKeyboard::KeyRect(int row, int column) const {
  const int pitch = Pitch();
  if (IsSpaceBar(row, column)) {
    return draw::Rect::FromSize(x_ + kSpacebarFirstKey * pitch, y_ + row * pitch,
                                kSpacebarKeys * pitch, pitch);
  }
  return draw::Rect::FromSize(x_ + column * pitch, y_ + row * pitch, pitch, pitch);
}

bool OnScreenKeyboard::KeyAt(Point p, int* row, int* column) const {
  if (!Contains(p)) return false;
  const int pitch = Pitch();
  *row = std::min((p.y - y_) / pitch, kKeyboardRows - 1);
  *column = std::min((p.x - x_) / pitch, kKeyboardColumns - 1);
  if (IsSpaceBar(*row, *column)) *column = kSpacebarFirstKey;
  return true;
}

void OnScreenKeyboard::PressKey(int row, int column) {
  if (row == 4 && column == 0) {
    caps_ = !caps_;
    return;
  }
  if (row == 5 && column == 0) {
    shift_ = !shift_;
    return;
  }
  TextBox* box = Focused();
  if (IsSpaceBar(row, column)) {
    if (box) box->InsertCharacter(u' ');
    shift_ = false;
    return;
  }
  if (row == 0 && column == 10) {
    if (box) {
      if (shift_ || caps_) {
        box->Clear();
      } else {
        box->Backspace();
      }
    }
    return;
  }
  const char16_t c = KeyCharacter(row, column);
  if (c == 0) return;
  if (box) box->InsertCharacter(c);
  shift_ = false;
}

bool OnScreenKeyboard::StylusDown(Point p) {
  if (!InputAllowed(p)) return false;
  int row = 0;
  int column = 0;
  if (!KeyAt(p, &row, &column)) return false;
  pressed_ = true;
  pressed_row_ = row;
  pressed_column_ = column;
  return true;
}

bool OnScreenKeyboard::StylusUp(Point p) {
  if (!pressed_) return false;
  pressed_ = false;
  const int row = pressed_row_;
  const int column = pressed_column_;
  pressed_row_ = pressed_column_ = -1;
  int up_row = 0;
  int up_column = 0;
  if (InputAllowed(p) && KeyAt(p, &up_row, &up_column) && up_row == row && up_column == column) {
    PressKey(row, column);
  }
  return true;
}

std::u16string OnScreenKeyboard::Label(int row, int column) const {
  if (row == 0 && column == 10) return u"backspace";
  if (row == 4 && column == 0) return u"caps lock";
  if (row == 5 && column == 0) return u"shift";
  if (IsSpaceBar(row, column)) return u"space";
  const char16_t c = KeyCharacter(row, column);
  return c ? std::u16string(1, c) : std::u16string();
}

void OnScreenKeyboard::Draw(draw::Surface& surface) {
  if (!visible_) return;
  const Skin* skin = CurrentSkin();
  if (skin) skin->DrawFrame(surface, SkinImageId::kKeyboard, 0, x_, y_);
  if (skin && pressed_row_ >= 0) {
    const draw::Rect r = KeyRect(pressed_row_, pressed_column_);
    const SkinImageId id = IsSpaceBar(pressed_row_, pressed_column_)
                               ? SkinImageId::kSpacebarCircuits
                               : SkinImageId::kKeyboardCircuits;
    skin->DrawFrame(surface, id, 0, r.left, r.top);
  }
  TextRenderer* font = CurrentFont();
  if (!font) return;
  for (int row = 0; row < kKeyboardRows; ++row) {
    for (int column = 0; column < kKeyboardColumns; ++column) {
      if (IsSpaceBar(row, column) && column != kSpacebarFirstKey) continue;
      const char16_t c = KeyCharacter(row, column);
      if (c == 0) continue;
      draw::Rect r = KeyRect(row, column);
      r.right -= 1;  // the face leaves its last column and row free
      r.bottom -= 1;
      DrawCentredText(surface, *font, std::u16string_view(&c, 1), r);
    }
  }
}

void OnScreenKeyboard::Describe(WidgetList& out) const {
  if (!visible_) return;
  for (int row = 0; row < kKeyboardRows; ++row) {
    for (int column = 0; column < kKeyboardColumns; ++column) {
      if (IsSpaceBar(row, column) && column != kSpacebarFirstKey) continue;
      WidgetInfo info{"key",    Label(row, column), KeyRect(row, column),
                      enabled_, std::nullopt,       std::nullopt};
      if (row == 4 && column == 0) info.checked = caps_;
      if (row == 5 && column == 0) info.checked = shift_;
      out.push_back(std::move(info));
    }
  }
}

}  // namespace zentrix::ui
