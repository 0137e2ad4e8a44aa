#pragma once
// Random expressions for the property tests of the algebra engine: a seeded
// generator of small expression trees of its own, their entry text (fully
// bracketed, so the parser's precedence plays no part), and an independent
// numeric reference value with a magnitude bound that tells well-conditioned
// points from ill-conditioned ones.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/commands/evaluator.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/substitution.h"
#include "engine/core/charset.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::testkit {

// Longer runs for hunting: ZENTRIX_PROPERTY_SCALE multiplies every case count
// and ZENTRIX_PROPERTY_SEED is added to every seed (both default to the fixed
// values the suite runs with).
inline int ScaledCases(int cases) {
  const char* scale = std::getenv("ZENTRIX_PROPERTY_SCALE");
  int factor = scale ? std::atoi(scale) : 1;
  return cases * (factor > 0 ? factor : 1);
}

inline std::uint64_t PropertySeed(std::uint64_t seed) {
  const char* offset = std::getenv("ZENTRIX_PROPERTY_SEED");
  return seed + (offset ? std::strtoull(offset, nullptr, 10) : 0);
}

struct GenNode {
  enum class Kind {
    kInteger,   // value
    kFraction,  // numerator / denominator
    kDecimal,   // value, typed with its decimal digits
    kPi,
    kE,
    kVariable,  // name
    kAdd,
    kSubtract,
    kMultiply,
    kDivide,
    kNegate,
    kPower,          // children[0] ^ (numerator / denominator)
    kSymbolicPower,  // children[0] ^ children[1]
    kFunction,       // name(children[0])
  };

  Kind kind = Kind::kInteger;
  long long numerator = 0;
  long long denominator = 1;
  std::string decimal;  // the typed text of a decimal
  char16_t name = u'x';
  std::string function;
  std::vector<GenNode> children;
};

struct GeneratorOptions {
  int max_depth = 4;
  std::u16string variables = u"xyz";
  bool decimals = true;
  bool constants = true;  // π and ℯ
  bool functions = true;
  bool rounding_functions = false;   // floor, ceiling, sign (jumps: no numeric use)
  bool fractional_exponents = true;  // 1/2, 1/3, 2/3, -1/2, 3/2
  bool symbolic_exponents = false;   // base ^ (expression)
  bool fractions = true;
  int max_exponent = 4;  // integer exponents in [-max_exponent, max_exponent]
  bool negative_exponents = true;
  bool division = true;
};

class ExpressionGenerator {
 public:
  ExpressionGenerator(std::uint64_t seed, GeneratorOptions options = {})
      : random_(seed), options_(std::move(options)) {}

  GenNode Next() { return Node(0); }
  std::mt19937_64& random() { return random_; }

 private:
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

  GenNode Leaf() {
    GenNode n;
    int pick = Uniform(0, 9);
    if (pick <= 3) {
      n.kind = GenNode::Kind::kVariable;
      n.name = options_.variables[Uniform(0, static_cast<int>(options_.variables.size()) - 1)];
    } else if (pick <= 5 || (pick == 6 && !options_.fractions) ||
               (pick == 7 && !options_.decimals) || (pick >= 8 && !options_.constants)) {
      n.kind = GenNode::Kind::kInteger;
      n.numerator = Uniform(-9, 9);
    } else if (pick == 6) {
      n.kind = GenNode::Kind::kFraction;
      n.denominator = Uniform(2, 7);
      do {
        n.numerator = Uniform(-9, 9);
      } while (n.numerator == 0);
    } else if (pick == 7) {
      n.kind = GenNode::Kind::kDecimal;
      int hundredths = Uniform(1, 499);
      if (hundredths % 100 == 0) ++hundredths;  // keep a fractional part
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%d.%02d", hundredths / 100, hundredths % 100);
      n.decimal = buffer;
    } else {
      n.kind = Chance(0.5) ? GenNode::Kind::kPi : GenNode::Kind::kE;
    }
    return n;
  }

