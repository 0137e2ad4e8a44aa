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

// What isolation made of an equation: a root, rewritten equations to be
// solved from the start (one per branch, as |u| = R gives u = R and u = −R),
// or nothing (unsolvable). `needs_check` marks a step that may bring in roots
// the original equation does not have (squaring, undoing ln or an inverse
// trigonometric function): such roots are checked and the false ones dropped.
struct Isolated {
  enum class Kind { kRoot, kRestart, kFailed };
  Kind kind = Kind::kFailed;
  ExprNode root;
  std::vector<Equation> restarts;
  bool needs_check = false;
};
// Undoes the operations around x on the left side, whose right side is free of x.
Isolated Isolate(Equation equation, std::u16string_view x);

// An equation p = 0 with one radical in x (c·u^(p/q) plus terms free of
// radicals) rewritten without it: u^p = (−rest/c)^q. Nothing when p has no
// such shape. Its roots need checking.
std::optional<Equation> ClearRadical(const ExprNode& p, std::u16string_view x);

// The coefficients of x^n, ..., x^0 of p read as a polynomial in x whose
// coefficients are free of x (and, with `constants_only`, of every variable:
// numbers, π, e, √2, ln 2, ...); nothing when p is no such polynomial or has
// degree 0.
std::optional<std::vector<ExprNode>> CoefficientsInX(const ExprNode& p, std::u16string_view x,
                                                     bool constants_only);

// The roots of the polynomial with these coefficients (highest first, degree
// 4 or more): rational factors first, each factor of degree up to 3 and each
// biquadratic one exactly, the rest numerically (every complex root, as
// decimals). Nothing when a numeric root cannot be trusted.
std::optional<std::vector<ExprNode>> HighDegreeRoots(const std::vector<ExprNode>& coefficients,
                                                     std::u16string_view x);

// Roots of one equation in the order people expect them: real roots
// ascending, then complex roots by real and imaginary part (symbolic roots
// stay where they came); equal roots once. One root alone, else a list.
ExprNode RootList(std::vector<ExprNode> roots);
// The roots of an answer (a list's elements, or the one root).
std::vector<ExprNode> RootsOf(ExprNode answer);

// Whether x = root satisfies lhs = rhs, judged numerically: kUnknown when
// either side does not come out as a number (a root with other variables).
enum class RootCheck { kHolds, kFails, kUnknown };
RootCheck CheckRoot(const ExprNode& lhs, const ExprNode& rhs, std::u16string_view x,
                    const ExprNode& root);

}  // namespace zentrix::engine::solve
