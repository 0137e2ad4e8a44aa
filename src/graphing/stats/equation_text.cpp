#include "graphing/stats/equation_text.h"

#include "graphing/stats/number_text.h"

namespace zentrix::graphing {
namespace {

constexpr char16_t kE = 220;  // e in the program's character set

// Writes coefficients either as trimmed decimals joined the way a person writes them ("2x-3")
// or bracketed at full precision with explicit products ("(2)*x+(-3)").
class Writer {
 public:
  explicit Writer(int decimals) : decimals_(decimals) {}

  bool exact() const { return decimals_ < 0; }

  // A coefficient that starts a term or stands alone.
  std::u16string Lead(double v) const {
    if (!exact()) return FormatTrimmed(v, decimals_);
    std::u16string text(1, u'(');
    text += FormatExact(v);
    text += u')';
    return text;
  }
  // A coefficient added to what precedes it: "+" unless its text brings its own sign.
  std::u16string Added(double v) const {
    std::u16string text = Lead(v);
    return exact() || !text.starts_with(u'-') ? Prefixed(u'+', text) : text;
  }
  // A coefficient subtracted: "-B", or the magnitude alone when B's own text is negative.
  std::u16string Subtracted(double v) const {
    std::u16string text = Lead(v);
    if (!exact() && text.starts_with(u'-')) return text.substr(1);
    return Prefixed(u'-', text);
  }
  // The product sign between a coefficient and what it multiplies.
  std::u16string_view Times() const { return exact() ? u"*" : u""; }

 private:
  static std::u16string Prefixed(char16_t sign, const std::u16string& text) {
    std::u16string result(1, sign);
    result += text;
    return result;
  }

  int decimals_;
};

std::u16string Polynomial(const Writer& w, std::span<const double> c) {
  const int degree = static_cast<int>(c.size()) - 1;
  std::u16string text;
  for (int i = 0; i <= degree; ++i) {
    const int power = degree - i;
    text += i == 0 ? w.Lead(c[i]) : w.Added(c[i]);
    if (power >= 1) {
      text += w.Times();
      text += u"x";
    }
    if (power >= 2) {
      text += u'^';
      text += static_cast<char16_t>(u'0' + power);
    }
  }
  return text;
}

}  // namespace

std::u16string RegressionEquation(RegressionModel model, std::span<const double> c, int decimals) {
  const Writer w(decimals);
  const std::u16string e(1, kE);
  switch (model) {
    case RegressionModel::kCubic:
    case RegressionModel::kQuadratic:
    case RegressionModel::kQuartic:
    case RegressionModel::kLinear:
    case RegressionModel::kMedianMedian: {
      const std::size_t degree = model == RegressionModel::kCubic       ? 3
                                 : model == RegressionModel::kQuadratic ? 2
                                 : model == RegressionModel::kQuartic   ? 4
                                                                        : 1;
      return Polynomial(w, c.first(degree + 1));
    }
    case RegressionModel::kNaturalExponential:
      return w.Lead(c[0]) + std::u16string(w.Times()) + e + u"^(" + w.Lead(c[1]) +
             std::u16string(w.Times()) + u"x)";
    case RegressionModel::kExponential: return w.Lead(c[0]) + u"*" + w.Lead(c[1]) + u"^x";
    case RegressionModel::kLogarithmic:
      return w.Lead(c[0]) + w.Added(c[1]) + std::u16string(w.Times()) + u"ln(x)";
    case RegressionModel::kLogistic:
      return w.Lead(c[2]) + u"/(1" + w.Added(c[0]) + u"*" + e + u"^(" + w.Subtracted(c[1]) +
             u"*x))";
    case RegressionModel::kPower:
      return w.Lead(c[0]) + std::u16string(w.Times()) + u"x^" + w.Lead(c[1]);
    case RegressionModel::kSinusoidal:
      return w.Lead(c[0]) + std::u16string(w.Times()) + u"sin(" + w.Lead(c[1]) +
             std::u16string(w.Times()) + u"x" + w.Added(c[2]) + u")" + w.Added(c[3]);
    case RegressionModel::kNone: break;
  }
  return {};
}

}  // namespace zentrix::graphing
