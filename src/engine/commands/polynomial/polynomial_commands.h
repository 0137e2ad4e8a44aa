#pragma once
// The polynomial commands: Expand, Factor, FactorSquareFree, GCD, LCM,
// Quotient, Remainder, PolyDivide, Degree, Coefficient, Operand, Numerator,
// Denominator, Together, Normalize, Lagrange and Content.
//
// Each command takes canonical trees whose arguments the evaluator has already
// checked (counts, variables, integers) and returns a new tree or a failure.
// The plain functions (Expand, Factor, ...) are for the other algorithms of the
// engine: they never fail and give their argument back unchanged when the work
// would be too large.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/engine_error.h"
#include "engine/core/expr_node.h"
#include "engine/core/number.h"

namespace zentrix::engine {

// A command's answer: the value, or the failure to report.
struct PolyCommandResult {
  ExprNode value;
  EngineFailure failure;

  bool ok() const { return !failure.failed(); }
  static PolyCommandResult Value(ExprNode v) { return {std::move(v), {}}; }
  static PolyCommandResult Fail(EngineError code, std::u16string message = {}) {
    return {ExprNode(), EngineFailure{code, std::move(message)}};
  }
};

// The message of a polynomial command whose work would be too large.
inline constexpr std::u16string_view kPolyTooLargeMessage = u"The polynomial is too large.";

// --- Commands (evaluator entry points) ------------------------------------

PolyCommandResult ExpandCommand(const ExprNode& f);
PolyCommandResult FactorCommand(const ExprNode& f);
// variable empty: the expression's only variable (x when it has none).
PolyCommandResult FactorSquareFreeCommand(const ExprNode& f, std::u16string_view variable = {});
// Two or more arguments, folded from left to right.
PolyCommandResult GcdCommand(const std::vector<ExprNode>& arguments);
PolyCommandResult LcmCommand(const ExprNode& a, const ExprNode& b);
// variable empty: the one variable the two operands share (code 19 otherwise).
PolyCommandResult QuotientCommand(const ExprNode& a, const ExprNode& b,
                                  std::u16string_view variable = {});
PolyCommandResult RemainderCommand(const ExprNode& a, const ExprNode& b,
                                   std::u16string_view variable = {});
PolyCommandResult PolyDivideCommand(const ExprNode& a, const ExprNode& b,
                                    std::u16string_view variable = {});
PolyCommandResult DegreeCommand(const ExprNode& f, std::u16string_view variable);
PolyCommandResult CoefficientCommand(const ExprNode& f, std::u16string_view variable,
                                     const Number& n);
PolyCommandResult OperandCommand(const ExprNode& f, const Number& k);
PolyCommandResult NumeratorCommand(const ExprNode& f);
PolyCommandResult DenominatorCommand(const ExprNode& f);
PolyCommandResult TogetherCommand(const ExprNode& f);
PolyCommandResult NormalizeCommand(const ExprNode& f);
PolyCommandResult LagrangeCommand(const ExprNode& points, const ExprNode& variable);
PolyCommandResult ContentCommand(const ExprNode& f);

// --- Functions for the other algorithms ------------------------------------

ExprNode Expand(const ExprNode& f);
ExprNode Factor(const ExprNode& f);
ExprNode PolyGcd(const ExprNode& a, const ExprNode& b);
ExprNode Normalize(const ExprNode& f);
ExprNode Together(const ExprNode& f);

// The polynomial quotient and remainder of a by b in the variable; nullopt
// when the general division finds a non-polynomial (the commands answer 0).
struct PolyDivision {
  ExprNode quotient;
  ExprNode remainder;
};
std::optional<PolyDivision> DividePolynomials(const ExprNode& a, const ExprNode& b,
                                              std::u16string_view variable);

// The degree of f in x: the largest exponent of a symbol term named x in the
// tree (function nodes and numbers have degree 0; powers are not looked into).
Number Degree(const ExprNode& f, std::u16string_view variable);
// The coefficient of x^n as written in the tree (0 when nothing matches).
ExprNode Coefficient(const ExprNode& f, std::u16string_view variable, const Number& n);

// The numerator/denominator split of a tree.
struct Fraction {
  ExprNode numerator;
  ExprNode denominator;
};
Fraction SplitFraction(const ExprNode& f);

// The derivative of a polynomial in the variable (nullopt for non-polynomials).
std::optional<ExprNode> PolynomialDerivative(const ExprNode& f, std::u16string_view variable);

// n! as the polynomial code takes it: 0! = 1; (−1/2)! = √π; a non-negative
// half-integer x: √π·1/2·3/2·…·x; a non-negative integer: 2·3·…·n in binary64
// (plus infinity beyond 170); nullopt for any other argument.
std::optional<Number> Factorial(const Number& x);

}  // namespace zentrix::engine
