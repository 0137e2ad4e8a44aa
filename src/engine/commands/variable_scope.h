#pragma once
// What the evaluator needs of a variable store: look-up, assignment and removal
// of a name. The notebook's store implements it; graph expressions and other
// callers evaluate without one and see every name as a symbol.

#include <optional>
#include <string_view>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

class VariableScope {
 public:
  virtual ~VariableScope() = default;
  // A copy of the stored value, or nothing when the name is not stored.
  virtual std::optional<ExprNode> LookUp(std::u16string_view name) const = 0;
  // Stores a copy of the value; an existing name keeps its place.
  virtual void Store(std::u16string_view name, const ExprNode& value) = 0;
  // Removes the name; answers whether it was stored.
  virtual bool Remove(std::u16string_view name) = 0;
};

}  // namespace zentrix::engine