  void Exponent(GenNode& n) {
    static constexpr long long kFractions[][2] = {{1, 2}, {1, 3}, {2, 3}, {-1, 2}, {3, 2}};
    if (options_.fractional_exponents && Chance(0.3)) {
      const auto& f = kFractions[Uniform(0, 4)];
      n.numerator = f[0];
      n.denominator = f[1];
      return;
    }
    int lo = options_.negative_exponents ? -options_.max_exponent : 0;
    n.numerator = Uniform(lo, options_.max_exponent);
  }

  GenNode Node(int depth) {
    if (depth >= options_.max_depth || (depth > 0 && Chance(0.3))) return Leaf();
    GenNode n;
    int pick = Uniform(0, 11);
    using K = GenNode::Kind;
    static const char* const kFunctions[] = {"sin",  "cos", "tan",  "ln",   "exp",
                                             "sqrt", "abs", "atan", "sinh", "cosh",
                                             "tanh", "sec", "csc",  "cot",  "log10"};
    static const char* const kRounding[] = {"floor", "ceiling", "sign"};
    if (pick <= 2) {
      n.kind = K::kAdd;
    } else if (pick == 3) {
      n.kind = K::kSubtract;
    } else if (pick <= 5) {
      n.kind = K::kMultiply;
    } else if (pick == 6) {
      n.kind = options_.division ? K::kDivide : K::kMultiply;
    } else if (pick == 7) {
      n.kind = K::kNegate;
    } else if (pick <= 9) {
      n.kind = K::kPower;
      Exponent(n);
      if (options_.symbolic_exponents && Chance(0.15)) n.kind = K::kSymbolicPower;
    } else if (options_.functions) {
      n.kind = K::kFunction;
      if (options_.rounding_functions && Chance(0.15)) {
        n.function = kRounding[Uniform(0, 2)];
      } else {
        n.function = kFunctions[Uniform(0, 14)];
      }
    } else {
      n.kind = K::kAdd;
    }
    int arity = (n.kind == K::kNegate || n.kind == K::kPower || n.kind == K::kFunction) ? 1 : 2;
    for (int i = 0; i < arity; ++i) n.children.push_back(Node(depth + 1));
    return n;
  }

  std::mt19937_64 random_;
  GeneratorOptions options_;
};

// --- Entry text ---------------------------------------------------------------

// Appends the text of n; every compound part is bracketed. (Built by
// appending: GCC 12 warns falsely about chains of u16string concatenations.)
inline void AppendEntryText(const GenNode& n, std::u16string& out) {
  using K = GenNode::Kind;
  auto bracketed = [&out](const GenNode& c) {
    out += u'(';
    AppendEntryText(c, out);
    out += u')';
  };
  auto integer = [&out](long long v) {
    for (char c : std::to_string(v)) out += static_cast<char16_t>(c);
  };
  auto binary = [&](char16_t op) {
    bracketed(n.children[0]);
    out += op;
    bracketed(n.children[1]);
  };
  switch (n.kind) {
    case K::kInteger:
      if (n.numerator < 0) out += u'(';
      integer(n.numerator);
      if (n.numerator < 0) out += u')';
      return;
    case K::kFraction:
      out += u'(';
      integer(n.numerator);
      out += u'/';
      integer(n.denominator);
      out += u')';
      return;
    case K::kDecimal: out += chars::U16(n.decimal); return;
    case K::kPi: out += chars::kPi; return;
    case K::kE: out += chars::kEulerE; return;
    case K::kVariable: out += n.name; return;
    case K::kAdd: binary(u'+'); return;
    case K::kSubtract: binary(u'-'); return;
    case K::kMultiply: binary(u'*'); return;
    case K::kDivide: binary(u'/'); return;
    case K::kNegate:
      out += u'-';
      bracketed(n.children[0]);
      return;
    case K::kPower:
      bracketed(n.children[0]);
      out += u"^(";
      integer(n.numerator);
      if (n.denominator != 1) {
        out += u'/';
        integer(n.denominator);
      }
      out += u')';
      return;
    case K::kSymbolicPower: binary(u'^'); return;
    case K::kFunction:
      out += chars::U16(n.function);
      bracketed(n.children[0]);
      return;
  }
}

inline std::u16string EntryText(const GenNode& n) {
  std::u16string out;
  AppendEntryText(n, out);
  return out;
}

