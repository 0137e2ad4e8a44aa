#include "engine/core/linear_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/charset.h"
#include "engine/core/decimal_format.h"
#include "engine/core/function_name.h"

namespace zentrix::engine {
namespace {

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// Decimal digits that read back to exactly the same double: integers in full,
// other values in the shortest fixed form that round-trips. The exponent mark
// is never used, because a·10^b is computed by a power and may not give the
// same double back.
std::u16string ExactDecimal(double v) {
  char buffer[1100];
  if (std::trunc(v) == v && std::fabs(v) < 1e18) {
    auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(v)).ptr;
    return std::u16string(buffer, end);
  }
  if (std::trunc(v) == v && std::fabs(v) < 1e21) {
    std::snprintf(buffer, sizeof buffer, "%.0f", v);
    return Widen(buffer);
  }
  auto fixed = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
  return Widen(std::string_view(buffer, fixed.ptr - buffer));
}

// A number's text and whether it needs brackets where it multiplies or raises
// something (a fraction, a signed complex value, the exponent mark).
struct NumberText {
  std::u16string text;
  bool compound = false;
};

bool IsPlainNumber(std::u16string_view text) {
  if (text.empty()) return false;
  std::size_t start = text[0] == u'-' ? 1 : 0;
  if (start == text.size()) return false;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (!chars::IsDigit(text[i]) && text[i] != u'.') return false;
  }
  return true;
}

// Marks a character whose choice waits for the text written after it (a '+'
// that a signed term makes unnecessary, an opening bracket, a '*' that
// juxtaposition drops). Holes left open are removed in one pass at the end, so
// every subtree is written once, in place, whatever the depth of the tree.
constexpr char16_t kHole = u'\0';

class LinearWriter {
 public:
  explicit LinearWriter(const LinearTextOptions& options) : options_(options) {}

  std::u16string Take() {
    if (holes_) std::erase(out_, kHole);
    return std::move(out_);
  }

  void Node(const ExprNode& node, int depth) {
    if (depth > kMaxTreeDepth) {
      out_ += u"...";
      return;
    }
    if (node.IsEmpty() || (node.IsPlain() && node.IsProduct())) {
      out_ += Number(node.coefficient()).text;
      return;
    }
    if (node.IsSingleTerm()) {
      out_ += Term(node.Term(0));
      return;
    }
    if (node.IsAnyFunction()) return Function(node, depth);
    switch (node.kind()) {
      case NodeKind::kSum: return Sum(node, depth);
      case NodeKind::kProduct: return Product(node, depth);
      case NodeKind::kPower: return Power(node, depth);
      default: return List(node, depth);
    }
  }

 private:
  std::size_t OpenHole() {
    holes_ = true;
    out_ += kHole;
    return out_.size() - 1;
  }

  // The first character written from `start` on, holes skipped; 0 for none.
  char16_t FirstFrom(std::size_t start) const {
    for (std::size_t i = start; i < out_.size(); ++i) {
      if (out_[i] != kHole) return out_[i];
    }
    return 0;
  }

  // Whether the text written from `start` on is a name, or a plain number
  // without a sign. Both tests stop at the first character that fails them.
  bool IsAtomFrom(std::size_t start) const {
    bool name = true, number = true, any = false;
    for (std::size_t i = start; i < out_.size() && (name || number); ++i) {
      char16_t c = out_[i];
      if (c == kHole) continue;
      name = name && chars::IsNameContinuation(c) && (any || chars::IsNameStart(c));
      number = number && (chars::IsDigit(c) || c == u'.');
      any = true;
    }
    return any && (name || number);
  }

  NumberText Number(const engine::Number& n) const {
    if (n.IsPlusInfinity()) return {std::u16string(1, chars::kInfinity)};
    if (n.IsMinusInfinity()) return {std::u16string{u'-', chars::kInfinity}};
    // The undefined kinds have no literal; these entries evaluate to them.
    if (n.IsIndeterminate()) return {u"0/0", true};
    if (n.IsComplexInfinity()) return {u"1/0", true};
    if (!options_.exact_numbers) {
      std::u16string text = FormatFloat(n.RealValue());
      return {text, !IsPlainNumber(text)};
    }
    if (n.IsComplex()) return Complex(n);
    return Real(n.RealNumerator(), n.RealDenominator());
  }

