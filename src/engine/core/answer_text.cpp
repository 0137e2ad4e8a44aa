#include "engine/core/answer_text.h"

#include "engine/core/answer_glyphs.h"
#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;

// A row with a sum or difference in it, which needs brackets above or below a
// fraction bar written as '/'.
bool HasSumOperator(const AnswerLayout& box) {
  if (box.kind != BoxKind::kRow || box.bracketed) return false;
  for (std::size_t i = 1; i < box.operators.size(); ++i) {
    if (box.operators[i] == u'+' || box.operators[i] == u'-') return true;
  }
  return false;
}

// Writes a layout into one growing line, each box once, so that the cost is
// in proportion to the length of the answer whatever its depth.
class TextWriter {
 public:
  std::string Take() { return std::move(out_); }

  void Render(const AnswerLayout& box) {
    if (!box.bracketed) {
      RenderUnbracketed(box);
      return;
    }
    const bool list = IsList(box);
    out_ += list ? '{' : '(';
    RenderUnbracketed(box);
    out_ += list ? '}' : ')';
  }

 private:
  void InBrackets(const AnswerLayout& box) {
    out_ += '(';
    Render(box);
    out_ += ')';
  }

  void Numerator(const AnswerLayout& box) {
    bool group = HasSumOperator(box) || box.kind == BoxKind::kFraction ||
                 (box.kind == BoxKind::kRow && !box.bracketed && box.children.size() > 1 &&
                  box.children.back().kind == BoxKind::kFraction);
    group ? InBrackets(box) : Render(box);
  }

  void Denominator(const AnswerLayout& box) {
    bool unit = IsAtomicText(box) || box.bracketed || box.kind == BoxKind::kRoot ||
                box.kind == BoxKind::kCall || box.kind == BoxKind::kMatrix;
    unit ? Render(box) : InBrackets(box);
  }

  // An operand next to '*' or '^' that would not read as one unit.
  void Grouped(const AnswerLayout& box) {
    box.kind == BoxKind::kFraction && !box.bracketed ? InBrackets(box) : Render(box);
  }

  // With `drop_leading_minus`, a '-' before the first child has already been
  // written by the row around this one.
  void RenderRow(const AnswerLayout& row, bool drop_leading_minus = false) {
    if (row.operators.size() != row.children.size()) return;
    for (std::size_t i = 0; i < row.children.size(); ++i) {
      const AnswerLayout& child = row.children[i];
      char16_t op = row.operators[i];
      if (i == 0) {
        if (op == u'-' && !drop_leading_minus) out_ += '-';
        // A fraction multiplying what follows it: (1/2)x.
        bool multiplies = row.children.size() > 1 && row.operators[1] == u'*';
        multiplies ? Grouped(child) : Render(child);
        continue;
      }
      const AnswerLayout& before = row.children[i - 1];
      switch (op) {
        case u'+':
          if (StartsWithMinus(child)) {
            out_ += " - ";
            RenderRow(child, true);
          } else {
            out_ += " + ";
            Render(child);
          }
          break;
        case u'-':
          out_ += " - ";
          Render(child);
          break;
        case u',':
          out_ += ", ";
          Render(child);
          break;
        case u'*': {
          const std::string_view separator = MultiplySeparator(before, child);
          out_ += separator;
          separator == " " ? Render(child) : Grouped(child);
          break;
        }
        case u'^':
          if (child.kind == BoxKind::kText && child.text == u"2") {
            out_ += "\u00B2";
          } else if (IsAtomicText(child) || child.bracketed) {
            out_ += '^';
            Render(child);
          } else {
            out_ += '^';
            InBrackets(child);
          }
          break;
        default: Render(child); break;
      }
    }
  }

  void RenderMatrix(const AnswerLayout& matrix) {
    out_ += '[';
    for (std::size_t r = 0; r < matrix.children.size(); ++r) {
      if (r > 0) out_ += ", ";
      out_ += '[';
      const AnswerLayout& row = matrix.children[r];
      for (std::size_t c = 0; c < row.children.size(); ++c) {
        if (c > 0) out_ += ", ";
        Render(row.children[c]);
      }
      out_ += ']';
    }
    out_ += ']';
  }

  void RenderUnbracketed(const AnswerLayout& box) {
    switch (box.kind) {
      case BoxKind::kText: chars::AppendUtf8(box.text, out_); return;
      case BoxKind::kFraction:
        if (box.children.size() != 2) return;
        Numerator(box.children[0]);
        out_ += '/';
        Denominator(box.children[1]);
        return;
      case BoxKind::kRoot: {
        if (box.children.size() != 1) return;
        const AnswerLayout& radicand = box.children[0];
        out_ += "\u221A";
        IsAtomicText(radicand) || radicand.bracketed ? Render(radicand) : InBrackets(radicand);
        return;
      }
      case BoxKind::kCall:
        if (box.children.size() != 1) return;
        chars::AppendUtf8(box.text, out_);
        // The call's own brackets stand for any the argument carries.
        out_ += '(';
        RenderUnbracketed(box.children[0]);
        out_ += ')';
        return;
      case BoxKind::kRow: RenderRow(box); return;
      case BoxKind::kMatrix: RenderMatrix(box); return;
    }
  }

  std::string out_;
};

}  // namespace

std::string RenderText(const AnswerLayout& box) {
  TextWriter writer;
  writer.Render(box);
  return writer.Take();
}

}  // namespace zentrix::engine