inline std::string EntryUtf8(const GenNode& n) { return chars::ToUtf8(EntryText(n)); }

// Binary node of two generated parts (for the order properties).
inline GenNode Combine(GenNode::Kind kind, GenNode a, GenNode b) {
  GenNode n;
  n.kind = kind;
  n.children.push_back(std::move(a));
  n.children.push_back(std::move(b));
  return n;
}

// --- Numeric reference ----------------------------------------------------------

// The value of a generated expression at a real point, computed directly in
// binary64 with principal real branches. `magnitude` bounds the size of the
// intermediate quantities (sums taken with absolute values, and the
// sensitivity of functions and divisions), so that a correct evaluation by
// another route agrees within a small multiple of it. `defined` is false where
// the reference leaves the real domain (a root or logarithm of a non-positive
// value, a non-integer power of a power whose base is negative, which the
// simplifier merges without a sign check), or where the point is ill-conditioned
// (a divisor or function argument lost in cancellation, huge values).
struct ReferenceValue {
  double value = 0;
  double magnitude = 0;
  bool defined = true;
};

using Point = std::map<char16_t, double>;

namespace reference_detail {

inline double Function(const std::string& f, double u) {
  if (f == "sin") return std::sin(u);
  if (f == "cos") return std::cos(u);
  if (f == "tan") return std::tan(u);
  if (f == "sec") return 1 / std::cos(u);
  if (f == "csc") return 1 / std::sin(u);
  if (f == "cot") return 1 / std::tan(u);
  if (f == "ln") return std::log(u);
  if (f == "log10") return std::log10(u);
  if (f == "exp") return std::exp(u);
  if (f == "sqrt") return std::sqrt(u);
  if (f == "abs") return std::fabs(u);
  if (f == "atan") return std::atan(u);
  if (f == "sinh") return std::sinh(u);
  if (f == "cosh") return std::cosh(u);
  if (f == "tanh") return std::tanh(u);
  if (f == "floor") return std::floor(u);
  if (f == "ceiling") return std::ceil(u);
  if (f == "sign") return u > 0 ? 1.0 : (u < 0 ? -1.0 : 0.0);
  return NAN;
}

// A real power with principal branches: negative bases only with integer
// exponents.
inline std::optional<double> RealPower(double base, double exponent) {
  if (std::trunc(exponent) == exponent) return std::pow(base, exponent);
  if (base <= 0) return std::nullopt;
  return std::pow(base, exponent);
}

// Whether every factor of a power's base, and every base of a power inside
// it, is positive: the simplifier splits (c·x^e)^q into c^q·x^(e·q) and merges
// (u^a)^q into u^(a·q) without a sign check, which changes the branch of a
// non-integer power q when one of them is negative.
inline bool PowerChainPositive(const GenNode& n, const Point& point);

inline ReferenceValue Evaluate(const GenNode& n, const Point& point);

// The magnitude of n^t once integer powers are distributed over products,
// merged and multiplied out; nothing where a negative total power puts a sum
// that cancels into a denominator of the expanded form.
inline std::optional<double> ExpandedMagnitude(const GenNode& n, double t, const Point& point) {
  using K = GenNode::Kind;
  switch (n.kind) {
    case K::kPower:
      if (n.denominator == 1) {
        return ExpandedMagnitude(n.children[0], t * static_cast<double>(n.numerator), point);
      }
      break;
    case K::kNegate: return ExpandedMagnitude(n.children[0], t, point);
    case K::kMultiply:
    case K::kDivide: {
      std::optional<double> a = ExpandedMagnitude(n.children[0], t, point);
      std::optional<double> b =
          ExpandedMagnitude(n.children[1], n.kind == K::kDivide ? -t : t, point);
      if (!a || !b) return std::nullopt;
      return *a * *b;
    }
    default: break;
  }
  ReferenceValue v = Evaluate(n, point);
  if (!v.defined) return std::nullopt;
  if (t >= 0) return std::pow(v.magnitude, t);
  const double value = std::pow(std::fabs(v.value), -t);
  const double bound = std::pow(v.magnitude, -t);
  if (!(value > 1e-4 * bound)) return std::nullopt;
  return bound / (value * value);
}

inline bool VariablesPositive(const GenNode& n, const Point& point) {
  if (n.kind == GenNode::Kind::kVariable) {
    auto it = point.find(n.name);
    return it != point.end() && it->second > 0;
  }
  for (const GenNode& c : n.children) {
    if (!VariablesPositive(c, point)) return false;
  }
  return true;
}

inline ReferenceValue Evaluate(const GenNode& n, const Point& point) {
  using K = GenNode::Kind;
  constexpr double kCancellation = 1e-4;  // a divisor smaller than this share of its size
  ReferenceValue r;
  auto undefined = [] { return ReferenceValue{0, 0, false}; };
  switch (n.kind) {
    case K::kInteger: r.value = static_cast<double>(n.numerator); break;
    case K::kFraction:
      r.value = static_cast<double>(n.numerator) / static_cast<double>(n.denominator);
      break;
    case K::kDecimal: r.value = std::stod(n.decimal); break;
    case K::kPi: r.value = 3.141592653589793; break;
    case K::kE: r.value = 2.718281828459045; break;
    case K::kVariable: {
      auto it = point.find(n.name);
      if (it == point.end()) return undefined();
      r.value = it->second;
      break;
    }
    case K::kNegate: {
      r = Evaluate(n.children[0], point);
      r.value = -r.value;
      return r;
    }
    case K::kAdd:
    case K::kSubtract:
    case K::kMultiply:
    case K::kDivide: {
      ReferenceValue a = Evaluate(n.children[0], point);
      ReferenceValue b = Evaluate(n.children[1], point);
      if (!a.defined || !b.defined) return undefined();
      if (n.kind == K::kAdd || n.kind == K::kSubtract) {
        r.value = n.kind == K::kAdd ? a.value + b.value : a.value - b.value;
        r.magnitude = a.magnitude + b.magnitude;
      } else if (n.kind == K::kMultiply) {
        r.value = a.value * b.value;
        r.magnitude = a.magnitude * b.magnitude;
      } else {
        if (std::fabs(b.value) <= kCancellation * b.magnitude) return undefined();
        r.value = a.value / b.value;
        r.magnitude = (a.magnitude + std::fabs(r.value) * b.magnitude) / std::fabs(b.value);
      }
      break;
    }
    case K::kPower:
    case K::kSymbolicPower: {
      ReferenceValue a = Evaluate(n.children[0], point);
      if (!a.defined) return undefined();
      double e = static_cast<double>(n.numerator) / static_cast<double>(n.denominator);
      double e_magnitude = std::fabs(e);
      if (n.kind == K::kSymbolicPower) {
        ReferenceValue b = Evaluate(n.children[1], point);
        if (!b.defined) return undefined();
        e = b.value;
        e_magnitude = b.magnitude;
        // The engine keeps a^b symbolic and may rewrite it through exp and ln.
        if (a.value <= 0) return undefined();
      }
      bool integral = std::trunc(e) == e && n.kind == K::kPower;
      if (!integral && !PowerChainPositive(n.children[0], point)) return undefined();
      // 0^0 is indeterminate and 0^-n complex infinity in the engine.
      if (e <= 0 && std::fabs(a.value) <= kCancellation * a.magnitude) return undefined();
      if (!integral && a.value <= kCancellation * a.magnitude) return undefined();
      std::optional<double> v = RealPower(a.value, e);
      if (!v) return undefined();
      r.value = *v;
      double relative = a.value == 0 ? 0 : a.magnitude / std::fabs(a.value);
      r.magnitude =
          std::fabs(r.value) *
          (1 + e_magnitude * relative +
           (n.kind == K::kSymbolicPower ? std::fabs(std::log(a.value)) * e_magnitude : 0));
      if (integral) {
        // Integer powers distribute over products and merge with inner
        // integer powers, and Expand then multiplies out the sums at the
        // bottom: the expanded form is bounded by their magnitudes.
        std::optional<double> expanded = ExpandedMagnitude(n.children[0], e, point);
        if (!expanded) return undefined();
        r.magnitude = std::max(r.magnitude, *expanded);
      }
      break;
    }
    case K::kFunction: {
      ReferenceValue a = Evaluate(n.children[0], point);
      if (!a.defined) return undefined();
      const std::string& f = n.function;
      double u = a.value;
      if ((f == "ln" || f == "log10" || f == "sqrt") &&
          u <= kCancellation * std::max(a.magnitude, 1.0)) {
        return undefined();
      }
      if ((f == "floor" || f == "ceiling" || f == "sign" || f == "abs") &&
          std::fabs(u - std::round(u)) <= kCancellation * std::max(a.magnitude, 1.0) &&
          f != "abs") {
        return undefined();
      }
      if (f == "abs" && std::fabs(u) <= kCancellation * a.magnitude) return undefined();
      // sqrt is the power 1/2 in the engine, with the same merging of powers.
      if (f == "sqrt" && !PowerChainPositive(n.children[0], point)) return undefined();
      r.value = Function(f, u);
      double h = 1e-6 * (1 + std::fabs(u));
      double slope = (Function(f, u + h) - Function(f, u - h)) / (2 * h);
      if (f == "floor" || f == "ceiling" || f == "sign") slope = 0;
      if (!std::isfinite(slope)) return undefined();
      // A pole or an argument too large for the circular functions.
      if (std::fabs(slope) * a.magnitude > 1e8) return undefined();
      r.magnitude = std::fabs(r.value) + std::fabs(slope) * a.magnitude;
      break;
    }
  }
  if (n.kind != K::kAdd && n.kind != K::kSubtract && n.kind != K::kMultiply &&
      n.kind != K::kDivide && n.kind != K::kPower && n.kind != K::kSymbolicPower &&
      n.kind != K::kFunction) {
    r.magnitude = std::fabs(r.value);
  }
  if (!std::isfinite(r.value) || !std::isfinite(r.magnitude) || r.magnitude > 1e10) {
    return undefined();
  }
  return r;
}

inline bool InnerPowerBasesPositive(const GenNode& n, const Point& point) {
  if (n.kind == GenNode::Kind::kPower || n.kind == GenNode::Kind::kSymbolicPower) {
    ReferenceValue base = Evaluate(n.children[0], point);
    if (!base.defined || base.value <= 0) return false;
  }
  for (const GenNode& c : n.children) {
    if (!InnerPowerBasesPositive(c, point)) return false;
  }
  return true;
}

inline bool PowerChainPositive(const GenNode& n, const Point& point) {
  using K = GenNode::Kind;
  switch (n.kind) {
    case K::kMultiply:
    case K::kDivide:
      return PowerChainPositive(n.children[0], point) && PowerChainPositive(n.children[1], point);
    case K::kNegate: return false;
    case K::kPower:
    case K::kSymbolicPower: {
      ReferenceValue base = Evaluate(n.children[0], point);
      return base.defined && base.value > 0 && PowerChainPositive(n.children[0], point);
    }
    default: {
      // A base that simplifies to a single term c·x^e is split as well, and
      // one that simplifies to a single power (u + 0·v)^a is merged.
      if (!VariablesPositive(n, point) || !InnerPowerBasesPositive(n, point)) return false;
      if (n.kind == K::kFunction && n.function == "sqrt" &&
          !PowerChainPositive(n.children[0], point)) {
        return false;
      }
      ReferenceValue v = Evaluate(n, point);
      return v.defined && v.value > 0;
    }
  }
}

}  // namespace reference_detail

