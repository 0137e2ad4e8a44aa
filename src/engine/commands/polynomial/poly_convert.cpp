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
