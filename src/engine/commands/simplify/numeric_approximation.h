#pragma once
// The numeric approximation of a tree: exact values turned into decimals, π and
// e replaced by their values, powers of numbers and functions of numbers
// evaluated (with the angle unit setting), and the result simplified. The
// notebook runs it on answers in Decimal mode, on alternate solves and for Smart
// Solve. It leaves the engine's rewrite flag as it found it.

#include "engine/core/expr_node.h"

namespace zentrix::engine {

ExprNode Approximate(const ExprNode& tree);

}  // namespace zentrix::engine