inline ReferenceValue Reference(const GenNode& n, const Point& point) {
  return reference_detail::Evaluate(n, point);
}

// A random point: each variable in [-3, 3] or, half of the time, in (0, 3],
// never close to an integer (integers would send the engine down its exact
// paths, which the property tests of exact results cover).
inline Point RandomPoint(std::mt19937_64& random, std::u16string_view variables) {
  Point p;
  for (char16_t v : variables) {
    double value;
    do {
      bool positive = std::bernoulli_distribution(0.5)(random);
      value = std::uniform_real_distribution<double>(positive ? 0.05 : -3.0, 3.0)(random);
    } while (std::fabs(value - std::round(value)) < 0.02);
    p[v] = value;
  }
  return p;
}

inline bool ContainsInterval(const ExprNode& node) {
  if (node.IsInterval()) return true;
  for (const ExprNode& op : node.operands()) {
    if (ContainsInterval(op)) return true;
  }
  return false;
}

// --- The engine's side ----

// Tree equality that lets decimal coefficients differ by rounding: the same
// kinds, names, shapes and exact numbers, and decimals within `relative`.
inline bool NearlyEqualNumbers(const Number& a, const Number& b, double relative) {
  if (a == b) return true;
  if (!a.IsFinite() || !b.IsFinite()) return false;
  bool exact_a = a.RealDenominator() != 1 || a.ImagDenominator() != 1 ||
                 (std::trunc(a.RealNumerator()) == a.RealNumerator() &&
                  std::trunc(a.ImagNumerator()) == a.ImagNumerator());
  bool exact_b = b.RealDenominator() != 1 || b.ImagDenominator() != 1 ||
                 (std::trunc(b.RealNumerator()) == b.RealNumerator() &&
                  std::trunc(b.ImagNumerator()) == b.ImagNumerator());
  if (exact_a && exact_b) return false;
  double scale =
      std::max(std::hypot(a.RealValue(), a.ImagValue()), std::hypot(b.RealValue(), b.ImagValue()));
  return std::hypot(a.RealValue() - b.RealValue(), a.ImagValue() - b.ImagValue()) <=
         relative * scale;
}

