#include "engine/core/result_printer.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/charset.h"
#include "engine/core/function_name.h"

namespace zentrix::engine {
namespace {

// Printed in place of subtrees nested deeper than the builders allow.
constexpr char16_t kElided[] = u"...";

// -n without arithmetic, so printing never touches the rewrite flag.
Number NegatedForPrint(const Number& n) {
  if (n.IsPlusInfinity()) return Number::MinusInfinity();
  if (n.IsMinusInfinity()) return Number::PlusInfinity();
  if (!n.IsFinite()) return n;
  return Number::Raw(-n.RealNumerator(), n.RealDenominator(), -n.ImagNumerator(),
                     n.ImagDenominator());
}

// Whether a coefficient prints with a leading minus that a row can take over
// as its operator: negative reals, minus infinity, and imaginary values whose
// imaginary part is negative. Complex values with both parts keep their signs.
bool PrintsNegative(const Number& n) {
  if (n.IsMinusInfinity()) return true;
  if (n.IsReal()) return n.RealNumerator() < 0;
  if (n.IsComplex()) return n.RealNumerator() == 0 && n.ImagNumerator() < 0;
  return false;
}

// Fractions whose parts the Float formatter cannot show in full (and whose
// reduction is no longer reliable) are shown as one decimal instead of as a
// quotient of two rounded numbers.
constexpr double kLargestShownPart = 1e9;

Number Shown(const Number& n) {
  if (!n.IsFraction()) return n;
  double p = n.RealNumerator(), q = n.RealDenominator();
  if (std::fabs(p) <= kLargestShownPart && std::fabs(q) <= kLargestShownPart) return n;
  return Number(p / q);
}

// A purely imaginary value: no real part, a non-zero imaginary part.
bool IsImaginary(const Number& n) { return n.IsComplex() && n.RealNumerator() == 0; }

bool IsHalf(const Number& n, double sign) {
  return n.IsFraction() && n.RealNumerator() == sign && n.RealDenominator() == 2.0;
}

bool IsMinusOne(const Number& n) { return n.IsIntegerOrDecimal() && n.RealNumerator() == -1.0; }

bool IsNegativeReal(const Number& n) { return n.IsReal() && n.RealNumerator() < 0; }

AnswerLayout FloatText(double value) { return AnswerLayout::Text(FormatFloat(value)); }

// Joins boxes into one row with the given operator between them; one box
// stands alone.
AnswerLayout JoinRow(std::vector<AnswerLayout> items, char16_t op) {
  if (items.size() == 1) return std::move(items.front());
  AnswerLayout row = AnswerLayout::Row();
  for (std::size_t i = 0; i < items.size(); ++i) row.Append(i == 0 ? 0 : op, std::move(items[i]));
  return row;
}

// Appends a box to a row; an unbracketed row is merged in, so that signs it
// carries (a negative fraction, a complex value) become the row's operators.
void AppendMerged(AnswerLayout& row, char16_t op, AnswerLayout box) {
  if (box.kind != BoxKind::kRow || box.bracketed || box.children.empty()) {
    row.Append(op, std::move(box));
    return;
  }
  for (std::size_t i = 0; i < box.children.size(); ++i) {
    char16_t inner = box.operators[i];
    if (i == 0) inner = inner == u'-' ? (op == u'-' ? u'+' : u'-') : op;
    row.Append(inner, std::move(box.children[i]));
  }
}

// A box that reads as one unit next to an operator: a plain unsigned number or
// a name, a call, a matrix, or anything already in brackets.
bool IsAtomic(const AnswerLayout& box) {
  if (box.bracketed || box.kind == BoxKind::kCall || box.kind == BoxKind::kMatrix) return true;
  if (box.kind != BoxKind::kText || box.text.empty()) return false;
  bool digits = true, name = chars::IsNameStart(box.text[0]);
  for (char16_t c : box.text) {
    digits = digits && (chars::IsDigit(c) || c == u'.');
    name = name && chars::IsNameContinuation(c);
  }
  return digits || name || box.text == std::u16string(1, chars::kPi) ||
         box.text == std::u16string(1, chars::kEulerE) ||
         box.text == std::u16string(1, chars::kInfinity);
}

AnswerLayout Bracketed(AnswerLayout box) {
  if (!IsAtomic(box)) box.bracketed = true;
  return box;
}

// A raised exponent: stacked boxes read as one unit there, signed rows do not.
AnswerLayout AsExponent(AnswerLayout box) {
  if (box.kind == BoxKind::kRow) box.bracketed = true;
  return box;
}

// A printed coefficient about to be followed by a factor: a complex value or a
// mixed number goes in brackets; a lone negative fraction keeps its sign free
// for the row to take over.
AnswerLayout AsCoefficient(AnswerLayout box) {
  if (box.kind == BoxKind::kRow && box.children.size() > 1) box.bracketed = true;
  return box;
}

// Writes the imaginary unit into a printed imaginary part: a text "1" becomes
// the unit alone and "-1" a minus and the unit; a fraction takes it in its
// numerator; a mixed number gets it after the fraction.
void AppendUnit(AnswerLayout& box) {
  switch (box.kind) {
    case BoxKind::kText:
      if (box.text == u"1") {
        box.text.clear();
      } else if (box.text == u"-1") {
        box.text = u"-";
      }
      box.text += chars::kImaginaryUnit;
      return;
    case BoxKind::kFraction: AppendUnit(box.children[0]); return;
    case BoxKind::kRow:
      if (box.children.size() == 1) {
        AppendUnit(box.children[0]);
      } else {
        box.Append(u'*', AnswerLayout::Text(std::u16string(1, chars::kImaginaryUnit)));
      }
      return;
    default: return;
  }
}

}  // namespace

AnswerLayout ResultPrinter::Print(const ExprNode& node) const { return PrintNode(node, 0); }

AnswerLayout ResultPrinter::PrintNumber(const Number& number) const {
  if (number.IsComplex()) return PrintComplex(number);
  return PrintReal(number);
}

AnswerLayout ResultPrinter::PrintReal(const Number& exact) const {
  const Number number = Shown(exact);
  if (number.IsPlusInfinity()) return AnswerLayout::Text(std::u16string(1, chars::kInfinity));
  if (number.IsMinusInfinity()) return AnswerLayout::Text(std::u16string{u'-', chars::kInfinity});
  if (number.IsComplexInfinity()) return AnswerLayout::Text(u"ComplexInfinity");
  if (number.IsIndeterminate()) return AnswerLayout::Text(u"Indeterminate");
  if (!number.IsFraction()) {
    return AnswerLayout::Text(FormatDecimal(number.RealValue(), settings_.decimal));
  }
  double p = number.RealNumerator(), q = number.RealDenominator();
  if (settings_.mixed_numbers && p > q) {
    double whole = std::floor(p / q);
    AnswerLayout row = AnswerLayout::Row();
    row.Append(u'+', FloatText(whole));
    row.Append(u'*', AnswerLayout::Fraction(FloatText(p - whole * q), FloatText(q)));
    return row;
  }
  AnswerLayout fraction = AnswerLayout::Fraction(FloatText(std::fabs(p)), FloatText(q));
  if (p >= 0) return fraction;
  AnswerLayout row = AnswerLayout::Row();
  row.Append(u'-', std::move(fraction));
  return row;
}

AnswerLayout ResultPrinter::PrintComplex(const Number& number) const {
  Number re = Number::Raw(number.RealNumerator(), number.RealDenominator(), 0.0, 1.0);
  Number im = Number::Raw(number.ImagNumerator(), number.ImagDenominator(), 0.0, 1.0);
  if (re.IsZero()) {
    AnswerLayout box = PrintReal(im);
    AppendUnit(box);
    return box;
  }
  AnswerLayout row = AnswerLayout::Row();
  bool re_negative = re.RealNumerator() < 0;
  row.Append(re_negative ? u'-' : u'+', PrintReal(re_negative ? NegatedForPrint(re) : re));
  bool im_negative = im.RealNumerator() < 0;
  AnswerLayout imaginary = PrintReal(im_negative ? NegatedForPrint(im) : im);
  AppendUnit(imaginary);
  row.Append(im_negative ? u'-' : u'+', std::move(imaginary));
  return row;
}

AnswerLayout ResultPrinter::PrintNode(const ExprNode& node, int depth) const {
  if (depth > kMaxTreeDepth) return AnswerLayout::Text(kElided);
  if (node.IsEmpty() || (node.IsPlain() && node.IsProduct())) {
    return PrintNumber(node.coefficient());
  }
  if (node.IsAnyFunction()) return PrintFunction(node, depth, node.coefficient());
  switch (node.kind()) {
    case NodeKind::kSum: return PrintSum(node, depth);
    case NodeKind::kProduct: return PrintProduct(node, depth, node.coefficient());
    case NodeKind::kPower: return PrintPower(node, depth, node.coefficient());
    case NodeKind::kList:
    case NodeKind::kInterval: return PrintList(node, depth);
    default: {
      // No other kind is built; show the operands rather than nothing.
      std::vector<AnswerLayout> items;
      for (const ExprNode& operand : node.operands())
        items.push_back(PrintNode(operand, depth + 1));
      AnswerLayout row = JoinRow(std::move(items), u',');
      row.bracketed = true;
      return row;
    }
  }
}

AnswerLayout ResultPrinter::PrintScaled(const ExprNode& node, int depth, const Number& c) const {
  if (depth > kMaxTreeDepth) return AnswerLayout::Text(kElided);
  if (node.IsPlain() && node.IsProduct()) return PrintNumber(c);
  if (node.IsAnyFunction()) return PrintFunction(node, depth, c);
  return PrintProduct(node, depth, c);
}

AnswerLayout ResultPrinter::PrintSum(const ExprNode& node, int depth) const {
  AnswerLayout row = AnswerLayout::Row(node.TermCount() + node.OperandCount() + 1);
  for (const SymbolTerm& term : node.terms()) {
    bool negative = PrintsNegative(term.coefficient);
    const Number shown = negative ? NegatedForPrint(term.coefficient) : term.coefficient;
    row.Append(negative ? u'-' : u'+', PrintTerm(term.name, shown, term.exponent));
  }
  const Number& constant = node.coefficient();
  if (!constant.IsZero()) {
    bool negative = PrintsNegative(constant);
    AppendMerged(row, negative ? u'-' : u'+',
                 PrintNumber(negative ? NegatedForPrint(constant) : constant));
  }
  for (const ExprNode& operand : node.operands()) {
    bool has_factor = operand.IsProduct() || operand.IsAnyFunction();
    const Number& c = operand.coefficient();
    bool negative = IsNegativeReal(c) || (IsImaginary(c) && PrintsNegative(c));
    if (has_factor && negative) {
      row.Append(u'-', PrintScaled(operand, depth + 1, NegatedForPrint(operand.coefficient())));
    } else {
      row.Append(u'+', PrintNode(operand, depth + 1));
    }
  }
  if (row.children.size() == 1 && row.operators[0] != u'-') return std::move(row.children[0]);
  if (row.children.empty()) return AnswerLayout::Text(u"0");
  return row;
}

AnswerLayout ResultPrinter::PrintFactor(const ExprNode& operand, int depth) const {
  AnswerLayout box = PrintNode(operand, depth + 1);
  bool plain_call = operand.IsAnyFunction() && operand.coefficient().IsOne();
  if (!plain_call && !operand.IsOperandPower()) box = Bracketed(std::move(box));
  return box;
}

// c·x^a·y^b·... with a whole or decimal c, unit term coefficients and
// exponents that are whole or decimal and not negative: the shape of every
// monomial of an expanded polynomial.
bool IsPlainMonomial(const ExprNode& node, const Number& c) {
  if (node.OperandCount() != 0 || node.TermCount() == 0 || !c.IsIntegerOrDecimal()) return false;
  for (const SymbolTerm& term : node.terms()) {
    const Number& e = term.exponent;
    if (!term.coefficient.IsOne() || !e.IsIntegerOrDecimal() || e.RealNumerator() < 0) return false;
  }
  return true;
}

// The row that PrintProduct builds for a plain monomial, built in place: the
// coefficient (none for 1, a leading minus for -1), then each factor after '*'.
AnswerLayout ResultPrinter::PrintMonomial(const ExprNode& node, const Number& c) const {
  const bool minus = IsMinusOne(c);
  AnswerLayout row = AnswerLayout::Row(node.TermCount() + 1);
  if (!c.IsOne() && !minus) {
    row.operators.push_back(0);
    AppendDecimal(c.RealValue(), settings_.decimal, row.children.emplace_back().text);
  }
  for (const SymbolTerm& term : node.terms()) {
    row.operators.push_back(row.children.empty() ? (minus ? u'-' : 0) : u'*');
    std::u16string& text = row.children.emplace_back().text;
    text = term.name;
    AppendExponent(term.exponent, text);
  }
  if (row.children.size() == 1 && row.operators[0] != u'-') return std::move(row.children[0]);
  return row;
}

AnswerLayout ResultPrinter::PrintProduct(const ExprNode& node, int depth,
                                         const Number& exact) const {
  const Number c = Shown(exact);
  if (IsPlainMonomial(node, c)) return PrintMonomial(node, c);
  if (IsImaginary(c) && c.ImagDenominator() != 1.0) {
    // (p/q)ⅈ·F reads best as the real product over q followed by the unit:
    // (√3/2)ⅈ rather than (ⅈ/2)·√3.
    Number b = Number::Raw(c.ImagNumerator(), c.ImagDenominator(), 0.0, 1.0);
    bool negative = b.RealNumerator() < 0;
    AnswerLayout real = PrintProduct(node, depth, negative ? NegatedForPrint(b) : b);
    if (real.kind == BoxKind::kFraction) {
      AnswerLayout row = AnswerLayout::Row(2);
      row.Append(negative ? u'-' : 0, std::move(real));
      row.Append(u'*', AnswerLayout::Text(std::u16string(1, chars::kImaginaryUnit)));
      return row;
    }
  }
  bool as_fraction = false;
  for (const SymbolTerm& term : node.terms()) as_fraction |= term.exponent.LessThan(0);
  for (const ExprNode& operand : node.operands()) {
    as_fraction |= operand.IsPower() && operand.coefficient().LessThan(0);
  }
  if (c.IsFraction() && node.OperandCount() == 1) {
    const ExprNode& only = node.Operand(0);
    as_fraction |= only.IsOperandPower() && only.Operand(0).IsNumber();
  }
  if (as_fraction) return PrintProductAsFraction(node, depth, c);

  AnswerLayout row = AnswerLayout::Row(node.TermCount() + node.OperandCount() + 1);
  bool minus = IsMinusOne(c);
  if (!c.IsOne() && !minus) {
    AppendMerged(row, 0, AsCoefficient(PrintNumber(c)));
  }
  auto append_factor = [&](AnswerLayout box) {
    char16_t op = row.children.empty() ? (minus ? u'-' : 0) : u'*';
    row.Append(op, std::move(box));
  };
  for (const SymbolTerm& term : node.terms()) append_factor(PrintTerm(term));
  for (const ExprNode& operand : node.operands()) append_factor(PrintFactor(operand, depth));
  if (row.children.size() == 1 && row.operators[0] != u'-') {
    AnswerLayout only = std::move(row.children[0]);
    only.bracketed = false;
    return only;
  }
  return row;
}

AnswerLayout ResultPrinter::PrintProductAsFraction(const ExprNode& node, int depth,
                                                   const Number& c) const {
  bool negative = IsNegativeReal(c);
  Number magnitude = negative ? NegatedForPrint(c) : c;
  std::vector<AnswerLayout> numerator, denominator;
  if (magnitude.IsFraction()) {
    if (magnitude.RealNumerator() != 1.0) numerator.push_back(FloatText(magnitude.RealNumerator()));
    denominator.push_back(FloatText(magnitude.RealDenominator()));
  } else if (!magnitude.IsOne()) {
    numerator.push_back(Bracketed(PrintNumber(magnitude)));
  }
  for (const SymbolTerm& term : node.terms()) {
    if (term.exponent.LessThan(0)) {
      denominator.push_back(PrintTerm(term.name, term.coefficient, NegatedForPrint(term.exponent)));
    } else {
      numerator.push_back(PrintTerm(term));
    }
  }
  for (const ExprNode& operand : node.operands()) {
    bool inverse =
        operand.IsPower() && operand.OperandCount() == 1 && operand.coefficient().LessThan(0);
    if (!inverse) {
      numerator.push_back(PrintFactor(operand, depth));
      continue;
    }
    Number exponent = NegatedForPrint(operand.coefficient());
    if (exponent.IsOne()) {
      denominator.push_back(PrintFactor(operand.Operand(0), depth));
    } else {
      AnswerLayout box = depth + 1 > kMaxTreeDepth ? AnswerLayout::Text(kElided)
                                                   : PrintPower(operand, depth + 1, exponent);
      denominator.push_back(operand.IsOperandPower() ? std::move(box) : Bracketed(std::move(box)));
    }
  }
  if (numerator.empty()) numerator.push_back(AnswerLayout::Text(u"1"));
  if (numerator.size() == 1) numerator[0].bracketed = false;
  if (denominator.size() == 1) denominator[0].bracketed = false;
  AnswerLayout fraction = AnswerLayout::Fraction(JoinRow(std::move(numerator), u'*'),
                                                 JoinRow(std::move(denominator), u'*'));
  if (!negative) return fraction;
  AnswerLayout row = AnswerLayout::Row();
  row.Append(u'-', std::move(fraction));
  return row;
}

AnswerLayout ResultPrinter::PrintPower(const ExprNode& node, int depth, const Number& e) const {
  if (node.IsSingleTerm()) return PrintTerm(node.Term(0));
  if (node.OperandCount() == 0) return PrintNumber(e);
  auto power_row = [&](const ExprNode& base, const Number& exponent) {
    AnswerLayout row = AnswerLayout::Row();
    row.Append(0, Bracketed(PrintNode(base, depth + 1)));
    row.Append(u'^', AsExponent(PrintNumber(exponent)));
    return row;
  };
  if (node.OperandCount() == 1) {
    const ExprNode& base = node.Operand(0);
    if (IsHalf(e, 1.0)) return AnswerLayout::Root(PrintNode(base, depth + 1));
    if (IsMinusOne(e))
      return AnswerLayout::Fraction(AnswerLayout::Text(u"1"), PrintNode(base, depth + 1));
    if (IsHalf(e, -1.0)) {
      return AnswerLayout::Fraction(AnswerLayout::Text(u"1"),
                                    AnswerLayout::Root(PrintNode(base, depth + 1)));
    }
    if (e.LessThan(0)) {
      return AnswerLayout::Fraction(AnswerLayout::Text(u"1"), power_row(base, NegatedForPrint(e)));
    }
    return power_row(base, e);
  }
  AnswerLayout row = AnswerLayout::Row();
  for (std::size_t i = 0; i < node.OperandCount(); ++i) {
    row.Append(i == 0 ? 0 : u'^', Bracketed(PrintNode(node.Operand(i), depth + 1)));
  }
  if (!e.IsOne()) row.Append(u'^', AsExponent(PrintNumber(e)));
  return row;
}

AnswerLayout ResultPrinter::PrintFunction(const ExprNode& node, int depth, const Number& c) const {
  AnswerLayout argument;
  if (node.OperandCount() == 1) {
    argument = PrintNode(node.Operand(0), depth + 1);
    argument.bracketed = false;  // the call draws its own brackets
  } else {
    argument = AnswerLayout::Row();
    for (std::size_t i = 0; i < node.OperandCount(); ++i) {
      argument.Append(i == 0 ? 0 : u',', PrintNode(node.Operand(i), depth + 1));
    }
  }
  AnswerLayout call = AnswerLayout::Call(FunctionName(node.FunctionId()), std::move(argument));
  if (c.IsOne()) return call;
  AnswerLayout row = AnswerLayout::Row();
  if (IsMinusOne(c)) {
    row.Append(u'-', std::move(call));
    return row;
  }
  AppendMerged(row, 0, AsCoefficient(PrintNumber(c)));
  row.Append(u'*', std::move(call));
  return row;
}

AnswerLayout ResultPrinter::PrintList(const ExprNode& node, int depth) const {
  if (node.IsInterval()) {
    AnswerLayout arguments = AnswerLayout::Row();
    arguments.Append(0, PrintNode(node.Operand(0), depth + 1));
    arguments.Append(u',', PrintNode(node.Operand(1), depth + 1));
    return AnswerLayout::Call(u"Interval", std::move(arguments));
  }
  // Every element carries ',' (drawn only between elements), which marks the
  // row as a list for renderers that write lists with their own brackets.
  auto elements = [&](const ExprNode& list) {
    AnswerLayout row = AnswerLayout::Row();
    for (const ExprNode& element : list.operands()) row.Append(u',', PrintNode(element, depth + 2));
    return row;
  };
  if (node.IsMatrix()) {
    AnswerLayout matrix;
    matrix.kind = BoxKind::kMatrix;
    for (const ExprNode& row : node.operands()) matrix.Append(0, elements(row));
    return matrix;
  }
  AnswerLayout row = elements(node);
  row.bracketed = true;
  return row;
}

std::u16string ResultPrinter::ExponentText(const Number& exponent) const {
  std::u16string text;
  AppendExponent(exponent, text);
  return text;
}

void ResultPrinter::AppendExponent(const Number& exponent, std::u16string& text) const {
  if (exponent.EqualsValue(2)) {
    text += chars::kSquaredMark;
  } else if (!exponent.IsOne()) {
    text += u'^';
    AppendDecimal(exponent.RealValue(), settings_.decimal, text);
  }
}

AnswerLayout ResultPrinter::PrintTerm(const SymbolTerm& term) const {
  return PrintTerm(term.name, term.coefficient, term.exponent);
}

AnswerLayout ResultPrinter::PrintTerm(const std::u16string& term_name, const Number& exact,
                                      const Number& e) const {
  const Number c = Shown(exact);
  // The common case first: a whole or decimal coefficient and exponent, one text.
  if (e.IsIntegerOrDecimal() && !e.LessThan(0) && !c.IsFraction()) {
    std::u16string text;
    if (IsMinusOne(c)) {
      text = u"-";
    } else if (!c.IsOne()) {
      AnswerLayout coefficient = PrintNumber(c);
      if (!coefficient.IsText()) {
        AnswerLayout row = AnswerLayout::Row(2);
        AppendMerged(row, 0, AsCoefficient(std::move(coefficient)));
        row.Append(u'*', AnswerLayout::Text(term_name + ExponentText(e)));
        return row;
      }
      text = std::move(coefficient.text);
    }
    text += term_name;
    AppendExponent(e, text);
    return AnswerLayout::Text(std::move(text));
  }
  AnswerLayout name = AnswerLayout::Text(term_name);
  // c followed by a factor: nothing for 1, a minus for -1, else the printed
  // coefficient ('*' drawn as a gap).
  auto with_coefficient = [&](AnswerLayout factor) {
    if (c.IsOne()) return factor;
    AnswerLayout row = AnswerLayout::Row();
    if (IsMinusOne(c)) {
      row.Append(u'-', std::move(factor));
      return row;
    }
    AppendMerged(row, 0, AsCoefficient(PrintNumber(c)));
    row.Append(u'*', std::move(factor));
    return row;
  };

  if (c.IsFraction() && !e.LessThan(0)) {
    // (p/q)·x^e reads as p·x^e over q, as products with fractions do.
    double p = c.RealNumerator();
    AnswerLayout fraction = AnswerLayout::Fraction(PrintTerm(term_name, Number(std::fabs(p)), e),
                                                   FloatText(c.RealDenominator()));
    if (p > 0) return fraction;
    AnswerLayout row = AnswerLayout::Row();
    row.Append(u'-', std::move(fraction));
    return row;
  }
  if (IsHalf(e, 1.0)) return with_coefficient(AnswerLayout::Root(std::move(name)));
  if (e.LessThan(0)) {
    // c over the denominator of c times x^|e|.
    AnswerLayout numerator = c.IsFraction() ? FloatText(c.RealNumerator()) : PrintNumber(c);
    double q = c.IsFraction() ? c.RealDenominator() : 1.0;
    AnswerLayout denominator;
    if (IsHalf(e, -1.0)) {
      denominator = AnswerLayout::Root(std::move(name));
      if (q != 1.0) {
        AnswerLayout row = AnswerLayout::Row();
        row.Append(0, FloatText(q));
        row.Append(u'*', std::move(denominator));
        denominator = std::move(row);
      }
    } else {
      denominator = PrintTerm(term_name, Number(q), NegatedForPrint(e));
    }
    return AnswerLayout::Fraction(std::move(numerator), std::move(denominator));
  }
  if (!e.IsIntegerOrDecimal()) {
    // An exact-fraction (or other non-decimal) exponent is raised as a box.
    AnswerLayout power = AnswerLayout::Row();
    power.Append(0, std::move(name));
    power.Append(u'^', AsExponent(PrintNumber(e)));
    return with_coefficient(std::move(power));
  }
  std::u16string text = term_name + ExponentText(e);
  return with_coefficient(AnswerLayout::Text(std::move(text)));
}

}  // namespace zentrix::engine
