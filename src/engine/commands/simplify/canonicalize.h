#pragma once
// The automatic simplifier: puts a node into the one canonical form in place by
// running the rewrite passes (collect like operands, normalise, merge symbol
// terms, trigonometric identities, special values of functions) until a whole
// cycle changes nothing, then sorting the node's parts. Raises the engine's
// rewrite flag whenever a pass changed the node. Never fails.

#include "engine/core/expr_node.h"

namespace zentrix::engine {

// The whole tree: operands first (depth first), then the node.
void Canonicalize(ExprNode& node);

// Only the node itself; its operands must be canonical already. This is what
// every tree operation runs on the node it has just built.
void CanonicalizeBuilt(ExprNode& node);

// Makes the core's node constructors (function nodes, negation) use this
// simplifier. Safe to call more than once.
void InstallCanonicalizer();

}  // namespace zentrix::engine
