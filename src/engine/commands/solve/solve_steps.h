#pragma once
// The steps of the equation solver, shared by its files.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/commands/base/limits.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::solve {

// Bounds on the work of one Solve: how often an equation may be rewritten and
// started again, and how many isolation steps one pass may take.
inline constexpr int kMaxRestarts = limits::kSolveRestarts;
inline constexpr int kMaxIsolationSteps = limits::kSolveIsolationSteps;

struct Equation {
  ExprNode lhs;
  ExprNode rhs;
};

// The variable occurs in the tree (as a symbol term anywhere in it).
bool Contains(const ExprNode& tree, std::u16string_view x);
bool IsZeroNumber(const ExprNode& tree);
ExprNode Variable(std::u16string_view x);
// Every value in the tree is finite: no infinity, indeterminate or overflow.
bool IsFinite(const ExprNode& tree);

// The distinct non-zero exponents with which x occurs in the symbol terms of
// the tree and its operands (function arguments are not looked into).
std::vector<Number> ExponentSet(const ExprNode& p, std::u16string_view x);

// p = 0 for a sum c0 + Σ terms whose only term in x is k·x: the root.
std::optional<ExprNode> SolveLinear(const ExprNode& p, std::u16string_view x);

// The coefficients of x^n, ..., x^0 of p when p is exactly of degree n in x
// and is rebuilt by them; each coefficient is free of x.
std::optional<std::vector<ExprNode>> ExtractCoefficients(const ExprNode& p, std::u16string_view x,
                                                         int n);

// The two roots of the quadratic formula, the minus root first, canonical,
// each expanded when it contains no variable.
struct RootPair {
  ExprNode minus;
  ExprNode plus;
};
RootPair QuadraticFormula(const ExprNode& a, const ExprNode& b, const ExprNode& c);

// What isolation made of an equation: a root, a rewritten equation to be
// solved from the start, or nothing (unsolvable).
struct Isolated {
  enum class Kind { kRoot, kRestart, kFailed };
  Kind kind = Kind::kFailed;
  ExprNode root;
  Equation restart;
};
// Undoes the operations around x on the left side, whose right side is free of x.
Isolated Isolate(Equation equation, std::u16string_view x);

}  // namespace zentrix::engine::solve
