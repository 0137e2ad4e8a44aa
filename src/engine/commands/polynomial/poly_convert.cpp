#include "engine/commands/polynomial/poly_convert.h"

#include <algorithm>
#include <cmath>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::poly {
namespace {

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
      case NodeKind::kSum: return ConvertSum(node);
      case NodeKind::kProduct: return ConvertProduct(node);
      case NodeKind::kPower: return ConvertPower(node);
      default: break;
    }
    // A function application: its coefficient times the application as an atom.
    ExprNode kernel = node;
    kernel.set_coefficient(Number(1.0));
    Poly p = Atom(atoms_.FindOrAddKernel(kernel), 1);
    return p.Scaled(node.coefficient());
  }

 private:
  Poly Atom(int atom, Exponent e) { return Poly::Monomial(atoms_.size(), Number(1.0), atom, e); }

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

  Poly Times(Poly a, Poly b) {
    Match(a, b);
    return a * b;
  }

  // The parts of a sum are gathered and merged once, so a long sum costs
  // O(n log n) rather than one merge per part.
  std::optional<Poly> ConvertSum(const ExprNode& node) {
    std::vector<Poly> parts;
    parts.push_back(Poly::Constant(atoms_.size(), node.coefficient()));
    for (const SymbolTerm& t : node.terms()) parts.push_back(Term(t));
    for (const ExprNode& op : node.operands()) {
      auto p = Convert(op);
      if (!p) return std::nullopt;
      parts.push_back(std::move(*p));
    }
    const int n = atoms_.size();
    std::size_t total = 0;
    for (const Poly& p : parts) total += p.size();
    CheckTermCount(static_cast<std::int64_t>(total));
    Poly sum(n);
    for (Poly& p : parts) {
      p.Widen(n);
      for (std::size_t i = 0; i < p.size(); ++i) sum.Append(p.Exps(i), p.Coeff(i));
    }
    sum.Normalize();
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
  std::vector<ExprNode> factors{ExprNode::MakeNumber(p.Coeff(i))};
  for (int v = 0; v < p.nvars(); ++v) {
    const Exponent e = p.Exp(i, v);
    if (e == 0) continue;
    const Number exponent(static_cast<double>(e));
    factors.push_back(atoms.IsSymbol(v)
                          ? ExprNode::MakeTerm(SymbolTerm{atoms.Name(v), Number(1.0), exponent})
                          : TreePower(atoms.Kernel(v), exponent));
  }
  return ProductOfTrees(std::move(factors));
}

// The symbol atoms in the order their terms take inside a product, and each
// one's place in plain name order, by which whole products compare.
struct SymbolOrder {
  std::vector<int> in_product;
  std::vector<int> name_rank;  // by atom index
};

SymbolOrder OrderSymbols(const AtomTable& atoms) {
  SymbolOrder order;
  order.name_rank.assign(static_cast<std::size_t>(atoms.size()), 0);
  for (int v = 0; v < atoms.size(); ++v) {
    if (atoms.IsSymbol(v)) order.in_product.push_back(v);
  }
  std::vector<int> by_name = order.in_product;
  std::sort(by_name.begin(), by_name.end(),
            [&](int a, int b) { return atoms.Name(a) < atoms.Name(b); });
  for (std::size_t r = 0; r < by_name.size(); ++r)
    order.name_rank[by_name[r]] = static_cast<int>(r);
  std::sort(order.in_product.begin(), order.in_product.end(), [&](int a, int b) {
    return TermBefore(SymbolTerm{atoms.Name(a), Number(1.0), Number(1.0)},
                      SymbolTerm{atoms.Name(b), Number(1.0), Number(1.0)});
  });
  return order;
}

