#pragma once
// The rewrite passes of the simplifier, one node at a time. Each pass that can
// change the node answers whether it did (a rewrite, not a mere re-arrangement).

#include <optional>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// (a) c1·P + c2·P = (c1+c2)·P in a sum; P^a·P^b = P^(a+b) in a product.
bool CollectLikeOperands(ExprNode& node);
// (b) zero and one rules, flattening, folding numbers, distributing integer
// powers of products, negated sums, powers of numbers and of single terms.
bool ApplyBasicRules(ExprNode& node);
// (c) like symbol terms of a sum or product merged.
bool MergeSymbolTerms(ExprNode& node);
// (d) reciprocal and quotient identities of the circular and hyperbolic
// functions, negative arguments, infinite arguments and exact values at
// rational multiples of π.
bool ApplyTrigIdentities(ExprNode& node);
// (e) functions of decimals evaluated numerically, and exp(0), exp(1), ln(0),
// ln(1), ln of a negative number. Answers whether it changed the node, which the
// loop does not count as a rewrite.
bool ApplySpecialValues(ExprNode& node);

// The exact square root of an integer-valued real number: j·√i with the largest
// square factor j² (j < 100) taken out, times the imaginary unit for a negative
// number; nothing when the root stays √n for a positive n without such a factor.
std::optional<ExprNode> ExactSquareRoot(const Number& n);

// ceiling, floor, sign, fPart, iPart, abs, re and im of a number, evaluated at
// once (exactly for exact real arguments). Nothing for other nodes.
std::optional<Number> EvaluateRoundingFunction(const ExprNode& node);

// Shapes shared by the passes and the fast paths of the tree arithmetic.
// In a sum, an operand is its numeric factor times a base: the base of c·P (P a
// single operand) is P, of a product with several factors the product with
// coefficient 1, of anything else the operand itself.
bool SameSumBase(const ExprNode& a, const ExprNode& b);
std::size_t HashSumBase(const ExprNode& op);
Number SumFactor(const ExprNode& op);
// The merged operand factor·base of the operand `like`.
ExprNode WithSumFactor(const ExprNode& like, const Number& factor);
// In a product, an operand is a base raised to an exponent: the base and
// exponent of an operand power, else the operand and 1.
const ExprNode& ProductBase(const ExprNode& op);
Number ProductExponent(const ExprNode& op);
// Ids of the six circular and six hyperbolic functions that take part in the
// reciprocal identities.
bool IsReciprocalTrigId(int id);

// Repairs the shape of a sum or product after its coefficient, terms or operands
// changed: the zero, one and infinity rules that can follow from such a change.
void SettleSum(ExprNode& node);
void SettleProduct(ExprNode& node);

}  // namespace zentrix::engine