  static NumberText Real(double numerator, double denominator) {
    if (denominator == 1.0) {
      std::u16string text = ExactDecimal(numerator);
      return {text, !IsPlainNumber(text)};
    }
    return {ExactDecimal(numerator) + u"/" + ExactDecimal(denominator), true};
  }

  static NumberText Complex(const engine::Number& n) {
    std::u16string imaginary;
    bool fraction = n.ImagDenominator() != 1.0;
    if (fraction) {
      // An exact imaginary fraction p/q·ⅈ as -p/(qⅈ): reading "pⅈ/q" would
      // multiply a complex value by the fraction 1/q, which is done in
      // decimals, while an integer divided by qⅈ stays exact.
      imaginary = ExactDecimal(-n.ImagNumerator()) + u"/(" + ExactDecimal(n.ImagDenominator()) +
                  chars::kImaginaryUnit + u")";
    } else {
      // "3ⅈ", "ⅈ", "-ⅈ".
      std::u16string numerator = ExactDecimal(n.ImagNumerator());
      if (numerator == u"1") numerator.clear();
      if (numerator == u"-1") numerator = u"-";
      imaginary = numerator + chars::kImaginaryUnit;
    }
    if (n.RealNumerator() == 0) return {imaginary, fraction};
    std::u16string text = Real(n.RealNumerator(), n.RealDenominator()).text;
    if (imaginary[0] != u'-') text += u'+';
    return {text + imaginary, true};
  }

  // The text of a coefficient in front of a factor (c other than 1 and -1),
  // bracketed where it would not read as one factor.
  std::u16string CoefficientText(const engine::Number& c) const {
    NumberText n = Number(c);
    bool signed_complex = options_.exact_numbers && c.IsComplex() && c.RealNumerator() != 0;
    if (signed_complex || c.IsIndeterminate() || c.IsComplexInfinity()) {
      n.text = u"(" + n.text + u")";
    }
    return n.text;
  }

  static bool IsMinusOne(const engine::Number& c) {
    return c.IsIntegerOrDecimal() && c.RealNumerator() == -1.0;
  }

  // A factor that starts with this character follows a plain number directly.
  static bool Juxtaposes(char16_t first) {
    return chars::IsNameStart(first) || first == chars::kSquareRootSign || first == u'(' ||
           first == chars::kPi || first == chars::kEulerE;
  }

  // A coefficient in front of a factor: nothing for 1, "-" for -1, else the
  // number, juxtaposed when it is plain digits and the factor starts with a
  // name, a root or a bracket, and joined by '*' otherwise.
  template <typename WriteFactor>
  void WithCoefficient(const engine::Number& c, WriteFactor write_factor) {
    if (c.IsOne()) return write_factor();
    if (IsMinusOne(c)) {
      out_ += u'-';
      return write_factor();
    }
    std::u16string coefficient = CoefficientText(c);
    out_ += coefficient;
    if (!IsPlainNumber(coefficient)) {
      out_ += u'*';
      return write_factor();
    }
    std::size_t hole = OpenHole();
    write_factor();
    if (!Juxtaposes(FirstFrom(hole + 1))) out_[hole] = u'*';
  }

  // The same for a factor already in hand.
  std::u16string WithCoefficient(const engine::Number& c, const std::u16string& factor) const {
    if (c.IsOne()) return factor;
    if (IsMinusOne(c)) return u"-" + factor;
    std::u16string n = CoefficientText(c);
    bool juxtapose = IsPlainNumber(n) && Juxtaposes(factor.empty() ? 0 : factor[0]);
    return n + (juxtapose ? u"" : u"*") + factor;
  }

  std::u16string ExponentSuffix(const engine::Number& e) const {
    if (e.IsOne()) return u"";
    if (e.EqualsValue(2))
      return options_.power_marks ? std::u16string(1, chars::kSquaredMark) : u"^2";
    if (e.EqualsValue(-1)) {
      return options_.power_marks ? std::u16string(1, chars::kInverseMark) : u"^-1";
    }
    NumberText n = Number(e);
    // An imaginary exponent needs brackets too: y^-0.4ⅈ reads as (y^-0.4)·ⅈ.
    return n.compound || !IsPlainNumber(n.text) ? u"^(" + n.text + u")" : u"^" + n.text;
  }

