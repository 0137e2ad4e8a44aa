#pragma once
// The notebook's user variables: names with whole expressions as values, kept in
// order of first definition. "Ans" holds the last answer.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/expr_node.h"

namespace zentrix::engine {

inline constexpr std::u16string_view kAnsName = u"Ans";

class VariableStore {
 public:
  // Replaces the value of an existing name in place, or appends a new name.
  void Store(std::u16string_view name, const ExprNode& value);
  // A copy of the stored value, or nothing. Names compare as exact text.
  std::optional<ExprNode> LookUp(std::u16string_view name) const;
  // The stored value without copying, or null; valid until the store changes.
  const ExprNode* Find(std::u16string_view name) const;
  bool Contains(std::u16string_view name) const { return Find(name) != nullptr; }
  // Removes the name and its value, keeping the order of the rest.
  bool Remove(std::u16string_view name);
  void Clear();

  std::size_t Count() const { return names_.size(); }
  // The i-th name in order of definition, or nothing when i is out of range.
  std::optional<std::u16string> Name(std::size_t i) const;

 private:
  std::ptrdiff_t IndexOf(std::u16string_view name) const;

  std::vector<std::u16string> names_;
  std::vector<ExprNode> values_;
};

}  // namespace zentrix::engine
