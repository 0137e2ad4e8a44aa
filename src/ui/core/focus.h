#pragma once
// The one focused text box of the program and the editing operations on it
// (the Edit menu's Cut, Copy, Paste and Clear among them). Every operation does
// nothing when no box has the focus.

#include <string>
#include <string_view>

#include "ui/core/json_writer.h"
#include "ui/core/key_event.h"

namespace zentrix::ui {

class TextBox;

// Makes the box the FocusedTextBox (null: none) and keeps its caret within
// its text.
void Focus(TextBox* box);
TextBox* Focused();

void InsertText(std::u16string_view text);
void InsertCharacter(char16_t c);
void Backspace();
void DeleteCharacter();
void ClearText();
void CaretLeft();
void CaretRight();
void CaretToEnd();

// The dump's "focus" value: {"text", "caret"} of the focused box, or null.
void WriteFocus(JsonWriter& json);

// The whole text of the focused box onto the clipboard; false when there is
// no box or the clipboard cannot be opened.
bool Copy();
// Copy, then Clear (only when the copy succeeded, so the text is never lost).
bool Cut();
// Appends the clipboard's text at the end of the focused box. Characters
// outside the program's set (codes above 255) and control characters are
// dropped. False when nothing was pasted.
bool Paste();

// Text the program can hold: codes 32..255 only.
std::u16string ProgramText(std::u16string_view text);

// What a hardware key inserts into a text box (empty: nothing).
std::u16string KeyText(const KeyEvent& key);

// Whether typing reaches the focused box: not while a message box waits for
// an answer, and, while a dialog or list is open, only when the box is the
// dialog's own.
bool KeysReachFocus();

// A hardware key in the focused box: caret keys, backspace, delete, the
// Control chords and the text of KeyText. True when the key was used; a key
// that cannot reach the box (KeysReachFocus) is taken and does nothing.
bool HandleTextKey(const KeyEvent& key);

}  // namespace zentrix::ui
