#pragma once
// Test support: short builders of expression trees, for the printers' tests.

#include <utility>

#include "engine/core/charset.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::testkit {

inline ExprNode Sym(const char* name) { return ExprNode::MakeSymbol(chars::U16(name)); }
inline ExprNode Num(const Number& n) { return ExprNode::MakeNumber(n); }
// The term c·name^e.
inline SymbolTerm Term(const char* name, Number c, Number e) { return {chars::U16(name), c, e}; }

inline ExprNode PowerOf(ExprNode base, Number e) {
  ExprNode p = ExprNode::MakePower(e);
  p.AddOperand(std::move(base));
  return p;
}

}  // namespace zentrix::engine::testkit
