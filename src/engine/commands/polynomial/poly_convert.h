#pragma once
// Conversion between expression trees and polynomials.
//
// The variables of a polynomial are atoms: symbol names, and opaque kernel
// subtrees (function applications, powers that are not integer powers, the
// reciprocals of sums) that the polynomial code treats as indeterminates.
// ToPoly multiplies everything out on the way in, so it is the expansion of
// the tree; FromPoly builds the canonical tree of a polynomial.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/commands/polynomial/poly.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::poly {

class AtomTable {
 public:
  AtomTable() = default;
  // Starts the table with these symbol names, in order (variable 0 first).
  explicit AtomTable(const std::vector<std::u16string>& names);

  int size() const { return static_cast<int>(atoms_.size()); }
  int FindOrAddSymbol(std::u16string_view name);
  int FindOrAddKernel(const ExprNode& kernel);
  // -1 when the name is not in the table.
  int FindSymbol(std::u16string_view name) const;

  bool IsSymbol(int atom) const { return atoms_[atom].is_symbol; }
  const std::u16string& Name(int atom) const { return atoms_[atom].name; }
  const ExprNode& Kernel(int atom) const { return atoms_[atom].kernel; }
  // No atom of the polynomial is a kernel.
  bool OnlySymbols(const Poly& p) const;

 private:
  struct Atom {
    bool is_symbol = true;
    std::u16string name;
    ExprNode kernel;
  };
  std::vector<Atom> atoms_;
  std::unordered_multimap<std::size_t, int> kernel_index_;
};

// The expansion of a tree as a polynomial over the table's atoms (new atoms
// are added as they are met). A list cannot be converted (nullopt).
std::optional<Poly> ToPoly(const ExprNode& node, AtomTable& atoms);

// ToPoly restricted to polynomials: only symbol atoms, non-negative integer
// exponents and finite coefficients; otherwise nullopt.
std::optional<Poly> ToPolynomial(const ExprNode& node, AtomTable& atoms);

// The canonical tree of a polynomial.
ExprNode FromPoly(const Poly& p, const AtomTable& atoms);

// A polynomial in the sense of the polynomial commands: a number, or a sum (or
// a lone product) whose symbol terms have non-negative integer exponents and
// whose operands are products of such terms with no operands of their own.
bool IsPolynomialTree(const ExprNode& node);

}  // namespace zentrix::engine::poly