// Puts the products of symbols built from p's terms in canonical operand
// order, which for such products is: by coefficient, then by number of
// factors, then factor by factor by name and exponent. The order is read from
// keys made from p's exponent vectors rather than from the trees. False
// (nothing moved) when a coefficient is not a finite whole or decimal value;
// the caller sorts the trees then.
bool OrderProducts(const Poly& p, const SymbolOrder& order,
                   const std::vector<std::uint32_t>& product_terms,
                   std::vector<ExprNode>& products) {
  struct Key {
    double coefficient;
    std::uint32_t factors;
    std::uint32_t first;  // of its factor keys
  };
  std::vector<Key> keys;
  keys.reserve(products.size());
  // Each factor as name rank, then exponent, in one number that orders both.
  std::vector<std::int64_t> factor_keys;
  for (std::size_t k = 0; k < products.size(); ++k) {
    const Number& c = products[k].coefficient();
    if (!c.IsIntegerOrDecimal() || !std::isfinite(c.RealNumerator())) return false;
    keys.push_back({c.RealNumerator(), static_cast<std::uint32_t>(products[k].TermCount()),
                    static_cast<std::uint32_t>(factor_keys.size())});
    const Exponent* e = p.Exps(product_terms[k]);
    for (int v : order.in_product) {
      if (e[v] == 0) continue;
      factor_keys.push_back((static_cast<std::int64_t>(order.name_rank[v]) << 32) +
                            (static_cast<std::int64_t>(e[v]) + 0x80000000LL));
    }
  }
  auto before = [&](std::uint32_t a, std::uint32_t b) {
    const Key& ka = keys[a];
    const Key& kb = keys[b];
    if (ka.coefficient != kb.coefficient) return ka.coefficient < kb.coefficient;
    if (ka.factors != kb.factors) return ka.factors < kb.factors;
    const std::int64_t* fa = factor_keys.data() + ka.first;
    const std::int64_t* fb = factor_keys.data() + kb.first;
    return std::lexicographical_compare(fa, fa + ka.factors, fb, fb + kb.factors);
  };
  std::vector<std::uint32_t> sorted(products.size());
  for (std::uint32_t k = 0; k < sorted.size(); ++k) sorted[k] = k;
  std::sort(sorted.begin(), sorted.end(), before);
  std::vector<ExprNode> moved;
  moved.reserve(products.size());
  for (std::uint32_t k : sorted) moved.push_back(std::move(products[k]));
  products = std::move(moved);
  return true;
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
  const SymbolOrder order = OrderSymbols(atoms);
  Number constant;
  std::vector<SymbolTerm> terms;
  std::vector<ExprNode> products;
  std::vector<std::uint32_t> product_terms;  // the index in p of each product
  std::vector<ExprNode> kernel_monomials;
  products.reserve(p.size());
  product_terms.reserve(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    // Monomials of kernels copy whole trees; a spent budget discards the result.
    if (!CountWork(p.nvars())) break;
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
      // The factors go in in term order, so the product needs no sorting.
      ExprNode product = ExprNode::MakeProduct(p.Coeff(i));
      product.mutable_terms().reserve(static_cast<std::size_t>(used));
      for (int v : order.in_product) {
        const Exponent e = p.Exp(i, v);
        if (e != 0) product.AddTerm(SymbolTerm{atoms.Name(v), Number(1.0), Number(e)});
      }
      products.push_back(std::move(product));
      product_terms.push_back(static_cast<std::uint32_t>(i));
    }
  }

  ExprNode sum = ExprNode::MakeNumber(constant);
  sum.mutable_terms() = std::move(terms);
  if (!kernel_monomials.empty()) {
    sum.mutable_operands() = std::move(products);
    for (ExprNode& m : kernel_monomials) Absorb(sum, std::move(m));
    CanonicalizeNode(sum);
    return sum;
  }
  if (sum.TermCount() == 0 && products.size() == 1 && constant.IsZero()) {
    ExprNode only = std::move(products.front());
    return only;
  }
  if (OrderProducts(p, order, product_terms, products)) {
    auto& sorted_terms = sum.mutable_terms();
    if (!std::is_sorted(sorted_terms.begin(), sorted_terms.end(), TermBefore)) {
      std::stable_sort(sorted_terms.begin(), sorted_terms.end(), TermBefore);
    }
    sum.mutable_operands() = std::move(products);
    return sum;
  }
  sum.mutable_operands() = std::move(products);
  SortParts(sum);
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

}  // namespace zentrix::engine::poly
