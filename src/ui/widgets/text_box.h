#pragma once
// TextBox: the text-entry widget. Shows its whole text wrapped to its width,
// an optional prefix label before it ("y=" in the graph editors) and, while
// focused, the caret. Its height follows the text: lines × line height, plus
// twice an eighth of the line height when padded.
//
// The wrapped layout is kept between frames and rebuilt only when the text,
// the width or the font changes; a frame draws only the lines inside the clip
// rectangle, so very long texts cost little per frame.
//
// Editing keeps the caret within 0..length; every change of the text clears
// the decimal toggle. A read-only box refuses every change.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/core/widget.h"
#include "ui/text/text_renderer.h"

namespace zentrix::ui {

class TextBox : public Widget {
 public:
  static constexpr std::int32_t kNoBackground = -1;

  TextBox() = default;
  TextBox(int x, int y, int width, std::u16string text = {});
  // Clears the program's focus when it was this box.
  ~TextBox() override;

  std::string_view Kind() const override { return "text box"; }
  void SetText(std::u16string text) override;
  void SetSize(int width, int height) override;

  // Editing (the caret moves past an insertion).
  void InsertText(std::u16string_view text);
  void InsertCharacter(char16_t c);
  void Backspace();
  void Delete();
  void Clear();
  // Appends at the end, wherever the caret is; the caret goes to the end.
  void Append(std::u16string_view text);
  void CaretLeft();
  void CaretRight();
  void CaretToEnd();
  void SetCaret(int index);
  int Caret() const { return caret_; }
  int Length() const { return static_cast<int>(text_.size()); }

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  std::int32_t Background() const { return background_; }
  void SetBackground(std::int32_t color) { background_ = color; }
  draw::Color TextColor() const { return text_color_; }
  void SetTextColor(draw::Color color) { text_color_ = color; }
  const std::u16string& Prefix() const { return prefix_; }
  void SetPrefix(std::u16string prefix);
  bool ColorParentheses() const { return color_parentheses_; }
  void SetColorParentheses(bool on);
  bool Padded() const { return padded_; }
  void SetPadded(bool on);
  bool DecimalToggle() const { return decimal_; }
  void SetDecimalToggle(bool on) { decimal_ = on; }
  // The first character of the first line the last frame showed.
  int FirstVisible() const { return first_visible_; }
  // Counts every change of the text (owners compare it to notice edits).
  std::uint64_t Revision() const { return revision_; }

  bool Focused() const;

  // Lays out (when needed) with the current font and updates the height.
  void Layout();
  int LineCount();
  // The caret's box (left, top, right, bottom) in screen pixels.
  draw::Rect CaretBox();
  // The character index a point maps to: the tapped character, or the length
  // when the point lies beyond the text.
  int IndexAt(Point p);

  bool StylusDown(Point p) override;
  void Draw(draw::Surface& surface) override;

 private:
  void Changed();
  TextRenderer* Font() const;
  int Padding() const;
  draw::Rect TextRect() const;
  bool LayoutStale(const TextRenderer* font) const;

  int caret_ = 0;
  int first_visible_ = 0;
  bool read_only_ = false;
  std::int32_t background_ = 0xC8C8C8;
  draw::Color text_color_ = 0xFFFFFF;
  std::u16string prefix_;
  bool color_parentheses_ = false;
  bool padded_ = false;
  bool decimal_ = false;
  std::uint64_t revision_ = 1;

  // The kept layout: glyphs relative to the text rectangle's top-left.
  std::vector<GlyphRecord> glyphs_;
  std::uint64_t laid_out_revision_ = 0;
  int laid_out_width_ = -1;
  const TextRenderer* laid_out_font_ = nullptr;
  int lines_ = 1;
};

}  // namespace zentrix::ui
