#include "engine/commands/poly_convert.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/commands/poly_coefficients.h"
#include "engine/commands/poly_limits.h"
#include "engine/commands/poly_tree_ops.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::poly {
namespace {

std::size_t Mix(std::size_t h, std::size_t v) {
  return h ^ (v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
}

std::size_t HashNumber(const Number& n) {
  std::hash<double> hd;
  std::size_t h = static_cast<std::size_t>(n.kind());
  h = Mix(h, hd(n.RealNumerator()));
  h = Mix(h, hd(n.RealDenominator()));
  h = Mix(h, hd(n.ImagNumerator()));
  return Mix(h, hd(n.ImagDenominator()));
}

bool IsSpecialName(std::u16string_view name) {
  return name.size() == 1 && (name[0] == chars::kPi || name[0] == chars::kEulerE);
}

// The order of symbol names in canonical term lists: π and e first, then the
// names compared as texts.
int CompareNames(std::u16string_view a, std::u16string_view b) {
  if (a == b) return 0;
  const bool sa = IsSpecialName(a), sb = IsSpecialName(b);
  if (sa != sb) return sa ? -1 : 1;
  return a < b ? -1 : 1;
}

bool TermBefore(const SymbolTerm& a, const SymbolTerm& b) {
  const int c = CompareNames(a.name, b.name);
  if (c != 0) return c < 0;
  return a.exponent.RealValue() > b.exponent.RealValue();
}

// Products in a sum sort by their coefficients (real values first, ascending);
// equal coefficients by their factor lists.
bool ProductBefore(const ExprNode& a, const ExprNode& b) {
  const Number& ca = a.coefficient();
  const Number& cb = b.coefficient();
  if (ca.IsReal() != cb.IsReal()) return ca.IsReal();
  if (ca.IsReal() && ca.RealValue() != cb.RealValue()) return ca.RealValue() < cb.RealValue();
  const std::size_t n = std::min(a.TermCount(), b.TermCount());
  for (std::size_t i = 0; i < n; ++i) {
    if (TermBefore(a.Term(i), b.Term(i))) return true;
    if (TermBefore(b.Term(i), a.Term(i))) return false;
  }
  return a.TermCount() < b.TermCount();
}

std::optional<Exponent> IntegerExponent(const Number& e) {
  if (!e.IsInteger()) return std::nullopt;
  const double v = e.RealValue();
  if (std::fabs(v) > static_cast<double>(kMaxExponent)) throw PolyTooLarge();
  return static_cast<Exponent>(v);
}

class Converter {
 public:
  explicit Converter(AtomTable& atoms) : atoms_(atoms) {}

  std::optional<Poly> Convert(const ExprNode& node) {
    if (node.IsList()) return std::nullopt;
    switch (node.kind()) {
      case NodeKind::kSum:
        return ConvertSum(node);
      case NodeKind::kProduct:
        return ConvertProduct(node);
      case NodeKind::kPower:
        return ConvertPower(node);
      default:
        break;
    }
    // A function application: its coefficient times the application as an atom.
    ExprNode kernel = node;
    kernel.set_coefficient(Number(1.0));
    Poly p = Atom(atoms_.FindOrAddKernel(kernel), 1);
    return p.Scaled(node.coefficient());
  }

 private:
  Poly Atom(int atom, Exponent e) {
    return Poly::Monomial(atoms_.size(), Number(1.0), atom, e);
  }

  Poly Term(const SymbolTerm& t) {
    if (auto e = IntegerExponent(t.exponent)) {
      if (*e == 0) return Poly::Constant(atoms_.size(), t.coefficient);
      const int atom = atoms_.FindOrAddSymbol(t.name);
      return Poly::Monomial(atoms_.size(), t.coefficient, atom, *e);
    }
    // x^(1/2) and the like: the power of the symbol is an atom of its own.
    ExprNode kernel = ExprNode::MakeTerm(SymbolTerm{t.name, Number(1.0), t.exponent});
    const int atom = atoms_.FindOrAddKernel(kernel);
    return Poly::Monomial(atoms_.size(), t.coefficient, atom, 1);
  }

  static void Match(Poly& a, Poly& b) {
    const int n = std::max(a.nvars(), b.nvars());
    a.Widen(n);
    b.Widen(n);
  }

  Poly Plus(Poly a, Poly b) {
    Match(a, b);
    return a + b;
  }

  Poly Times(Poly a, Poly b) {
    Match(a, b);
    return a * b;
  }

  std::optional<Poly> ConvertSum(const ExprNode& node) {
    Poly sum = Poly::Constant(atoms_.size(), node.coefficient());
    for (const SymbolTerm& t : node.terms()) sum = Plus(std::move(sum), Term(t));
    for (const ExprNode& op : node.operands()) {
      auto p = Convert(op);
      if (!p) return std::nullopt;
      sum = Plus(std::move(sum), std::move(*p));
    }
    return sum;
  }

  std::optional<Poly> ConvertProduct(const ExprNode& node) {
    Poly product = Poly::Constant(atoms_.size(), node.coefficient());
    for (const SymbolTerm& t : node.terms()) product = Times(std::move(product), Term(t));
    for (const ExprNode& op : node.operands()) {
      auto p = Convert(op);
      if (!p) return std::nullopt;
      product = Times(std::move(product), std::move(*p));
    }
    return product;
  }

  std::optional<Poly> ConvertPower(const ExprNode& node) {
    std::optional<Exponent> n;
    if (node.IsOperandPower()) n = IntegerExponent(node.coefficient());
    if (!n) return Atom(atoms_.FindOrAddKernel(node), 1);
    const ExprNode& base = node.Operand(0);
    if (base.IsList()) return std::nullopt;
    auto b = Convert(base);
    if (!b) return std::nullopt;
    if (*n >= 0) {
      Poly p = b->Power(*n);
      p.Widen(atoms_.size());
      return p;
    }
    // A negative power: a monomial is inverted; anything else is expanded to
    // the positive power and its reciprocal kept as an atom.
    Poly positive = b->Power(-*n);
    if (positive.size() == 1) return Invert(positive);
    ExprNode expanded = FromPoly(positive, atoms_);
    if (!expanded.IsSum()) {
      auto again = Convert(expanded);
      if (again && again->size() == 1) return Invert(*again);
    }
    return Atom(atoms_.FindOrAddKernel(expanded), -1);
  }

  Poly Invert(const Poly& monomial) {
    Poly p = monomial;
    p.Widen(atoms_.size());
    std::vector<Exponent> e(p.Exps(0), p.Exps(0) + p.nvars());
    for (Exponent& x : e) x = -x;
    Poly out(p.nvars());
    out.Append(e.data(), Divide(Number(1.0), p.Coeff(0)));
    out.Normalize();
    return out;
  }

  AtomTable& atoms_;
};

// A single monomial that involves a kernel, built with the tree arithmetic so
// that the simplifier merges it with its neighbours.
ExprNode KernelMonomial(const Poly& p, std::size_t i, const AtomTable& atoms) {
  ExprNode out = ExprNode::MakeNumber(p.Coeff(i));
  for (int v = 0; v < p.nvars(); ++v) {
    const Exponent e = p.Exp(i, v);
    if (e == 0) continue;
    const Number exponent(static_cast<double>(e));
    ExprNode factor = atoms.IsSymbol(v)
                          ? ExprNode::MakeTerm(SymbolTerm{atoms.Name(v), Number(1.0), exponent})
                          : TreePower(atoms.Kernel(v), exponent);
    out = TreeMultiply(out, factor);
  }
  return out;
}

bool PolynomialTerms(const std::vector<SymbolTerm>& terms) {
  return std::all_of(terms.begin(), terms.end(), [](const SymbolTerm& t) {
    return t.exponent.IsInteger() && t.exponent.RealValue() >= 0 && t.coefficient.IsFinite();
  });
}

}  // namespace

AtomTable::AtomTable(const std::vector<std::u16string>& names) {
  for (const auto& name : names) FindOrAddSymbol(name);
}

int AtomTable::FindSymbol(std::u16string_view name) const {
  for (int i = 0; i < size(); ++i) {
    if (atoms_[i].is_symbol && atoms_[i].name == name) return i;
  }
  return -1;
}

int AtomTable::FindOrAddSymbol(std::u16string_view name) {
  const int found = FindSymbol(name);
  if (found >= 0) return found;
  atoms_.push_back(Atom{true, std::u16string(name), ExprNode()});
  return size() - 1;
}

int AtomTable::FindOrAddKernel(const ExprNode& kernel) {
  const std::size_t h = HashTree(kernel);
  auto range = kernel_index_.equal_range(h);
  for (auto it = range.first; it != range.second; ++it) {
    if (atoms_[it->second].kernel == kernel) return it->second;
  }
  atoms_.push_back(Atom{false, std::u16string(), kernel});
  kernel_index_.emplace(h, size() - 1);
  return size() - 1;
}

bool AtomTable::OnlySymbols(const Poly& p) const {
  for (int v : p.UsedVariables()) {
    if (!IsSymbol(v)) return false;
  }
  return true;
}

std::optional<Poly> ToPoly(const ExprNode& node, AtomTable& atoms) {
  Converter converter(atoms);
  auto p = converter.Convert(node);
  if (p) p->Widen(atoms.size());
  return p;
}

std::optional<Poly> ToPolynomial(const ExprNode& node, AtomTable& atoms) {
  auto p = ToPoly(node, atoms);
  if (!p || !atoms.OnlySymbols(*p) || !p->HasNonNegativeExponents()) return std::nullopt;
  for (std::size_t i = 0; i < p->size(); ++i) {
    if (!p->Coeff(i).IsFinite() || p->Coeff(i).HasNonFiniteField()) return std::nullopt;
  }
  return p;
}

ExprNode FromPoly(const Poly& p, const AtomTable& atoms) {
  Number constant;
  std::vector<SymbolTerm> terms;
  std::vector<ExprNode> products;
  std::vector<ExprNode> kernel_monomials;
  for (std::size_t i = 0; i < p.size(); ++i) {
    int used = 0;
    bool kernel = false;
    int last = -1;
    for (int v = 0; v < p.nvars(); ++v) {
      if (p.Exp(i, v) == 0) continue;
      ++used;
      last = v;
      if (!atoms.IsSymbol(v)) kernel = true;
    }
    if (kernel) {
      kernel_monomials.push_back(KernelMonomial(p, i, atoms));
    } else if (used == 0) {
      constant = Add(constant, p.Coeff(i));
    } else if (used == 1) {
      terms.push_back(
          SymbolTerm{atoms.Name(last), p.Coeff(i), Number(static_cast<double>(p.Exp(i, last)))});
    } else {
      ExprNode product = ExprNode::MakeProduct(p.Coeff(i));
      for (int v = 0; v < p.nvars(); ++v) {
        if (p.Exp(i, v) == 0) continue;
        product.AddTerm(
            SymbolTerm{atoms.Name(v), Number(1.0), Number(static_cast<double>(p.Exp(i, v)))});
      }
      auto& factors = product.mutable_terms();
      std::sort(factors.begin(), factors.end(), TermBefore);
      products.push_back(std::move(product));
    }
  }
  std::sort(terms.begin(), terms.end(), TermBefore);
  std::stable_sort(products.begin(), products.end(), ProductBefore);

  ExprNode sum = ExprNode::MakeNumber(constant);
  sum.mutable_terms() = std::move(terms);
  sum.mutable_operands() = std::move(products);
  if (!kernel_monomials.empty()) {
    for (ExprNode& m : kernel_monomials) Absorb(sum, std::move(m));
    CanonicalizeNode(sum);
    return sum;
  }
  if (sum.TermCount() == 0 && sum.OperandCount() == 1 && constant.IsZero()) {
    ExprNode only = std::move(sum.Operand(0));
    return only;
  }
  return sum;
}

bool IsPolynomialTree(const ExprNode& node) {
  if (node.IsNumber()) return true;
  if (node.IsProduct()) {
    return node.OperandCount() == 0 && node.coefficient().IsFinite() &&
           PolynomialTerms(node.terms());
  }
  if (!node.IsSum() || !node.coefficient().IsFinite() || !PolynomialTerms(node.terms())) {
    return false;
  }
  return std::all_of(node.operands().begin(), node.operands().end(), [](const ExprNode& op) {
    return op.IsProduct() && op.OperandCount() == 0 && op.coefficient().IsFinite() &&
           PolynomialTerms(op.terms());
  });
}

std::size_t HashTree(const ExprNode& node) {
  std::size_t h = Mix(static_cast<std::size_t>(ToInt(node.kind())), HashNumber(node.coefficient()));
  for (const SymbolTerm& t : node.terms()) {
    h = Mix(h, std::hash<std::u16string>()(t.name));
    h = Mix(h, HashNumber(t.coefficient));
    h = Mix(h, HashNumber(t.exponent));
  }
  for (const ExprNode& op : node.operands()) h = Mix(h, HashTree(op));
  return h;
}

}  // namespace zentrix::engine::poly
