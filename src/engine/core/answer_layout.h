#pragma once
// The laid-out form of an answer: a small tree of boxes (text runs, fractions,
// roots, function calls, rows with operator characters, matrices). The result
// printer fills it, the notebook draws and saves it, and the terminal calculator
// renders it as characters. It is plain data on purpose.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zentrix::engine {

enum class BoxKind : std::int32_t {
  kText = 0,
  kFraction = 1,  // children: numerator, denominator
  kRoot = 3,      // one child under a square-root sign
  kCall = 4,      // text: function name; one child: the argument or a row of arguments
  kRow = 5,       // children in sequence, one operator character before each
  kMatrix = 6,    // children: the rows (each a row box of cells)
};

struct AnswerLayout {
  BoxKind kind = BoxKind::kText;
  bool bracketed = false;    // draw brackets round the box
  std::u16string text;       // kText: the run; kCall: the name; or a whole-answer message
  std::u16string operators;  // kRow/kMatrix: one character per child, 0 for none
  std::vector<AnswerLayout> children;

  static AnswerLayout Text(std::u16string text) {
    AnswerLayout box;
    box.text = std::move(text);
    return box;
  }
  static AnswerLayout Fraction(AnswerLayout numerator, AnswerLayout denominator) {
    AnswerLayout box;
    box.kind = BoxKind::kFraction;
    box.children.push_back(std::move(numerator));
    box.children.push_back(std::move(denominator));
    return box;
  }
  static AnswerLayout Root(AnswerLayout radicand) {
    AnswerLayout box;
    box.kind = BoxKind::kRoot;
    box.children.push_back(std::move(radicand));
    return box;
  }
  static AnswerLayout Call(std::u16string name, AnswerLayout argument) {
    AnswerLayout box;
    box.kind = BoxKind::kCall;
    box.text = std::move(name);
    box.children.push_back(std::move(argument));
    return box;
  }
  static AnswerLayout Row() {
    AnswerLayout box;
    box.kind = BoxKind::kRow;
    return box;
  }
  // A row with room for `children` children.
  static AnswerLayout Row(std::size_t children) {
    AnswerLayout box = Row();
    box.operators.reserve(children);
    box.children.reserve(children);
    return box;
  }

  // Appends a child to a row or matrix with the operator drawn before it.
  void Append(char16_t op, AnswerLayout child) {
    operators.push_back(op);
    children.push_back(std::move(child));
  }

  bool IsText() const { return kind == BoxKind::kText; }
  // An answer with nothing to show (a fresh entry).
  bool IsEmpty() const { return kind == BoxKind::kText && text.empty() && children.empty(); }

  bool operator==(const AnswerLayout&) const = default;
};

}  // namespace zentrix::engine
