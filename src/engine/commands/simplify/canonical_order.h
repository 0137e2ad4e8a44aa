#pragma once
// The order in which the simplifier keeps the symbol terms and operands of sums
// and products, a structural total order of trees, and a hash that agrees with
// tree equality (optionally ignoring the top-level coefficient).

#include <cstddef>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// Term order: equal names put the larger exponent first; otherwise a term named
// π or e comes first; otherwise names compare lexicographically. Coefficients
// play no part (a canonical node never holds two terms that differ only there).
bool TermBefore(const SymbolTerm& a, const SymbolTerm& b);

// Operand order: products, then powers, then sums, then function applications,
// then anything else (lists); functions by printed name; within a group by real
// coefficient, then by structure so that equal multisets sort equally.
bool OperandBefore(const ExprNode& a, const ExprNode& b);

// Three-way structural comparison consistent with ==: negative, 0 or positive.
int CompareTrees(const ExprNode& a, const ExprNode& b);
int CompareNumbers(const Number& a, const Number& b);

// Sorts the terms and operands of a sum or product in place.
void SortParts(ExprNode& node);

std::size_t HashNumber(const Number& n);
// A hash consistent with ==; with `ignore_coefficient` the node's own coefficient
// is left out (operands and terms still count).
std::size_t HashTree(const ExprNode& node, bool ignore_coefficient = false);

}  // namespace zentrix::engine