inline bool NearlyEqualTrees(const ExprNode& a, const ExprNode& b, double relative = 1e-12) {
  if (a.kind() != b.kind() || a.TermCount() != b.TermCount() ||
      a.OperandCount() != b.OperandCount() ||
      !NearlyEqualNumbers(a.coefficient(), b.coefficient(), relative)) {
    return false;
  }
  for (std::size_t i = 0; i < a.TermCount(); ++i) {
    const SymbolTerm& s = a.Term(i);
    const SymbolTerm& t = b.Term(i);
    if (s.name != t.name || !NearlyEqualNumbers(s.coefficient, t.coefficient, relative) ||
        !NearlyEqualNumbers(s.exponent, t.exponent, relative)) {
      return false;
    }
  }
  for (std::size_t i = 0; i < a.OperandCount(); ++i) {
    if (!NearlyEqualTrees(a.Operand(i), b.Operand(i), relative)) return false;
  }
  return true;
}

inline std::optional<ExprNode> EvaluateText(std::u16string_view text) {
  Evaluator evaluator;
  EvaluationResult result = evaluator.Evaluate(text);
  if (!result.ok || result.final_text) return std::nullopt;
  return result.value;
}

// As above, but nothing for an overflowed result (a coefficient whose parts
// are not finite): the notebook reports those as an overflow instead of
// showing them, and a NaN part makes a tree unequal even to itself.
inline std::optional<ExprNode> EvaluateFinite(std::u16string_view text) {
  std::optional<ExprNode> value = EvaluateText(text);
  if (value && HasOverflow(*value)) return std::nullopt;
  return value;
}

// The numeric value of an engine tree at the point: the variables substituted
// and the tree approximated. Nothing when the result is not a finite number.
struct EngineValue {
  double real = 0;
  double imaginary = 0;
};

inline std::optional<EngineValue> EngineValueAt(const ExprNode& tree, const Point& point) {
  std::vector<Binding> bindings;
  for (const auto& [name, value] : point) {
    bindings.push_back({std::u16string(1, name), ExprNode::MakeNumber(Number(value))});
  }
  ExprNode value = Approximate(Substitute(tree, bindings));
  if (!value.IsNumber() || !value.coefficient().IsFinite()) return std::nullopt;
  return EngineValue{value.coefficient().RealValue(), value.coefficient().ImagValue()};
}

// A description of a point for failure messages.
inline std::string PointText(const Point& point) {
  std::string s;
  for (const auto& [name, value] : point) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%c=%.17g", s.empty() ? "" : ", ",
                  static_cast<char>(name), value);
    s += buffer;
  }
  return s;
}

}  // namespace zentrix::engine::testkit
