#include "engine/core/answer_text.h"

#include "engine/core/answer_glyphs.h"
#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;

std::string Render(const AnswerLayout& box);

std::string InBrackets(const std::string& inner) {
  return "(" + inner + ")";
}

// A row with a sum or difference in it, which needs brackets above or below a
// fraction bar written as '/'.
bool HasSumOperator(const AnswerLayout& box) {
  if (box.kind != BoxKind::kRow || box.bracketed) return false;
  for (std::size_t i = 1; i < box.operators.size(); ++i) {
    if (box.operators[i] == u'+' || box.operators[i] == u'-') return true;
  }
  return false;
}

std::string Numerator(const AnswerLayout& box) {
  bool group = HasSumOperator(box) || box.kind == BoxKind::kFraction ||
               (box.kind == BoxKind::kRow && !box.bracketed && box.children.size() > 1 &&
                box.children.back().kind == BoxKind::kFraction);
  return group ? InBrackets(Render(box)) : Render(box);
}

std::string Denominator(const AnswerLayout& box) {
  bool unit = IsAtomicText(box) || box.bracketed || box.kind == BoxKind::kRoot ||
              box.kind == BoxKind::kCall || box.kind == BoxKind::kMatrix;
  return unit ? Render(box) : InBrackets(Render(box));
}

// An operand next to '*' or '^' that would not read as one unit.
std::string Grouped(const AnswerLayout& box) {
  if (box.kind == BoxKind::kFraction && !box.bracketed) return InBrackets(Render(box));
  return Render(box);
}

std::string RenderRow(const AnswerLayout& row) {
  std::string out;
  for (std::size_t i = 0; i < row.children.size(); ++i) {
    const AnswerLayout& child = row.children[i];
    char16_t op = row.operators[i];
    if (i == 0) {
      if (op == u'-') out += "-";
      // A fraction multiplying what follows it: (1/2)x.
      bool multiplies = row.children.size() > 1 && row.operators[1] == u'*';
      out += multiplies ? Grouped(child) : Render(child);
      continue;
    }
    const AnswerLayout& before = row.children[i - 1];
    switch (op) {
      case u'+':
        if (StartsWithMinus(child)) {
          out += " - ";
          out += Render(WithoutLeadingSign(child));
        } else {
          out += " + ";
          out += Render(child);
        }
        break;
      case u'-':
        out += " - ";
        out += Render(child);
        break;
      case u',':
        out += ", ";
        out += Render(child);
        break;
      case u'*': {
        std::string separator = MultiplySeparator(before, child);
        out += separator;
        out += separator == " " ? Render(child) : Grouped(child);
        break;
      }
      case u'^':
        if (child.kind == BoxKind::kText && child.text == u"2") {
          out += "\u00B2";
        } else if (IsAtomicText(child) || child.bracketed) {
          out += '^';
          out += Render(child);
        } else {
          out += '^';
          out += InBrackets(Render(child));
        }
        break;
      default:
        out += Render(child);
        break;
    }
  }
  return out;
}

std::string RenderMatrix(const AnswerLayout& matrix) {
  std::string out = "[";
  for (std::size_t r = 0; r < matrix.children.size(); ++r) {
    if (r > 0) out += ", ";
    out += "[";
    const AnswerLayout& row = matrix.children[r];
    for (std::size_t c = 0; c < row.children.size(); ++c) {
      if (c > 0) out += ", ";
      out += Render(row.children[c]);
    }
    out += "]";
  }
  return out + "]";
}

std::string RenderUnbracketed(const AnswerLayout& box) {
  switch (box.kind) {
    case BoxKind::kText:
      return chars::ToUtf8(box.text);
    case BoxKind::kFraction:
      if (box.children.size() != 2) return "";
      return Numerator(box.children[0]) + "/" + Denominator(box.children[1]);
    case BoxKind::kRoot: {
      if (box.children.size() != 1) return "";
      const AnswerLayout& radicand = box.children[0];
      bool unit = IsAtomicText(radicand) || radicand.bracketed;
      return "\u221A" + (unit ? Render(radicand) : InBrackets(Render(radicand)));
    }
    case BoxKind::kCall: {
      if (box.children.size() != 1) return "";
      AnswerLayout argument = box.children[0];
      argument.bracketed = false;
      return chars::ToUtf8(box.text) + InBrackets(Render(argument));
    }
    case BoxKind::kRow:
      if (box.operators.size() != box.children.size()) return "";
      return RenderRow(box);
    case BoxKind::kMatrix:
      return RenderMatrix(box);
  }
  return "";
}

std::string Render(const AnswerLayout& box) {
  std::string inner = RenderUnbracketed(box);
  if (!box.bracketed) return inner;
  return IsList(box) ? "{" + inner + "}" : InBrackets(inner);
}

}  // namespace

std::string RenderText(const AnswerLayout& box) {
  return Render(box);
}

}  // namespace zentrix::engine
