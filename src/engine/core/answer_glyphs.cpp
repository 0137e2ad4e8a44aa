#include "engine/core/answer_glyphs.h"

#include "engine/core/charset.h"

namespace zentrix::engine {

bool IsList(const AnswerLayout& box) {
  if (box.kind != BoxKind::kRow || !box.bracketed) return false;
  return box.children.empty() || box.operators.find(u',') != std::u16string::npos;
}

char16_t FirstGlyph(const AnswerLayout& box) {
  if (box.bracketed) return IsList(box) ? u'{' : u'(';
  switch (box.kind) {
    case BoxKind::kText: return box.text.empty() ? 0 : box.text.front();
    case BoxKind::kFraction: return FirstGlyph(box.children[0]);
    case BoxKind::kRoot: return chars::kSquareRootSign;
    case BoxKind::kCall: return box.text.empty() ? u'(' : box.text.front();
    case BoxKind::kRow:
      if (box.children.empty()) return 0;
      if (box.operators[0] == u'-') return u'-';
      return FirstGlyph(box.children[0]);
    case BoxKind::kMatrix: return u'[';
  }
  return 0;
}

char16_t LastGlyph(const AnswerLayout& box) {
  if (box.bracketed) return IsList(box) ? u'}' : u')';
  switch (box.kind) {
    case BoxKind::kText: return box.text.empty() ? 0 : box.text.back();
    case BoxKind::kFraction: return LastGlyph(box.children[1]);
    case BoxKind::kRoot: return LastGlyph(box.children[0]);
    case BoxKind::kCall: return u')';
    case BoxKind::kRow: return box.children.empty() ? 0 : LastGlyph(box.children.back());
    case BoxKind::kMatrix: return u']';
  }
  return 0;
}

bool IsAtomicText(const AnswerLayout& box) {
  if (box.kind != BoxKind::kText || box.bracketed || box.text.empty()) return false;
  std::u16string_view text = box.text;
  if (text.back() == chars::kSquaredMark) text.remove_suffix(1);
  if (text.empty()) return false;
  bool digits = true,
       name = chars::IsNameStart(text[0]) || text[0] == chars::kPi || text[0] == chars::kEulerE;
  for (char16_t c : text) {
    digits = digits && (chars::IsDigit(c) || c == u'.');
    name = name && (chars::IsNameContinuation(c) || c == chars::kPi || c == chars::kEulerE);
  }
  return digits || (name && text.size() >= 1 && !chars::IsDigit(text[0]));
}

namespace {

bool EndsWithWrittenExponent(const AnswerLayout& box) {
  if (box.kind == BoxKind::kRow && !box.children.empty() && !box.bracketed) {
    return box.operators.back() == u'^' || EndsWithWrittenExponent(box.children.back());
  }
  if (box.kind != BoxKind::kText) return false;
  std::size_t end = box.text.size();
  while (end > 0 && (chars::IsDigit(box.text[end - 1]) || box.text[end - 1] == u'.')) --end;
  return end > 0 && box.text[end - 1] == u'^';
}

}  // namespace

std::string_view MultiplySeparator(const AnswerLayout& before, const AnswerLayout& after) {
  if (after.kind == BoxKind::kFraction) {
    bool whole_number = before.kind == BoxKind::kText && !before.text.empty();
    for (char16_t c : before.text) whole_number = whole_number && chars::IsDigit(c);
    return !after.bracketed && whole_number ? " " : "\u00B7";
  }
  // The cheap tests first: most factors are followed by a name or a bracket.
  const char16_t first = FirstGlyph(after);
  if (first == 0 || chars::IsDigit(first) || first == u'.') return "\u00B7";
  // A digit closing a written-out exponent (x^3) is no coefficient: x^3·y, not x^3y.
  const bool after_digit = chars::IsDigit(LastGlyph(before)) && !EndsWithWrittenExponent(before);
  return after_digit ? "" : "\u00B7";
}

bool StartsWithMinus(const AnswerLayout& box) {
  return box.kind == BoxKind::kRow && !box.bracketed && !box.operators.empty() &&
         box.operators[0] == u'-';
}

}  // namespace zentrix::engine
