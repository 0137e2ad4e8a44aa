#pragma once
// The on-screen keyboard: 6 rows of 11 keys in two layers (normal and Shift),
// kKeyPitch apart (doubled on high-resolution screens), drawn on the
// "Keyboard" image with the labels in white. Row 5 key 1 toggles Caps Lock,
// row 6 key 1 toggles Shift, the space bar (row 6 keys 5–7) inserts a space,
// row 1 key 11 deletes before the caret (clears the whole text while Shift or
// Caps Lock is on); any other key inserts its character from the Shift layer
// when exactly one of Shift and Caps Lock is on, else from the normal layer.
// Shift is released after every inserted character; Caps Lock stays. A key
// acts when the stylus is lifted on the key it went down on; the pressed key
// is highlighted with "KeyboardCircuits" ("SpacebarCircuits" for the space
// bar).

#include "ui/core/widget.h"

namespace zentrix::ui {

class OnScreenKeyboard : public Widget {
 public:
  OnScreenKeyboard();
  std::string_view Kind() const override { return "keyboard"; }

  // Places the keyboard with its top-left corner at (x, y).
  void Place(int x, int y);
  bool Shift() const { return shift_; }
  bool CapsLock() const { return caps_; }
  void SetShift(bool on) { shift_ = on; }
  void SetCapsLock(bool on) { caps_ = on; }

  // Acts as a tap on key (row, column), both from 0.
  void PressKey(int row, int column);
  // The character key (row, column) inserts in the layer now in force; 0 for
  // the special keys.
  char16_t KeyCharacter(int row, int column) const;
  draw::Rect KeyRect(int row, int column) const;

  bool StylusDown(Point p) override;
  bool StylusUp(Point p) override;
  void Draw(draw::Surface& surface) override;
  void Describe(WidgetList& out) const override;

 private:
  bool UseShiftLayer() const { return shift_ != caps_; }
  // Row and column of the key under p (the space bar as its first key), or
  // false.
  bool KeyAt(Point p, int* row, int* column) const;
  std::u16string Label(int row, int column) const;
  int Pitch() const;

  bool shift_ = false;
  bool caps_ = false;
  int pressed_row_ = -1;
  int pressed_column_ = -1;
};

}  // namespace zentrix::ui