  static bool IsHalf(const engine::Number& n, double sign) {
    return n.IsFraction() && n.RealNumerator() == sign && n.RealDenominator() == 2.0;
  }

  static std::u16string Root(const std::u16string& radicand) {
    return chars::kSquareRootSign + (u"(" + radicand + u")");
  }

  void RootOf(const ExprNode& radicand, int depth) {
    out_ += chars::kSquareRootSign;
    out_ += u'(';
    Node(radicand, depth);
    out_ += u')';
  }

  // The symbol ℯ raised to a positive exponent other than 1. Typed as ℯ^k it
  // would read back as the function exp(k), so it is written as a power of
  // the term ℯ² instead, which the power rule merges back into ℯ^k exactly.
  std::u16string EulerPower(const engine::Number& e) const {
    const std::u16string square =
        u"(" + std::u16string(1, chars::kEulerE) + u"*" + std::u16string(1, chars::kEulerE) + u")";
    if (e.EqualsValue(2)) return square;
    // Halving is exact: p/q becomes p/(2q) reduced, a decimal its half.
    auto half_of = [](double p, double q) {
      if (q == 1.0 && std::trunc(p) != p) return engine::Number(p / 2);
      if (std::fmod(p, 2.0) == 0.0) return engine::Number::Raw(p / 2, q, 0, 1);
      return engine::Number::Raw(p, 2 * q, 0, 1);
    };
    engine::Number half =
        engine::Number::FromParts(half_of(e.RealNumerator(), e.RealDenominator()),
                                  half_of(e.ImagNumerator(), e.ImagDenominator()));
    return square + u"^(" + Number(half).text + u")";
  }

  bool IsEulerName(const std::u16string& name) const {
    return name.size() == 1 && name[0] == chars::kEulerE;
  }

  // A term is a leaf: its few characters are built apart and appended.
  std::u16string Term(const SymbolTerm& term) const {
    const engine::Number& c = term.coefficient;
    const engine::Number& e = term.exponent;
    if (IsEulerName(term.name) && !e.IsOne() && e.IsFinite() && !IsHalf(e, 1.0) &&
        !IsHalf(e, -1.0) && !e.EqualsValue(-1)) {
      if (!e.LessThan(0)) return WithCoefficient(c, EulerPower(e));
      engine::Number positive = engine::Number::Raw(-e.RealNumerator(), e.RealDenominator(), 0, 1);
      NumberText n = Number(c);
      if (n.compound) n.text = u"(" + n.text + u")";
      return n.text + u"/" + EulerPower(positive);
    }
    if (options_.exact_numbers && c.IsFraction() && !e.LessThan(0)) {
      // (p/q)·x^e as p·x^e/q, the way it is typed.
      SymbolTerm numerator{term.name, engine::Number(c.RealNumerator()), e};
      return Term(numerator) + u"/" + ExactDecimal(c.RealDenominator());
    }
    if (IsHalf(e, 1.0)) return WithCoefficient(c, Root(term.name));
    if (e.LessThan(0)) {
      std::u16string denominator;
      if (IsHalf(e, -1.0)) {
        denominator = Root(term.name);
      } else {
        engine::Number positive =
            engine::Number::Raw(-e.RealNumerator(), e.RealDenominator(), 0, 1);
        denominator = term.name + ExponentSuffix(positive);
      }
      NumberText n = Number(c);
      bool signed_complex = options_.exact_numbers && c.IsComplex() && c.RealNumerator() != 0;
      if (signed_complex || c.IsIndeterminate() || c.IsComplexInfinity()) {
        n.text = u"(" + n.text + u")";
      }
      return n.text + u"/" + denominator;
    }
    return WithCoefficient(c, term.name + ExponentSuffix(e));
  }

  // A sum piece after the first: '+' unless the piece brings its own sign
  // ("x-3", not "x+-3").
  template <typename WritePiece>
  void SumPiece(bool first, WritePiece write_piece) {
    if (first) return write_piece();
    std::size_t hole = OpenHole();
    write_piece();
    if (FirstFrom(hole + 1) != u'-') out_[hole] = u'+';
  }

