#pragma once
// Small helpers shared by the calculus commands (D, Integrate, Limit, Series,
// FSeries, Sum, Product): dependence on a variable, node shortcuts, the size of
// a tree, numeric ratios of trees and evaluation at a point.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/commands/base/limits.h"
#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine::calculus {

// Results larger than this many nodes and terms are refused: the repeated
// derivatives of D(f, x, n) and Series, and the partial sums of Sum and Product.
inline constexpr std::size_t kMaxResultSize = limits::kCalculusResultSize;

// Messages of the bounds.
inline constexpr std::u16string_view kResultTooLarge = u"The expression is too large.";
inline constexpr std::u16string_view kRangeTooLarge = u"The range is too large.";

// True when no symbol term of the subtree is named x.
bool FreeOf(const ExprNode& f, std::u16string_view x);

ExprNode Num(const Number& n);
inline ExprNode Num(double v) { return Num(Number(v)); }
ExprNode Var(std::u16string_view x);
// x^e as a single term.
ExprNode VarPower(std::u16string_view x, const Number& e);

// ln(u), with ln(e) = 1 for the symbol e.
ExprNode Ln(ExprNode u);
// The application of a function id (sqrt as the power 1/2).
ExprNode Apply(int id, ExprNode u);

// Nodes plus symbol terms of the tree, counted without recursion; stops
// counting once `limit` is passed.
std::size_t TreeSize(const ExprNode& f, std::size_t limit = static_cast<std::size_t>(-1));

// A non-zero number k with a = k·b, found by comparing the expanded forms;
// nothing when the two are not numeric multiples of each other.
std::optional<Number> NumericRatio(const ExprNode& a, const ExprNode& b);

// u = a·x + b with a and b free of x and a non-zero.
struct LinearParts {
  ExprNode a;
  ExprNode b;
};
std::optional<LinearParts> AsLinear(const ExprNode& u, std::u16string_view x);

// f with x replaced by the value, simplified.
ExprNode AtPoint(const ExprNode& f, std::u16string_view x, const ExprNode& value);

// f at the decimal point t, approximated: the value when it is a finite
// complex number, nothing otherwise.
std::optional<Number> NumericValueAt(const ExprNode& f, std::u16string_view x, double t);

// The value of an expression free of variables when it approximates to a
// finite real number.
std::optional<double> RealApproximation(const ExprNode& v);

// A limit of integration as a double: a constant that approximates to a real
// number, or an infinity.
std::optional<double> BoundValue(const ExprNode& bound);

// ∫ f dx from a to b (as BoundValue takes them) by adaptive quadrature:
// nothing when the integrand is not real inside the range, when ten digits
// cannot be reached, or when the command's work budget runs out.
// `relative` is the accuracy aimed at (ten digits for NIntegrate; a check of
// a symbolic value needs fewer and costs less).
std::optional<double> NumericIntegral(const ExprNode& f, std::u16string_view x, const ExprNode& a,
                                      const ExprNode& b, double relative = 1e-10);

// Plain numbers of the three non-finite sorts and the infinities.
bool IsInfiniteValue(const ExprNode& v);
// Any coefficient of the tree is indeterminate or a complex infinity, or an
// infinity sits inside a larger expression.
bool HasUndefinedPart(const ExprNode& v);

}  // namespace zentrix::engine::calculus
