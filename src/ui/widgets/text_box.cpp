#include "ui/widgets/text_box.h"

#include <algorithm>
#include <limits>

#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"

namespace zentrix::ui {
namespace {

// The layout of a kept text has no bottom: the box grows with its lines.
constexpr int kUnbounded = std::numeric_limits<int>::max() / 2;

bool IsLight(draw::Color c) {
  return draw::RedOf(c) + draw::GreenOf(c) + draw::BlueOf(c) > 3 * 128;
}

}  // namespace

TextBox::TextBox(int x, int y, int width, std::u16string text)
    : Widget(x, y, width, 0, std::move(text)) {
  caret_ = Length();
  Layout();
}

TextBox::~TextBox() {
  if (Ui().focused == this) Ui().focused = nullptr;
}

bool TextBox::Focused() const { return Ui().focused == this; }

void TextBox::Changed() {
  decimal_ = false;
  ++revision_;
  caret_ = std::clamp(caret_, 0, Length());
}

void TextBox::SetText(std::u16string text) {
  text_ = std::move(text);
  Changed();
}

void TextBox::SetSize(int width, int height) { Widget::SetSize(width, height); }

void TextBox::SetPrefix(std::u16string prefix) {
  prefix_ = std::move(prefix);
  laid_out_width_ = -1;
}

void TextBox::SetColorParentheses(bool on) {
  color_parentheses_ = on;
  laid_out_width_ = -1;
}

void TextBox::SetPadded(bool on) {
  padded_ = on;
  laid_out_width_ = -1;
}

void TextBox::InsertText(std::u16string_view text) {
  if (read_only_ || text.empty()) return;
  text_.insert(static_cast<std::size_t>(caret_), text);
  caret_ += static_cast<int>(text.size());
  Changed();
}

void TextBox::InsertCharacter(char16_t c) {
  if (read_only_) return;
  text_.insert(text_.begin() + caret_, c);
  ++caret_;
  Changed();
}

void TextBox::Backspace() {
  if (read_only_ || caret_ <= 0) return;
  text_.erase(static_cast<std::size_t>(caret_ - 1), 1);
  --caret_;
  Changed();
}

void TextBox::Delete() {
  if (read_only_ || caret_ >= Length()) return;
  text_.erase(static_cast<std::size_t>(caret_), 1);
  Changed();
}

void TextBox::Clear() {
  if (read_only_) return;
  text_.clear();
  caret_ = 0;
  Changed();
}

void TextBox::Append(std::u16string_view text) {
  if (read_only_) return;
  text_ += text;
  caret_ = Length();
  Changed();
}

void TextBox::CaretLeft() {
  if (caret_ > 0) --caret_;
}

void TextBox::CaretRight() {
  if (caret_ < Length()) ++caret_;
}

void TextBox::CaretToEnd() { caret_ = Length(); }

void TextBox::SetCaret(int index) { caret_ = std::clamp(index, 0, Length()); }

TextRenderer* TextBox::Font() const { return CurrentFont(); }

int TextBox::Padding() const {
  const TextRenderer* font = Font();
  return padded_ && font ? font->LineHeight() / 8 : 0;
}

draw::Rect TextBox::TextRect() const {
  const TextRenderer* font = Font();
  const int prefix = font && !prefix_.empty() ? font->TextWidth(prefix_) + 1 : 0;
  const int pad = Padding();
  return draw::Rect{x_ + prefix + pad, y_ + pad, x_ + width_ - pad, y_ + height_ - pad};
}

bool TextBox::LayoutStale(const TextRenderer* font) const {
  return laid_out_revision_ != revision_ || laid_out_width_ != width_ || laid_out_font_ != font;
}

void TextBox::Layout() {
  TextRenderer* font = Font();
  if (!font) return;
  if (LayoutStale(font)) {
    const draw::Rect text = TextRect();
    const draw::Rect relative{0, 0, std::max(text.Width(), 1), kUnbounded};
    lines_ = std::max(font->LayOut(text_, relative, color_parentheses_), 1);
    const std::vector<GlyphRecord>& laid = font->Glyphs();
    const auto end = std::find_if(laid.begin(), laid.end(),
                                  [](const GlyphRecord& g) { return g.character == 0; });
    glyphs_.assign(laid.begin(), end);
    laid_out_revision_ = revision_;
    laid_out_width_ = width_;
    laid_out_font_ = font;
  }
  height_ = lines_ * font->LineHeight() + 2 * Padding();
}

int TextBox::LineCount() {
  Layout();
  return lines_;
}

draw::Rect TextBox::CaretBox() {
  Layout();
  const TextRenderer* font = Font();
  const int line_height = font ? font->LineHeight() : 0;
  const draw::Rect text = TextRect();
  const auto at =
      std::lower_bound(glyphs_.begin(), glyphs_.end(), caret_,
                       [](const GlyphRecord& g, int index) { return g.source < index; });
  int x = 0;
  int y = 0;
  if (at != glyphs_.end()) {
    x = at->x;
    y = at->y;
  } else if (!glyphs_.empty()) {
    x = glyphs_.back().x + glyphs_.back().advance;
    y = glyphs_.back().y;
  }
  return draw::Rect::FromSize(text.left + x, text.top + y, 1, line_height);
}

int TextBox::IndexAt(Point p) {
  Layout();
  const TextRenderer* font = Font();
  if (!font) return Length();
  const draw::Rect text = TextRect();
  const int px = p.x - text.left;
  const int py = p.y - text.top;
  const int line_height = font->LineHeight();
  // Glyphs are in line order: skip to the tapped line, then scan it.
  auto it = std::lower_bound(glyphs_.begin(), glyphs_.end(), py,
                             [&](const GlyphRecord& g, int y) { return g.y + line_height <= y; });
  for (; it != glyphs_.end() && it->y <= py; ++it) {
    if (px >= it->x && px < it->x + it->advance) return it->source;
  }
  return Length();
}

bool TextBox::StylusDown(Point p) {
  if (!Widget::StylusDown(p)) return false;
  Ui().focused = this;
  SetCaret(IndexAt(p));
  return true;
}

void TextBox::Draw(draw::Surface& surface) {
  if (!visible_) return;
  TextRenderer* font = Font();
  Layout();
  const draw::Rect box = Bounds();
  if (background_ != kNoBackground) {
    surface.FillRect(&box, static_cast<draw::Color>(background_));
  }
  if (!font) return;
  font->SetTarget(&surface);
  const draw::Rect text = TextRect();
  if (!prefix_.empty()) font->DrawPlain(prefix_, x_ + Padding(), text.top, text_color_);

  const draw::Rect saved_clip = surface.ClipRect();
  const draw::Rect clip = saved_clip.Intersect(box);
  const int line_height = font->LineHeight();
  first_visible_ = 0;
  if (!clip.Empty()) {
    // Only the lines that meet the clip rectangle are drawn.
    const int top = clip.top - text.top;
    const int bottom = clip.bottom - text.top;
    const auto first =
        std::lower_bound(glyphs_.begin(), glyphs_.end(), top,
                         [&](const GlyphRecord& g, int y) { return g.y + line_height <= y; });
    auto last = first;
    while (last != glyphs_.end() && last->y < bottom) ++last;
    if (first != glyphs_.end()) first_visible_ = first->source;
    surface.SetClipRect(&clip);
    // Glyph colours of the layout already hold tags and parentheses; the
    // text colour applies to the untagged glyphs.
    std::int32_t color = font->NativeIsBlack() ? kNoColor : static_cast<std::int32_t>(text_color_);
    if (color == static_cast<std::int32_t>(font->NativeColor())) color = kNoColor;
    if (color == kNoColor) {
      const GlyphRecord* base = glyphs_.data();
      font->DrawGlyphs(surface, base + (first - glyphs_.begin()), base + (last - glyphs_.begin()),
                       text.left, text.top);
    } else {
      for (auto g = first; g != last; ++g) {
        GlyphRecord tinted = *g;
        if (tinted.color == kNoColor) tinted.color = color;
        font->DrawGlyphs(surface, &tinted, &tinted + 1, text.left, text.top);
      }
    }
    if (Focused()) {
      const draw::Rect caret = CaretBox();
      // Black on light boxes, else the skin's text colour (white on the
      // Classic background, black on the Bright one).
      draw::Color caret_color = Ui().skin ? Ui().skin->Palette().text : 0xFFFFFF;
      if (background_ != kNoBackground) {
        caret_color = IsLight(static_cast<draw::Color>(background_)) ? 0x000000 : 0xFFFFFF;
      }
      surface.DrawLine(caret.left, caret.top, caret.left, caret.bottom - 1, caret_color);
    }
    surface.SetClipRect(&saved_clip);
  }
  font->SetTarget(nullptr);
}

}  // namespace zentrix::ui