  void Sum(const ExprNode& node, int depth) {
    bool first = true;
    for (const SymbolTerm& term : node.terms()) {
      SumPiece(first, [&] { out_ += Term(term); });
      first = false;
    }
    for (const ExprNode& operand : node.operands()) {
      SumPiece(first, [&] { Node(operand, depth + 1); });
      first = false;
    }
    if (!node.coefficient().IsZero()) {
      SumPiece(first, [&] { out_ += Number(node.coefficient()).text; });
    }
  }

  // An operand inside a product, in brackets unless it already reads as one
  // unit (a plain call, a list, a root or a bracketed power).
  void Factor(const ExprNode& operand, int depth) {
    bool unit = (operand.IsAnyFunction() && operand.coefficient().IsOne()) || operand.IsList() ||
                (operand.IsPower() && !operand.IsSingleTerm());
    if (!unit) out_ += u'(';
    Node(operand, depth + 1);
    if (!unit) out_ += u')';
  }

  void Factors(const ExprNode& node, int depth) {
    bool first = true;
    for (const SymbolTerm& term : node.terms()) {
      if (!first) out_ += u'*';
      out_ += Term(term);
      first = false;
    }
    for (const ExprNode& operand : node.operands()) {
      if (!first) out_ += u'*';
      Factor(operand, depth);
      first = false;
    }
  }

  void Product(const ExprNode& node, int depth) {
    if (node.IsPlain()) {
      out_ += Number(node.coefficient()).text;
      return;
    }
    // A leading "-" before a bracketed sum would negate the sum on reading
    // (-(a+b) becomes -a-b) before the other factors join it; "-1*" keeps the
    // coefficient in the product.
    if (IsMinusOne(node.coefficient()) && node.TermCount() + node.OperandCount() > 1) {
      out_ += u'-';
      std::size_t one = OpenHole(), times = OpenHole();
      Factors(node, depth);
      if (FirstFrom(times + 1) == u'(') out_[one] = u'1', out_[times] = u'*';
      return;
    }
    WithCoefficient(node.coefficient(), [&] { Factors(node, depth); });
  }

  void Base(const ExprNode& operand, int depth) {
    std::size_t hole = OpenHole();
    Node(operand, depth + 1);
    if (!IsAtomFrom(hole + 1)) {
      out_[hole] = u'(';
      out_ += u')';
    }
  }

  void Power(const ExprNode& node, int depth) {
    if (node.OperandCount() == 0) {
      out_ += Number(node.coefficient()).text;
      return;
    }
    const engine::Number& e = node.coefficient();
    if (node.OperandCount() == 1) {
      if (IsHalf(e, 1.0)) return RootOf(node.Operand(0), depth + 1);
      // 1/√n of a number would read back with √n reduced first (√12 = 2√3,
      // √-7 = ⅈ√7); the power stays a power when written as one.
      if (IsHalf(e, -1.0) && !node.Operand(0).IsNumber()) {
        out_ += u"1/";
        return RootOf(node.Operand(0), depth + 1);
      }
    }
    Base(node.Operand(0), depth);
    for (std::size_t i = 1; i < node.OperandCount(); ++i) {
      out_ += u"^(";
      Node(node.Operand(i), depth + 1);
      out_ += u')';
    }
    out_ += ExponentSuffix(e);
  }

  void Arguments(const ExprNode& node, int depth) {
    for (std::size_t i = 0; i < node.OperandCount(); ++i) {
      if (i > 0) out_ += u',';
      Node(node.Operand(i), depth + 1);
    }
  }

  void Function(const ExprNode& node, int depth) {
    WithCoefficient(node.coefficient(), [&] {
      out_ += FunctionName(node.FunctionId());
      out_ += u'(';
      Arguments(node, depth);
      out_ += u')';
    });
  }

  // Lists, matrices and intervals (which have no entry syntax of their own and
  // are written as the list of their two ends).
  void List(const ExprNode& node, int depth) {
    out_ += u'{';
    Arguments(node, depth);
    out_ += u'}';
  }

  LinearTextOptions options_;
  std::u16string out_;
  bool holes_ = false;
};

}  // namespace

std::u16string LinearText(const ExprNode& node, const LinearTextOptions& options) {
  LinearWriter writer(options);
  writer.Node(node, 0);
  return writer.Take();
}

}  // namespace zentrix::engine
